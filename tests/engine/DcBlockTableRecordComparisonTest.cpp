#include "module/ModuleTestSupport.h"

#include "DbBlockReference.h"
#include "DbRasterImage.h"
#include "DbRotatedDimension.h"
#include "DcBlockTableRecordComparison.h"
#include "DcComparisonManager.h"
#include "HostDocManager.h"

using namespace dwgcompare;

namespace {
void addDimensionAndImage(OdDbDatabase* db) {
  OdDbBlockTableRecordPtr modelSpace = modelSpaceOf(db);
  addTo<OdDbRasterImage>(modelSpace.get());
  addTo<OdDbRasterImage>(modelSpace.get());
  addTo<OdDbRotatedDimension>(modelSpace.get());
  addReference(modelSpace.get(), addBlock(db, "MARKER")->objectId(), OdGePoint3d(0, 0, 0));
}
}  // namespace

using DcBlockTableRecordComparisonTest = LoadedModuleFixture;

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
