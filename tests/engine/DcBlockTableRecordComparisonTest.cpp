#include "module/ModuleTestSupport.h"

#include "DbBlockReference.h"
#include "DbLayout.h"
#include "DbRasterImage.h"
#include "DbRotatedDimension.h"
#include "DcBlockTableRecordComparison.h"
#include "DcComparisonManager.h"
#include "HostDocManager.h"

using namespace dwgcompare;

namespace {
// Hears a comparison's run, and may ask to be dropped after its end.
class RecordingComparisonReactor : public DcBlockTableRecordComparisonReactor {
 public:
  RecordingComparisonReactor(std::vector<std::string>& log, std::string name, bool finished)
      : m_log(log), m_name(std::move(name)), m_finished(finished) {}
  void onComparisonStarted(DcBlockTableRecordComparison*) override { m_log.push_back(m_name + " started"); }
  void onComparisonEnded(DcBlockTableRecordComparison*) override { m_log.push_back(m_name + " ended"); }
  void onComparisonAborted(DcBlockTableRecordComparison*) override { m_log.push_back(m_name + " aborted"); }
  bool isFinished(DcBlockTableRecordComparison*) override { return m_finished; }

 private:
  std::vector<std::string>& m_log;
  std::string m_name;
  bool m_finished;
};

OdDbIdMappingPtr mappingOf(OdDbDatabase* db) {
  OdDbIdMappingPtr mapping = OdDbIdMapping::createObject();
  OdDbBlockTableRecordPtr modelSpace = db->getModelSpaceId().safeOpenObject();
  for (const OdDbObjectId& id : modelSpace->entityIds()) mapping->assign(OdDbIdPair(id, id, true));
  return mapping;
}

void addDimensionAndImage(OdDbDatabase* db) {
  OdDbBlockTableRecordPtr modelSpace = modelSpaceOf(db);
  addTo<OdDbRasterImage>(modelSpace.get());
  addTo<OdDbRasterImage>(modelSpace.get());
  addTo<OdDbRotatedDimension>(modelSpace.get());
  addReference(modelSpace.get(), addBlock(db, "MARKER")->objectId(), OdGePoint3d(0, 0, 0));
}
}  // namespace

using DcBlockTableRecordComparisonTest = LoadedModuleFixture;

TEST_F(DcBlockTableRecordComparisonTest, NameAndLayoutFollowTheBlockTableRecord) {
  DcBlockTableRecordComparisonPtr comparison = DcBlockTableRecordComparison::createObject();
  DcBlockTableRecordComparisonImpl* impl = comparisonImpl(comparison.get());
  EXPECT_TRUE(comparison->name().isEmpty());
  EXPECT_TRUE(comparison->layoutId().isNull());
  OdDbDatabasePtr db = OdDbDatabase::create();
  impl->setBlockTableRecordId(db->getModelSpaceId());
  EXPECT_EQ(comparison->name(), OdString("Model"));
  impl->setBlockTableRecordId(addBlock(db.get(), "PLAIN")->objectId());
  EXPECT_EQ(comparison->name(), OdString("PLAIN"));
}

TEST_F(DcBlockTableRecordComparisonTest, ARunNotifiesInOrderAndDropsFinishedReactors) {
  OdDbDatabasePtr db = readDrawing(writeDrawing("a.dxf", {{0, 0, 1, 1}, {0, 0, 1, 1}}));
  DcBlockTableRecordComparisonPtr comparison = DcBlockTableRecordComparison::createObject();
  DcBlockTableRecordComparisonImpl* impl = comparisonImpl(comparison.get());
  std::vector<std::string> log;
  RecordingComparisonReactor done(log, "done", true), staying(log, "staying", false);
  impl->addReactor(&done);
  impl->addReactor(&done);
  impl->addReactor(&staying);

  impl->compareObjects();  // no mappings yet
  EXPECT_EQ(log, (std::vector<std::string>{"done started", "staying started", "done aborted", "staying aborted"}));

  log.clear();
  OdDbIdMappingPtr mapping = mappingOf(db.get());
  impl->expectFile1Mapping();
  impl->onDeepCloneEnded(*mapping);
  impl->expectFile2Mapping();
  impl->onDeepCloneEnded(*mapping);
  impl->compareObjects();
  EXPECT_EQ(log, (std::vector<std::string>{"done started", "staying started", "done ended", "staying ended"}));
  // Two identical lines are two entries of one value.
  ASSERT_EQ(impl->file1Objects().size(), 2u);
  EXPECT_EQ(impl->file1Objects().begin()->first, std::next(impl->file1Objects().begin())->first);

  log.clear();
  impl->compareObjects();
  EXPECT_EQ(log, (std::vector<std::string>{"staying started", "staying ended"}));
  impl->removeReactor(&done);  // never there any more: nothing changes
}

TEST_F(DcBlockTableRecordComparisonTest, ExcludedClassesAreLeftOutAndUnsupportedOnesListedOnce) {
  std::string path = writeDrawing("a.dxf", {{0, 0, 1, 1}}, {}, addDimensionAndImage);
  OdDbDatabasePtr file = readDrawing(path);
  DcComparisonManagerPtr manager = newComparisonManager();
  ASSERT_EQ(manager->compare(file.get(), file.get()), eOk);
  ASSERT_TRUE(app->typeLine("ZOOMALL"));
  DcBlockTableRecordComparisonPtr comparison =
      manager->findComparison(app->docManager().curDocument()->database()->getModelSpaceId());
  DcBlockTableRecordComparisonImpl* impl = comparisonImpl(comparison.get());

  EXPECT_EQ(comparison->unsupportedObjects().size(), 1u);
  EXPECT_EQ(comparison->unsupportedObjects().count("AcDbRasterImage"), 1u);
  EXPECT_EQ(impl->file1Objects().size(), 3u);  // line, dimension, block reference
  // Both block references were clipped to the origin before they were hashed.
  ASSERT_EQ(window().spatialFilters.size(), 2u);
  EXPECT_EQ(window().spatialFilters[1].pointCount, 1);
  for (const auto& [value, object] : impl->file1Objects()) {
    OdDbDimensionPtr dimension = OdDbDimension::cast(object.idPair.value().openObject().get());
    if (dimension.isNull()) continue;
    OdCmColor background;
    int flags = -1;
    dimension->getBgrndTxtColor(background, flags);
    EXPECT_EQ(flags, 0);
    EXPECT_EQ(background.red() + background.green() + background.blue(), 3 * 255);
  }
}
