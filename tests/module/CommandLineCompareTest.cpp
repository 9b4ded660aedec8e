#include "ModuleTestSupport.h"

#include "DcBlockTableRecordComparison.h"
#include "DcComparisonManager.h"
#include "HostDocManager.h"
#include "HostGsDevice.h"
#include "display/DisplayTestSupport.h"

#include <fstream>

using namespace dwgcompare;

class CommandLineCompareTest : public LoadedModuleFixture {
 protected:
  void SetUp() override {
    LoadedModuleFixture::SetUp();
    plan = writeDrawing("a.dxf", {{0, 0, 10, 0}, {0, 1, 0, 10}});
    revised = writeDrawing("b.dxf", {{0, 0, 10, 0}, {10, 1, 10, 12}});
  }
  // Runs -DWGCOMPARE with the two answers; whether the command failed and said so.
  bool failsTelling(const std::string& file1, const std::string& file2, const std::string& message) {
    int failures = app->processor().failures();
    bool ok = compareOnCommandLine(file1, file2);
    return !ok && app->processor().failures() == failures + 1 && commandLog().find(message) != std::string::npos;
  }
  void spoil(const std::string& path) { std::ofstream(path) << "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nnot a number\n"; }

  std::string plan, revised;
};

// A file not chosen, not there or malformed is told, by its path where it has one, and nothing is compared.
TEST_F(CommandLineCompareTest, AFileThatCannotBeComparedIsTold) {
  const std::string missing = dir / "missing.dxf", bad = dir / "bad.dxf";
  spoil(bad);
  const struct {
    std::string file1, file2, message;
  } cases[] = {
      {"", revised, "File 1 is not selected."},
      {"Select drawing...", revised, "File 1 is not selected."},
      {plan, "SELECT DRAWING...", "File 2 is not selected."},
      {missing, revised, "File '" + missing + "' is not found"},
      {plan, missing, "File 2 (the drawing to compare with it): " + missing + "\nFile '" + missing + "' is not found"},
      {plan, bad, "Failed to compare drawings 'a.dxf' and 'bad.dxf'.\nError description: '" + bad + ": line "},
  };
  for (const auto& c : cases)
    EXPECT_TRUE(failsTelling(c.file1, c.file2, c.message)) << c.file1 << " " << c.file2 << "\n" << commandLog();
  EXPECT_TRUE(app->docManager().documents().empty());
}

TEST_F(CommandLineCompareTest, AnOpenDrawingWhoseFileWasSpoiltCannotBeBound) {
  ASSERT_TRUE(app->typeLine("OPEN \"" + revised + "\""));
  spoil(revised);
  // The open drawing is compared; its file is read again to be bound.
  EXPECT_TRUE(failsTelling(plan, revised, "Failed to compare drawings 'a.dxf' and 'b.dxf'.\nError description: '"))
      << commandLog();
}

TEST_F(CommandLineCompareTest, AFailedComparisonAfterASuccessfulOneIsDrawnAsItIs) {
  // Both drawings are open, so the run reads no file before it binds them.
  ASSERT_TRUE(app->typeLine("OPEN \"" + plan + "\""));
  ASSERT_TRUE(app->typeLine("OPEN \"" + revised + "\""));
  ASSERT_TRUE(compareOnCommandLine(plan, revised)) << commandLog();
  ASSERT_TRUE(displayOverrulesOn());
  spoil(revised);
  EXPECT_FALSE(compareOnCommandLine(plan, revised));
  // What the failed run left, File 1 bound alone, is current: no comparison is shown on it.
  HostDocument* failed = app->docManager().curDocument();
  EXPECT_EQ(getDocManReactor()->currentComparison(), nullptr);
  EXPECT_TRUE(displayOverrulesOff());
  EXPECT_EQ(highlightTypesOf(polylinesStartingAt(drawModelSpace(failed->database()), OdGePoint3d(0, 1, 0))),
            std::vector<int>{0});
}

TEST_F(CommandLineCompareTest, ASuccessfulComparisonLeavesAPaintedResult) {
  ASSERT_TRUE(compareOnCommandLine(plan, revised)) << commandLog();
  HostDocument* result = app->docManager().curDocument();
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->name(), OdString("Result of comparing_a and b"));
  EXPECT_TRUE(displayOverrulesOn());
  DcComparisonManager* manager = getDocManReactor()->currentComparison();
  ASSERT_NE(manager, nullptr);
  auto* comparison = comparisonImpl(manager->findComparison(result->database()->getModelSpaceId()).get());
  EXPECT_EQ(comparison->file1Objects().size(), 2u);
  EXPECT_EQ(comparison->file2Objects().size(), 2u);
  EXPECT_EQ(highlightTypesOf(polylinesStartingAt(drawModelSpace(result->database()), OdGePoint3d(0, 1, 0))),
            std::vector<int>{3});
}
