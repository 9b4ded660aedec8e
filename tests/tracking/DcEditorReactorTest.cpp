#include "display/DisplayTestSupport.h"
#include "module/ModuleTestSupport.h"

#include "DcBlockTableRecordComparison.h"
#include "DcComparisonManager.h"
#include "DcEditorReactor.h"
#include "HostCmdProcess.h"
#include "HostDocManager.h"

using namespace dwgcompare;

namespace {
class DoNothingCmd : public HostCmdProcessImpl {
 public:
  int run() override { return kCmdOk; }
};
}  // namespace

class DcEditorReactorTest : public LoadedModuleFixture {
 protected:
  void SetUp() override {
    LoadedModuleFixture::SetUp();
    plan = writeDrawing("plan.dxf", {{0, 0, 10, 0}, {0, 1, 0, 10}}, {{5, 5, 1}});
    revised = writeDrawing("revised.dxf", {{0, 0, 10, 0}, {10, 1, 10, 12}});
  }
  HostDocument* current() { return app->docManager().curDocument(); }
  // A run of the manager alone: the result is bound, nobody asks for the zoom-all yet.
  DcBlockTableRecordComparisonImpl* bindWithoutZoom(DcComparisonManager* manager) {
    OdDbDatabasePtr file1 = readDrawing(plan), file2 = readDrawing(revised);
    EXPECT_EQ(manager->compare(file1.get(), file2.get()), eOk);
    return comparisonImpl(manager->findComparison(current()->database()->getModelSpaceId()).get());
  }
  // A copy of the plan's model space into the database, by deep clone; its id mapping.
  OdDbIdMappingPtr copyPlanInto(OdDbDatabase* target) {
    OdDbDatabasePtr source = readDrawing(plan);
    OdDbBlockTableRecordPtr modelSpace = source->getModelSpaceId().safeOpenObject();
    OdDbIdMappingPtr mapping = OdDbIdMapping::createObject();
    source->deepCloneObjects(modelSpace->entityIds(), target->getModelSpaceId(), *mapping);
    return mapping;
  }

  std::string plan, revised;
};

TEST_F(DcEditorReactorTest, OnlyTheZoomAllByItsExactNameStartsTheComparison) {
  HostCommandRegistry::Entry otherZoom;
  otherZoom.name = "VIEWZOOMALL";  // heard under that name, in capitals
  otherZoom.creator = &hostCreateCommand<DoNothingCmd>;
  ASSERT_TRUE(app->commands().add(otherZoom));
  DcComparisonManagerPtr manager = newComparisonManager();
  DcBlockTableRecordComparisonImpl* comparison = bindWithoutZoom(manager.get());
  ASSERT_NE(comparison, nullptr);

  ASSERT_TRUE(app->typeLine("viewzoomall"));
  EXPECT_TRUE(comparison->file1Objects().empty());
  EXPECT_TRUE(comparison->file2Objects().empty());

  // ZOOM with the option All is the zoom-all too.
  ASSERT_TRUE(app->typeLine("ZOOM A"));
  EXPECT_EQ(comparison->file1Objects().size(), 3u);
  EXPECT_EQ(comparison->file2Objects().size(), 2u);
}

TEST_F(DcEditorReactorTest, ACommandFailingBeforeTheZoomAllLeavesTheResultUncomparedAndDrawnAsItIs) {
  // Compared from the palette: the zoom-all comes once the result has been drawn after the next command.
  ASSERT_EQ(dwgcompareui::makeComparisonPalette().compare(OdString(plan), OdString(revised)), eOk);
  OdDbDatabase* result = current()->database();
  auto* comparison = comparisonImpl(
      getDocManReactor()->currentComparison()->findComparison(result->getModelSpaceId()).get());
  int zoomAlls = window().zoomAlls;

  EXPECT_FALSE(app->typeLine("ZOOM X"));
  EXPECT_EQ(window().zoomAlls, zoomAlls + 1);
  EXPECT_TRUE(comparison->file1Objects().empty());
  EXPECT_TRUE(comparison->file2Objects().empty());
  ASSERT_TRUE(app->typeLine("ZOOMALL"));
  EXPECT_TRUE(comparison->file1Objects().empty());

  ASSERT_TRUE(displayOverrulesOn());
  RecordingSink shown = drawModelSpace(result);
  getDocManReactor()->disableOverrules();
  EXPECT_TRUE(sameDrawing(shown, drawModelSpace(result)));
}

TEST_F(DcEditorReactorTest, DeepClonesReachTheComparisonInTheOrderTheyEnd) {
  OdDbDatabasePtr target = OdDbDatabase::create();
  DcBlockTableRecordComparisonPtr comparison = DcBlockTableRecordComparison::createObject();
  DcBlockTableRecordComparisonImpl* impl = comparisonImpl(comparison.get());
  DcEditorReactorPtr reactor = DcEditorReactor::createObject();
  reactor->setResponder(impl);
  app->editor().addReactor(reactor.get());

  // Before a file is bound no clone counts; while File 1 is bound the last clone counts; while File 2 is bound, the first.
  copyPlanInto(target.get());
  EXPECT_EQ(impl->file1Mapping(), nullptr);
  impl->expectFile1Mapping();
  OdDbIdMappingPtr first = copyPlanInto(target.get());
  OdDbIdMappingPtr second = copyPlanInto(target.get());
  EXPECT_EQ(impl->file1Mapping(), second.get());
  impl->expectFile2Mapping();
  OdDbIdMappingPtr third = copyPlanInto(target.get());
  OdDbIdMappingPtr fourth = copyPlanInto(target.get());
  EXPECT_EQ(impl->file2Mapping(), third.get());
  EXPECT_EQ(impl->file1Mapping(), second.get());
  app->editor().removeReactor(reactor.get());
}

TEST_F(DcEditorReactorTest, ACopyMadeAfterTheRunDoesNotTakeTheBoundFilesPlace) {
  DcComparisonManagerPtr manager = newComparisonManager();
  DcBlockTableRecordComparisonImpl* comparison = bindWithoutZoom(manager.get());
  ASSERT_NE(comparison, nullptr);
  // The user copies the plan into the result before the zoom-all.
  copyPlanInto(current()->database());
  ASSERT_TRUE(app->typeLine("ZOOMALL"));
  EXPECT_EQ(comparison->file1Objects().size(), 3u);
  EXPECT_EQ(comparison->file2Objects().size(), 2u);  // the revision's two lines, not the copy's three objects
}
