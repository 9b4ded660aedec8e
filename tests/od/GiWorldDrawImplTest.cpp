#include "GiExtents.h"
#include "GiWorldDrawImpl.h"
#include "TestDrawing.h"

#include <gtest/gtest.h>

namespace {

class DrawingFixture : public ::testing::Test {
 protected:
  RecordingSink draw() { return drawModelSpace(db.get()); }

  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDbBlockTableRecordPtr ms = modelSpaceOf(db.get());
  OdDbObjectId red = addLayer(db.get(), "RED", 1);
};

TEST_F(DrawingFixture, ColoursResolveByLayerAndByIndex) {
  OdDbLinePtr byLayer = addLine(ms.get(), {0, 0, 0}, {1, 0, 0});
  byLayer->setLayer(red);
  OdDbLinePtr blue = addLine(ms.get(), {0, 1, 0}, {1, 1, 0});
  blue->setColorIndex(5);
  auto traits = draw().polylineTraits;
  ASSERT_EQ(traits.size(), 2u);
  EXPECT_EQ(traits[0].rgb, 0xFF0000u);
  EXPECT_EQ(traits[1].rgb, 0x0000FFu);
}

TEST_F(DrawingFixture, BlockContentsTakeByBlockColourAndLayerZeroFromTheReference) {
  OdDbBlockTableRecordPtr block = addBlock(db.get(), "PART");
  OdDbLinePtr byBlock = addLine(block.get(), {0, 0, 0}, {1, 0, 0});
  byBlock->setColorIndex(0);
  addLine(block.get(), {0, 0, 0}, {0, 1, 0});  // layer "0", by layer
  OdDbBlockReferencePtr ref = addReference(ms.get(), block->objectId(), OdGePoint3d(10, 0, 0));
  ref->setLayer(red);
  ref->setColorIndex(3);
  auto sink = draw();
  ASSERT_EQ(sink.polylines.size(), 2u);
  EXPECT_EQ(sink.polylineTraits[0].rgb, 0x00FF00u);  // by block: the reference's green
  EXPECT_EQ(sink.polylines[0].front(), OdGePoint3d(10, 0, 0));
  EXPECT_EQ(sink.polylineTraits[1].rgb, 0xFF0000u);  // layer "0" takes the reference's layer RED
  EXPECT_EQ(sink.polylineTraits[1].layer, red.stub());
}

TEST_F(DrawingFixture, HiddenLayersAndInvisibleEntitiesAreNotDrawnButOffLayersCountForExtents) {
  OdDbObjectId off = addLayer(db.get(), "OFF", 2);
  OdDbLayerTableRecordPtr offLayer = OdDbLayerTableRecord::cast(off.openObject(OdDb::kForWrite).get());
  offLayer->setIsOff(true);
  OdDbLinePtr onOff = addLine(ms.get(), {0, 0, 0}, {100, 0, 0});
  onOff->setLayer(off);
  OdDbLinePtr invisible = addLine(ms.get(), {0, 0, 0}, {0, 200, 0});
  invisible->setVisibility(OdDb::kInvisible);
  addLine(ms.get(), {0, 0, 0}, {5, 5, 0});
  EXPECT_EQ(draw().polylines.size(), 1u);
  OdGeExtents3d extents = odGiBlockExtents(ms.get());
  ASSERT_TRUE(extents.isValidExtents());
  EXPECT_EQ(extents.maxPoint(), OdGePoint3d(100, 5, 0));
}

TEST_F(DrawingFixture, TransparencyByAlphaReachesThePrimitive) {
  OdDbLinePtr line = addLine(ms.get(), {0, 0, 0}, {1, 0, 0});
  line->setTransparency(OdCmTransparency(uint8_t(127)));
  auto traits = draw().polylineTraits;
  ASSERT_EQ(traits.size(), 1u);
  EXPECT_EQ(traits[0].alpha, 127);
}

}  // namespace

TEST(WorldDrawView, ViewReachesNestedContentsInTheirOwnCoordinates) {
  RecordingSink sink;
  OdGiWorldDrawImpl draw(sink);
  OdGeExtents2d rect;
  EXPECT_EQ(draw.pixelSize(), 0);
  EXPECT_FALSE(draw.visibleRect(rect));
  draw.setView(OdGeExtents2d({0, 0}, {100, 50}), 0.5);
  // Block contents at twice the size, shifted by 10 along X.
  OdGeMatrix3d placed = OdGeMatrix3d().setToTranslation({10, 0, 0}) * OdGeMatrix3d().setToScaling(2);
  draw.geometry().pushModelTransform(placed);
  EXPECT_DOUBLE_EQ(draw.pixelSize(), 0.25);
  ASSERT_TRUE(draw.visibleRect(rect));
  EXPECT_NEAR(rect.minPoint().x, -5, 1e-12);
  EXPECT_NEAR(rect.minPoint().y, 0, 1e-12);
  EXPECT_NEAR(rect.maxPoint().x, 45, 1e-12);
  EXPECT_NEAR(rect.maxPoint().y, 25, 1e-12);
  // Tilted out of the XY plane, no rectangle of the contents' plane is what the view shows.
  draw.geometry().pushModelTransform(OdGeMatrix3d().setToRotation(0.5, OdGeVector3d::kXAxis));
  EXPECT_FALSE(draw.visibleRect(rect));
}
