// Changes: objects only in one file grouped by nearness and explained by the fields that differ.

#include "module/ModuleTestSupport.h"

#include "DcBlockTableRecordComparison.h"
#include "DcComparisonManager.h"
#include "HostDocManager.h"

using namespace dwgcompare;

class DcChangesTest : public LoadedModuleFixture {
 protected:
  // The changes of the current result drawing.
  const Changes& currentChanges() {
    HostDocument* result = app->docManager().curDocument();
    DcComparisonManager* manager = getDocManReactor()->currentComparison();
    if (!result || !manager) throw std::runtime_error("no comparison is current");
    return comparisonImpl(manager->findComparison(result->database()->getModelSpaceId()).get())->changes();
  }
  static std::string fieldsText(const Change& change) {
    std::string text;
    for (const FieldDifference& field : change.explanation)
      text += std::to_string(field.code) + " " + field.name + ": " + field.file1Value + " -> " + field.file2Value + "\n";
    return text;
  }
};

// The drawing is 1000 wide, so the default margin (2%) is 20.
TEST_F(DcChangesTest, ObjectsWithinTheMarginOfEachOtherAreOneChange) {
  using Lines = std::vector<std::array<double, 4>>;
  const Lines base = {{0, 0, 1000, 0}, {0, 500, 1000, 500}};
  struct Case {
    const char* name;
    Lines file1Extra, file2Extra;
    std::vector<std::pair<size_t, size_t>> objects;  // File 1 and File 2 objects of each change, in reading order
  } cases[] = {
      {"a line moved by 3", {{100, 300, 200, 300}}, {{103, 300, 203, 300}}, {{1, 1}}},
      {"added and removed far apart", {{100, 300, 200, 300}}, {{800, 100, 900, 100}}, {{1, 0}, {0, 1}}},
      {"two added lines 15 apart", {}, {{100, 300, 200, 300}, {215, 300, 300, 300}}, {{0, 2}}},
      {"two added lines 40 apart", {}, {{100, 300, 200, 300}, {240, 300, 300, 300}}, {{0, 1}, {0, 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Lines lines1 = base, lines2 = base;
    lines1.insert(lines1.end(), c.file1Extra.begin(), c.file1Extra.end());
    lines2.insert(lines2.end(), c.file2Extra.begin(), c.file2Extra.end());
    ASSERT_TRUE(compareOnCommandLine(writeDrawing("a.dxf", lines1), writeDrawing("b.dxf", lines2))) << commandLog();
    const Changes& changes = currentChanges();
    ASSERT_EQ(changes.size(), c.objects.size());
    for (size_t i = 0; i < changes.size(); ++i) {
      EXPECT_EQ(changes[i].number, int(i + 1));
      EXPECT_EQ(changes[i].file1.size(), c.objects[i].first);
      EXPECT_EQ(changes[i].file2.size(), c.objects[i].second);
    }
  }
}

TEST_F(DcChangesTest, AMovedLineIsExplainedByItsTwoPointsAndKeepsItsHandles) {
  std::string file1 = writeDrawing("a.dxf", {{0, 0, 1000, 0}, {100, 300, 200, 300}});
  std::string file2 = writeDrawing("b.dxf", {{0, 0, 1000, 0}, {103, 300, 203, 300}});
  ASSERT_TRUE(compareOnCommandLine(file1, file2)) << commandLog();
  const Changes& changes = currentChanges();
  ASSERT_EQ(changes.size(), 1u);
  const Change& moved = changes.front();
  EXPECT_EQ(moved.kind(), ChangeKind::Changed);
  EXPECT_EQ(fieldsText(moved), "10 point: 100.0, 300.0, 0.0 -> 103.0, 300.0, 0.0\n"
                               "11 second point: 200.0, 300.0, 0.0 -> 203.0, 300.0, 0.0\n");
  EXPECT_EQ(moved.box, OdGeExtents3d(OdGePoint3d(100, 300, 0), OdGePoint3d(203, 300, 0)));
  // The handles are those of the files, where the moved line is the second entity of each.
  OdDbDatabasePtr original = readDrawing(file1);
  OdDbBlockTableRecordPtr space = original->getModelSpaceId().safeOpenObject();
  EXPECT_EQ(moved.file1.front().handle, space->entityIds()[1].getHandle().text());
  EXPECT_EQ(moved.explanation.front().file1Handle, moved.file1.front().handle);
  EXPECT_EQ(moved.explanation.front().file2Handle, moved.file2.front().handle);
}

// A reopened result has only the fingerprints: its changes are found again from its blocks.
TEST_F(DcChangesTest, ASavedResultReopensWithTheSameChanges) {
  std::string file1 = writeDrawing("a.dxf", {{0, 0, 1000, 0}, {100, 300, 200, 300}}, {{800, 200, 10}});
  std::string file2 = writeDrawing("b.dxf", {{0, 0, 1000, 0}, {103, 300, 203, 300}}, {{600, 200, 10}});
  ASSERT_TRUE(compareOnCommandLine(file1, file2)) << commandLog();
  std::vector<std::pair<OdGeExtents3d, size_t>> before;
  for (const Change& change : currentChanges()) before.emplace_back(change.box, change.explanation.size());
  std::string saved = dir / "result.dxf";
  ASSERT_TRUE(app->typeLine("SAVEAS \"" + saved + "\"")) << commandLog();
  ASSERT_TRUE(app->typeLine("OPEN \"" + saved + "\"")) << commandLog();
  std::vector<std::pair<OdGeExtents3d, size_t>> after;
  for (const Change& change : currentChanges()) after.emplace_back(change.box, change.explanation.size());
  EXPECT_EQ(before.size(), 3u);
  EXPECT_EQ(after, before);
}
