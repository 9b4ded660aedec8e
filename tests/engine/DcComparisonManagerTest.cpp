#include "module/ModuleTestSupport.h"

#include "DbBlockReference.h"
#include "DbDictionary.h"
#include "DbXRefMan.h"
#include "DcBlockTableRecordComparison.h"
#include "DcComparisonManagerImpl.h"
#include "DcPairInfo.h"
#include "DcResultDrawing.h"
#include "DxfWriter.h"
#include "HostDocManager.h"

using namespace dwgcompare;

namespace {
// Every notification a manager sends, in order.
class RecordingManagerReactor : public DcComparisonManagerReactor {
 public:
  void compareStarted(DcComparisonManager*) override { events.push_back("compareStarted"); }
  void file1Bound() override { events.push_back("file1Bound"); }
  void file2Bound() override { events.push_back("file2Bound"); }
  void compareFinished(DcComparisonManager*) override { events.push_back("compareFinished"); }
  void compareAborted(DcComparisonManager*) override { events.push_back("compareAborted"); }
  void comparisonAdded(DcBlockTableRecordComparison*) override { events.push_back("comparisonAdded"); }
  std::vector<std::string> events;
};

std::vector<std::string> blockReferenceNames(OdDbDatabase* db) {
  std::vector<std::string> names;
  OdDbBlockTableRecordPtr modelSpace = db->getModelSpaceId().safeOpenObject();
  for (const OdDbObjectId& id : modelSpace->entityIds()) {
    OdDbBlockReferencePtr reference = OdDbBlockReference::cast(id.openObject().get());
    if (reference.isNull()) continue;
    OdDbBlockTableRecordPtr block = reference->blockTableRecord().safeOpenObject();
    EXPECT_TRUE(isMarkedResultObject(reference.get()));
    EXPECT_TRUE(isMarkedResultObject(block.get()));
    EXPECT_EQ(reference->position(), OdGePoint3d(0, 0, 0));
    names.push_back(block->getName().utf8());
  }
  return names;
}
}  // namespace

class DcComparisonManagerTest : public LoadedModuleFixture {
 protected:
  DcComparisonManagerPtr newManager() {
    DcComparisonManagerPtr manager = newComparisonManager();
    manager->addReactor(&reactor);
    return manager;
  }
  DcBlockTableRecordComparisonImpl* onlyComparison(DcComparisonManager* manager) {
    DcEnumComparisonPtr comparisons = manager->enumComparisons();
    DcBlockTableRecordComparison* comparison = nullptr;
    EXPECT_TRUE(comparisons->next(comparison));
    return comparisonImpl(comparison);
  }
  RecordingManagerReactor reactor;
};

TEST_F(DcComparisonManagerTest, ComparingBindsBothFilesIntoANamedResultAndZoomAllFillsTheMaps) {
  std::string plan = writeDrawing("plan.dxf", {{0, 0, 10, 0}, {0, 0, 0, 10}}, {{5, 5, 1}});
  std::string revised = writeDrawing("plan_revised.dxf", {{0, 0, 10, 0}, {0, 0, 0, 12}}, {{5, 5, 1}, {8, 8, 2}});
  OdDbDatabasePtr file1 = readDrawing(plan), file2 = readDrawing(revised);
  DcComparisonManagerPtr manager = newManager();

  ASSERT_EQ(manager->compare(file1.get(), file2.get()), eOk);
  EXPECT_EQ(reactor.events, (std::vector<std::string>{"compareStarted", "file1Bound", "file2Bound", "comparisonAdded",
                                                      "compareFinished"}));
  HostDocument* result = app->docManager().curDocument();
  EXPECT_EQ(result->name(), OdString("Result of comparing_plan and plan_revised"));
  EXPECT_EQ(result->database()->getFilename(), result->name());
  EXPECT_FALSE(app->docManager().isLocked(result));
  EXPECT_EQ(blockReferenceNames(result->database()), (std::vector<std::string>{"BLOCK 1(FILE 1)", "BLOCK 2(FILE 2)"}));
  EXPECT_TRUE(hasPairInfo(result->database()));
  EXPECT_EQ(manager->file2Info()->fileName, OdString("plan_revised.dxf"));
  EXPECT_EQ(manager->file1Info()->path, OdString(plan));
  EXPECT_FALSE(manager->file1Info()->dateSaved.isEmpty());

  DcBlockTableRecordComparisonImpl* comparison = onlyComparison(manager.get());
  EXPECT_EQ(comparison->blockTableRecordId(), result->database()->getModelSpaceId());
  EXPECT_EQ(manager->findComparison(result->database()->getModelSpaceId()).get(), comparison);
  EXPECT_TRUE(comparison->file1Objects().empty());
  EXPECT_EQ(comparison->failureCode(), 0);

  // The zoom-all after the run starts the comparison of the bound objects.
  ASSERT_TRUE(app->typeLine("ZOOMALL"));
  ASSERT_EQ(comparison->file1Objects().size(), 3u);
  ASSERT_EQ(comparison->file2Objects().size(), 4u);
  int shared = 0;
  for (const auto& [value, object] : comparison->file1Objects()) shared += comparison->file2Objects().contains(value);
  EXPECT_EQ(shared, 2);  // the line along x and the small circle
  // Only the first zoom-all counts: the reactor has gone.
  ASSERT_TRUE(app->typeLine("ZOOMALL"));
  EXPECT_EQ(comparison->file1Objects().size(), 3u);
}

// Files read for the comparison go with their bind, entity by entity; a drawing
// someone else still holds (an open document) comes out of the bind as it went in.
TEST_F(DcComparisonManagerTest, BindingLeavesADrawingSomeoneElseHoldsAsItWas) {
  for (bool callerKeepsFiles : {true, false}) {
    std::string a = writeDrawing("a.dxf", {{0, 0, 1, 1}}, {{5, 5, 1}}), b = writeDrawing("b.dxf", {{0, 0, 2, 2}});
    OdDbDatabasePtr file1 = readDrawing(a), file2 = readDrawing(b);
    std::string file1AsRead = odDxfSaveString(file1.get(), OdString(a));
    OdDbDatabase *first = file1.get(), *second = file2.get();
    DcComparisonManagerPtr manager = newManager();
    static_cast<DcComparisonManagerImpl*>(manager.get())->handOverReadFiles(file1, file2);
    if (!callerKeepsFiles) {
      file1.release();
      file2.release();
    }
    ASSERT_EQ(manager->compare(first, second), eOk);
    if (callerKeepsFiles) {
      EXPECT_EQ(odDxfSaveString(file1.get(), OdString(a)), file1AsRead) << "binding changed the database it took";
    }
    ASSERT_TRUE(app->typeLine("ZOOMALL"));
    EXPECT_EQ(onlyComparison(manager.get())->file1Objects().size(), 2u) << callerKeepsFiles;
  }
}

TEST_F(DcComparisonManagerTest, AFileThatCannotBeAttachedOrReadEndsTheRunWithItsCode) {
  // A drawing never saved has no path to attach.
  OdDbDatabasePtr unsaved = OdDbDatabase::create();
  OdDbDatabasePtr file = readDrawing(writeDrawing("a.dxf", {{0, 0, 1, 1}}));
  DcComparisonManagerPtr manager = newManager();
  EXPECT_EQ(manager->compare(unsaved.get(), file.get()), eNoXrefDefinitionBlock);
  EXPECT_EQ(reactor.events, (std::vector<std::string>{"compareStarted", "compareAborted"}));

  // A file that went away after it was read: the library's error code, no abort notice.
  std::string gone = writeDrawing("gone.dxf", {{0, 0, 1, 1}});
  OdDbDatabasePtr goneDb = readDrawing(gone);
  std::filesystem::remove(gone);
  reactor.events.clear();
  EXPECT_EQ(manager->compare(file.get(), goneDb.get()), eFileNotFound);
  EXPECT_EQ(reactor.events, (std::vector<std::string>{"compareStarted", "file1Bound"}));
  EXPECT_FALSE(app->docManager().isLocked(app->docManager().curDocument()));
  // Both runs stay in the manager's list, the second one last.
  DcEnumComparisonPtr comparisons = manager->enumComparisons();
  DcBlockTableRecordComparison* comparison = nullptr;
  int count = 0;
  while (comparisons->next(comparison)) ++count;
  EXPECT_EQ(count, 2);
  EXPECT_EQ(manager->findComparison(app->docManager().curDocument()->database()->getModelSpaceId()).get(), comparison);
}

TEST_F(DcComparisonManagerTest, TakenBlockNamesAreReplacedAndTheUserIsTold) {
  auto withBlock = [](const char* name) { return [name](OdDbDatabase* db) { addBlock(db, name); }; };
  OdDbDatabasePtr file1 = readDrawing(writeDrawing("one.dxf", {{0, 0, 1, 1}}, {}, withBlock("BLOCK 2(FILE 2)")));
  OdDbDatabasePtr file2 = readDrawing(writeDrawing("two.dxf", {{0, 0, 1, 1}}));
  resultBlockNameCounter() = 1;
  DcComparisonManagerPtr manager = newManager();
  ASSERT_EQ(manager->compare(file1.get(), file2.get()), eOk);
  OdDbDatabase* result = app->docManager().curDocument()->database();
  EXPECT_EQ(blockReferenceNames(result), (std::vector<std::string>{"BLOCK 1(FILE 1)", "BLOCK 2(FILE 2)_1"}));
  EXPECT_NE(commandLog().find("\nFile 1 already contains block \"BLOCK 2(FILE 2)\" - using \"BLOCK 2(FILE 2)_1\""),
            std::string::npos)
      << commandLog();

  // The counter goes on from where it stopped; a name made with it that is taken too moves it on.
  OdDbDatabasePtr file3 = readDrawing(writeDrawing("three.dxf", {}, {}, [&](OdDbDatabase* db) {
    withBlock("BLOCK 1(FILE 1)")(db);
    withBlock("BLOCK 1(FILE 1)_1")(db);
  }));
  ASSERT_EQ(newManager()->compare(file3.get(), file2.get()), eOk);
  EXPECT_EQ(blockReferenceNames(app->docManager().curDocument()->database())[0], "BLOCK 1(FILE 1)_2");
  EXPECT_EQ(resultBlockNameCounter(), 2);
}

TEST_F(DcComparisonManagerTest, AResultNameThatIsOpenGetsANumber) {
  std::filesystem::create_directories(dir.path() / "old");
  std::string plan1 = writeDrawing("plan.dxf", {{0, 0, 1, 1}});
  std::string plan2 = writeDrawing("old/plan.dxf", {{0, 0, 2, 1}});
  OdDbDatabasePtr file1 = readDrawing(plan1), file2 = readDrawing(plan2);
  ASSERT_EQ(newManager()->compare(file1.get(), file2.get()), eOk);
  EXPECT_EQ(app->docManager().curDocument()->name(), OdString("Result of comparing_plan and plan"));
  ASSERT_EQ(newManager()->compare(file1.get(), file2.get()), eOk);
  EXPECT_EQ(app->docManager().curDocument()->name(), OdString("Result of comparing_plan and plan (1)"));
}
