#include "display/DisplayTestSupport.h"
#include "module/ModuleTestSupport.h"

#include "GsModel.h"
#include "HostDocManager.h"

using namespace dwgcompare;

namespace {
bool isHighlighted(const OdDbObjectId& entity) {
  OdGiPathChain path({entity});
  return entity.database()->graphicsModel()->isHighlighted(*path.innermost());
}

void highlight(const OdDbObjectId& entity, bool doIt) {
  OdDbEntityPtr opened = entity.safeOpenObject();
  opened->highlight(doIt);
}

// A drawing whose model space holds a reference to a block of one line.
void addBlockReference(OdDbDatabase* db) {
  OdDbBlockTableRecordPtr block = addBlock(db, "PART");
  addTo<OdDbLine>(block.get())->setEndPoint(OdGePoint3d(1, 1, 0));
  addReference(modelSpaceOf(db).get(), block->objectId(), OdGePoint3d(0, 0, 0));
}
}  // namespace

class DcHighlightOverruleTest : public LoadedModuleFixture {
 protected:
  void SetUp() override {
    LoadedModuleFixture::SetUp();
    plan = writeDrawing("plan.dxf", {{0, 0, 10, 0}}, {}, addBlockReference);
    std::string revised = writeDrawing("revised.dxf", {{0, 0, 10, 5}});
    ASSERT_TRUE(compareOnCommandLine(plan, revised)) << commandLog();
    ASSERT_TRUE(displayOverrulesOn());
    result = app->docManager().curDocument()->database();
  }
  std::string plan;
  OdDbDatabase* result = nullptr;
};

TEST_F(DcHighlightOverruleTest, TheResultsFileBlocksAreNeitherHighlightedNorUnhighlighted) {
  for (const OdDbObjectId& reference : resultReferences(result)) {
    highlight(reference, true);
    EXPECT_FALSE(isHighlighted(reference));

    // Highlighted while the overrule was off, the reference stays so.
    getDocManReactor()->disableOverrules();
    highlight(reference, true);
    getDocManReactor()->enableOverrules();
    highlight(reference, false);
    EXPECT_TRUE(isHighlighted(reference));
  }
}

TEST_F(DcHighlightOverruleTest, OtherReferencesHighlightAsUsual) {
  // File 1's own reference, bound into the result, carries no mark.
  OdDbObjectId bound = entitiesOfReferencedBlock(resultReferences(result)[0]).back();
  OdDbEntityPtr reference = bound.safeOpenObject();
  ASSERT_TRUE(reference->isKindOf(OdDbBlockReference::desc()));
  highlight(bound, true);
  EXPECT_TRUE(isHighlighted(bound));
  highlight(bound, false);
  EXPECT_FALSE(isHighlighted(bound));

  // So does a reference in an ordinary drawing while the overrule is there.
  OdDbDatabasePtr ordinary = readDrawing(plan);
  getDocManReactor()->enableOverrules();  // reading a file switched them off
  ASSERT_TRUE(displayOverrulesOn());
  OdDbBlockTableRecordPtr modelSpace = ordinary->getModelSpaceId().safeOpenObject();
  OdDbObjectId ordinaryReference = modelSpace->entityIds().back();
  highlight(ordinaryReference, true);
  EXPECT_TRUE(isHighlighted(ordinaryReference));
}
