#include "module/ModuleTestSupport.h"

#include "DbMText.h"
#include "DcUiCompareInfo.h"
#include "HostDocManager.h"

using namespace dwgcompare;

class DcUiCompareInfoTest : public LoadedModuleFixture {
 protected:
  void SetUp() override {
    LoadedModuleFixture::SetUp();
    plan = writeDrawing("a.dxf", {{0, 0, 10, 0}});
    revised = writeDrawing("b.dxf", {{0, 0, 10, 0}, {0, 1, 0, 10}}, {}, [](OdDbDatabase* db) {
      db->setLastSavedBy("designer");
    });
  }
  // The log's lines from the given one on.
  std::vector<std::string> logSince(size_t from) {
    std::vector<std::string> lines;
    const std::vector<OdString>& log = app->docManager().commandLine().log();
    for (size_t i = from; i < log.size(); ++i) lines.push_back(log[i].utf8());
    return lines;
  }
  std::vector<OdDbMTextPtr> texts(OdDbDatabase* db) {
    std::vector<OdDbMTextPtr> found;
    OdDbBlockTableRecordPtr modelSpace = db->getModelSpaceId().safeOpenObject();
    for (const OdDbObjectId& id : modelSpace->entityIds())
      if (OdDbMTextPtr text = OdDbMText::cast(id.openObject().get()); !text.isNull()) found.push_back(text);
    return found;
  }
  std::string plan, revised;
};

TEST_F(DcUiCompareInfoTest, PrintedTheTextHasItsEmptyLinesAndNoCarriageReturns) {
  ASSERT_TRUE(compareOnCommandLine(plan, revised)) << commandLog();
  const FileInfo& file1 = *getDocManReactor()->currentComparison()->file1Info();
  const FileInfo& file2 = *getDocManReactor()->currentComparison()->file2Info();
  ASSERT_FALSE(file1.dateSaved.isEmpty());
  size_t from = app->docManager().commandLine().log().size() + 1;  // after the command's echo
  ASSERT_TRUE(app->typeLine("COMPAREINFO"));
  std::vector<std::string> expected = {"File 1: a.dxf", "Folder Path: " + plan, "Date Saved: " + file1.dateSaved.utf8(),
                                       "Saved By: " + file1.savedBy.utf8(), "", "File 2: b.dxf",
                                       "Folder Path: " + revised, "Date Saved: " + file2.dateSaved.utf8(),
                                       "Saved By: designer", ""};
  EXPECT_EQ(logSince(from), expected);
  // The clipboard's form: the same ten lines, each ended by carriage return and line feed.
  std::string clipboard;
  for (const std::string& line : expected) clipboard += line + "\r\n";
  EXPECT_EQ(dwgcompareui::compareInfoText(file1, file2).utf8(), clipboard);
}

TEST_F(DcUiCompareInfoTest, InsertedTheTextStaysAtThePointPickedThroughSaveAndOpen) {
  ASSERT_TRUE(compareOnCommandLine(plan, revised)) << commandLog();
  OdDbDatabase* result = app->docManager().curDocument()->database();
  // Escape at the point prompt leaves the drawing as it was.
  EXPECT_FALSE(app->typeLine("-COMPAREINFO Insert"));
  EXPECT_TRUE(texts(result).empty());

  ASSERT_TRUE(app->typeLine("-COMPAREINFO Insert 10,20")) << commandLog();
  OdString expected = dwgcompareui::compareInfoText(*getDocManReactor()->currentComparison()->file1Info(),
                                                    *getDocManReactor()->currentComparison()->file2Info());
  std::string saved = dir / "result.dxf";
  ASSERT_TRUE(app->typeLine("SAVEAS \"" + saved + "\"")) << commandLog();
  OdDbDatabasePtr reopened = readDrawing(saved);
  for (OdDbDatabase* db : {result, reopened.get()}) {
    std::vector<OdDbMTextPtr> inserted = texts(db);
    ASSERT_EQ(inserted.size(), 1u);
    EXPECT_EQ(inserted[0]->contents(), expected);
    EXPECT_EQ(inserted[0]->location(), OdGePoint3d(10, 20, 0));
  }
}

TEST_F(DcUiCompareInfoTest, APlainDrawingIsNotInComparisonMode) {
  ASSERT_TRUE(app->typeLine("OPEN \"" + plan + "\""));
  for (const char* command : {"COMPAREINFO", "-COMPAREINFO"}) {
    size_t from = app->docManager().commandLine().log().size() + 1;
    ASSERT_TRUE(app->typeLine(command)) << commandLog();
    EXPECT_EQ(logSince(from), std::vector<std::string>{"\nNot in comparison mode"}) << command;
  }
  EXPECT_TRUE(texts(app->docManager().curDocument()->database()).empty());
}
