// What every entity has (layer, colour, linetype, lineweight, linetype
// scale, transparency, visibility, space) as real drawings give it, written
// back and set through the API; and the angles of arcs and ellipses.

#include "DbArc.h"
#include "DbCircle.h"
#include "DbEllipse.h"
#include "DbLine.h"
#include "DbPoint.h"
#include "DbPolyline.h"
#include "DbSolid.h"
#include "DbSymbolTable.h"
#include "EntityTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace entity_test;

constexpr double kDegree = std::numbers::pi / 180;

OdDbEntityPtr entityAt(OdDbDatabase* db, uint64_t handle) { return byHandle<OdDbEntity>(db, handle); }

TEST(DbEntity, TrueColourKeepsTheIndexAndTheColourBookTheFileGave) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("pairs/twin_ascii_vs_binary_AC1024/a.dxf");
  OdDbEntityPtr circle = entityAt(db.get(), 0x99F);
  ASSERT_TRUE(circle);
  EXPECT_TRUE(circle->entityColor().isByColor());
  OdCmColor color = circle->color();
  EXPECT_EQ(color.red(), 0xE2);  // 14848000 = 0xE29000
  EXPECT_EQ(color.green(), 0x90);
  EXPECT_EQ(color.blue(), 0x00);
  EXPECT_EQ(color.colorName(), OdString("RAL 1006"));
  EXPECT_EQ(color.bookName(), OdString("RAL CLASSIC"));

  Record r = writtenRecord(db.get(), 0x99F);
  EXPECT_EQ(r.value(62), "42");  // the file's index, not the nearest one computed anew
  EXPECT_EQ(r.value(420), "14848000");
  EXPECT_EQ(r.value(430), "RAL CLASSIC$RAL 1006");

  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdDbEntityPtr read = entityAt(again.get(), 0x99F);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->color(), color);
  EXPECT_EQ(writtenRecord(again.get(), 0x99F).value(62), "42");
}

TEST(DbEntity, IndexColourSetOverATrueColourDropsItsColourBook) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("pairs/twin_ascii_vs_binary_AC1024/a.dxf");
  OdDbEntityPtr circle = entityAt(db.get(), 0x99F);
  ASSERT_TRUE(circle);
  circle->setColorIndex(3);
  EXPECT_EQ(circle->colorIndex(), 3);
  EXPECT_TRUE(circle->color().colorName().isEmpty());
  Record r = writtenRecord(db.get(), 0x99F);
  EXPECT_EQ(r.value(62), "3");
  EXPECT_FALSE(r.has(420));
  EXPECT_FALSE(r.has(430));
  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdCmColor read = entityAt(again.get(), 0x99F)->color();
  EXPECT_TRUE(read.isByACI());
  EXPECT_EQ(read.colorIndex(), 3);
  EXPECT_TRUE(read.bookName().isEmpty());
}

TEST(DbEntity, TransparencyByAlphaAndByBlock) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr twin = readDrawing("pairs/twin_ascii_vs_binary_AC1024/a.dxf");
  OdDbEntityPtr solid = entityAt(twin.get(), 0x432);
  ASSERT_TRUE(solid);
  EXPECT_TRUE(OdDbSolid::cast(solid.get()));
  EXPECT_TRUE(solid->transparency().isByAlpha());
  EXPECT_EQ(solid->transparency().alpha(), 0x66);  // 33554534 = 0x02000066
  EXPECT_EQ(writtenRecord(twin.get(), 0x432).value(440), "33554534");

  OdDbDatabasePtr api = readDrawing("dxf/api_cw750_curtainwall_details_AC1027.dxf");
  OdDbEntityPtr line = entityAt(api.get(), 0xBA6E);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->transparency().method(), OdCmTransparency::kByBlock);
  EXPECT_EQ(line->lineWeight(), OdDb::kLnWtByBlock);
  EXPECT_EQ(line->layer(), OdString("FG-Dim"));
  Record r = writtenRecord(api.get(), 0xBA6E);
  EXPECT_EQ(r.value(440), "16777216");
  EXPECT_EQ(r.value(370), "-2");
}

TEST(DbEntity, InvisibleEntityWithItsOwnLineweightAndColour) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/example_2007_AC1021.dxf");
  OdDbEntityPtr line = entityAt(db.get(), 0x513);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->visibility(), OdDb::kInvisible);
  EXPECT_EQ(line->lineWeight(), 0);
  EXPECT_EQ(line->colorIndex(), 8);
  EXPECT_EQ(line->layer(), OdString("Defpoints"));
  Record r = writtenRecord(db.get(), 0x513);
  EXPECT_EQ(r.value(60), "1");
  EXPECT_EQ(r.value(370), "0");
  EXPECT_EQ(r.value(62), "8");
  OdDbDatabasePtr again = saveAndReopen(db.get());
  EXPECT_EQ(entityAt(again.get(), 0x513)->visibility(), OdDb::kInvisible);
}

TEST(DbEntity, LinetypeAndLinetypeScale) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr api = readDrawing("dxf/api_cw750_curtainwall_details_AC1027.dxf");
  OdDbEntityPtr line = entityAt(api.get(), 0x43C3);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->linetype(), OdString("CENTER"));
  EXPECT_EQ(writtenRecord(api.get(), 0x43C3).value(6), "CENTER");

  OdDbDatabasePtr ceco = readDrawing("dxf/ceco_architecture_AC1015.dxf");
  OdDbEntityPtr pl = entityAt(ceco.get(), 0xCDD);
  ASSERT_TRUE(pl);
  EXPECT_EQ(pl->linetypeScale(), 0.3);
  EXPECT_EQ(pl->layer(), OdString("Ceco.NET 53"));
  EXPECT_TRUE(pl->linetype().isEmpty() || pl->linetype().iCompare(OdString("ByLayer")) == 0);

  OdDbDatabasePtr twin = readDrawing("pairs/twin_ascii_vs_binary_AC1024/a.dxf");
  OdDbPointPtr point = byHandle<OdDbPoint>(twin.get(), 0x29A);
  ASSERT_TRUE(point);
  EXPECT_EQ(point->linetypeScale(), 2.0);
  EXPECT_EQ(point->position(), OdGePoint3d(1.494404150136851, 3.714976617864948, 0));
  Record r = writtenRecord(twin.get(), 0x29A);
  EXPECT_EQ(r.number(48), 2.0);
  EXPECT_EQ(r.value(62), "230");
  EXPECT_EQ(r.value(420), "16059027");
}

TEST(DbEntity, CommonGroupsWrittenAfterTheSubclassMarkerStillApply) {
  SKIP_WITHOUT_TESTDATA();
  // dxflib writes layer, colour, lineweight and linetype inside the AcDbLine section.
  OdDbDatabasePtr db = readDrawing("dxf/gost_sheet_A1_cyrillic_escapes_AC1015.dxf");
  OdDbLinePtr line = byHandle<OdDbLine>(db.get(), 0x43);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->lineWeight(), 50);
  EXPECT_EQ(line->linetype().iCompare(OdString("CONTINUOUS")), 0);
  EXPECT_EQ(line->startPoint(), OdGePoint3d(657, 35, 0));
  EXPECT_EQ(line->endPoint(), OdGePoint3d(657, 60, 0));
  OdDbDatabasePtr again = saveAndReopen(db.get());
  EXPECT_EQ(byHandle<OdDbLine>(again.get(), 0x43)->lineWeight(), 50);
}

TEST(DbEntity, PaperSpaceEntities) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/api_cw750_curtainwall_details_AC1027.dxf");
  OdDbLinePtr line = byHandle<OdDbLine>(db.get(), 0x2E94);
  ASSERT_TRUE(line);
  EXPECT_TRUE(line->isInPaperSpace());
  EXPECT_EQ(line->blockId(), db->getPaperSpaceId());
  EXPECT_EQ(writtenRecord(db.get(), 0x2E94).value(67), "1");
  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdDbLinePtr read = byHandle<OdDbLine>(again.get(), 0x2E94);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->blockId(), again->getPaperSpaceId());
  EXPECT_EQ(read->endPoint(), OdGePoint3d(15.25, 9.998876746730903, 0));
}

TEST(DbEntity, UnknownLayerIsRefusedAndATrueColourIsWrittenWithItsNearestIndex) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDbLinePtr line = OdDbLine::createObject();
  OdDbObjectId id = addToModelSpace(db.get(), line.get());
  EXPECT_FALSE(line->setLayer(OdString("No such layer")));
  EXPECT_EQ(line->layer(), OdString("0"));
  OdCmColor color;
  color.setRGB(10, 20, 30);
  line->setColor(color);
  Record r = writtenRecord(db.get(), id.getHandle());
  EXPECT_EQ(r.value(62), std::to_string(OdCmEntityColor::nearestIndex(10, 20, 30)));
  EXPECT_EQ(r.value(420), std::to_string((10 << 16) | (20 << 8) | 30));
}

TEST(DbEntity, DefaultsAreLeftOutOfTheFile) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDbCirclePtr circle = OdDbCircle::createObject();
  circle->setRadius(1);
  OdDbObjectId id = addToModelSpace(db.get(), circle.get());
  Record r = writtenRecord(db.get(), id.getHandle());
  EXPECT_EQ(r.value(8), "0");
  for (int code : {62, 420, 370, 48, 60, 440, 67}) EXPECT_FALSE(r.has(code)) << code;
}

// ---------------------------------------------------------------- angles of arcs and ellipses

TEST(DbEntity, ArcAnglesAreRadians) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing(testdata::kKinetics);
  OdDbArcPtr a = byHandle<OdDbArc>(db.get(), 0x46), b = byHandle<OdDbArc>(db.get(), 0x47);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->center(), OdGePoint3d(1.73832766405, -0.989048498506, 0));
  EXPECT_EQ(a->radius(), 2.0);
  EXPECT_DOUBLE_EQ(a->startAngle(), std::numbers::pi / 2);
  EXPECT_DOUBLE_EQ(a->endAngle(), 150.361616312 * kDegree);
  EXPECT_DOUBLE_EQ(a->totalAngle(), (150.361616312 - 90) * kDegree);
  EXPECT_EQ(a->lineWeight(), 60);
  // The two arcs meet at 90 degrees: one ends where the other starts.
  EXPECT_NEAR(b->endPoint().x, a->startPoint().x, 1e-12);
  EXPECT_NEAR(b->endPoint().y, a->startPoint().y, 1e-12);
  EXPECT_NEAR(a->startPoint().y, -0.989048498506 + 2, 1e-12);
}

TEST(DbEntity, ArcsRunningOverZeroDegrees) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr gost = readDrawing("dxf/gost_sheet_A1_cyrillic_escapes_AC1015.dxf");
  OdDbArcPtr small = byHandle<OdDbArc>(gost.get(), 0x63);
  ASSERT_TRUE(small);
  EXPECT_DOUBLE_EQ(small->startAngle(), 329.9898623596816947 * kDegree);
  EXPECT_DOUBLE_EQ(small->endAngle(), 30.0101376403181348 * kDegree);
  EXPECT_NEAR(small->totalAngle(), (30.0101376403181348 + 360 - 329.9898623596816947) * kDegree, 1e-12);
  EXPECT_NEAR(small->length(), 5.3252957026099379 * small->totalAngle(), 1e-12);

  OdDbDatabasePtr scad = readDrawing("dxf/openscad_example009_dxflib_AC1015.dxf");
  OdDbArcPtr large = byHandle<OdDbArc>(scad.get(), 0x56);
  ASSERT_TRUE(large);
  EXPECT_NEAR(large->totalAngle(), 1.5 * std::numbers::pi, 1e-12);
  EXPECT_NEAR(large->startPoint().x, 16, 1e-12);
  EXPECT_NEAR(large->startPoint().y, 12, 1e-12);
  EXPECT_NEAR(large->endPoint().x, 12, 1e-12);
  EXPECT_NEAR(large->endPoint().y, 16, 1e-12);
}

TEST(DbEntity, ArcAnglesSetInRadiansAreWrittenInDegrees) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDbArcPtr arc = OdDbArc::createObject();
  arc->setCenter(OdGePoint3d(0, 0, 0));
  arc->setRadius(2);
  arc->setStartAngle(std::numbers::pi / 6);
  arc->setEndAngle(-std::numbers::pi / 2);
  OdDbObjectId id = addToModelSpace(db.get(), arc.get());
  Record r = writtenRecord(db.get(), id.getHandle());
  EXPECT_NEAR(r.number(50), 30.0, 1e-12);
  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdDbArcPtr read = byHandle<OdDbArc>(again.get(), id.getHandle());
  ASSERT_TRUE(read);
  EXPECT_NEAR(read->totalAngle(), 4 * std::numbers::pi / 3, 1e-12);  // counter-clockwise from 30 to 270 degrees
  EXPECT_NEAR(read->endPoint().y, -2, 1e-12);
}

TEST(DbEntity, ArcFacingDownHasItsEndsMirrored) {
  OdDbArcPtr arc = OdDbArc::createObject();
  arc->setCenter(OdGePoint3d(1, 0, 0));
  arc->setRadius(1);
  arc->setNormal(OdGeVector3d(0, 0, -1));
  arc->setStartAngle(0);
  arc->setEndAngle(std::numbers::pi / 2);
  // Object x is world -x: the centre is at world (-1, 0) and the arc turns clockwise seen from above.
  EXPECT_NEAR(arc->startPoint().x, -2, 1e-12);
  EXPECT_NEAR(arc->startPoint().y, 0, 1e-12);
  EXPECT_NEAR(arc->endPoint().x, -1, 1e-12);
  EXPECT_NEAR(arc->endPoint().y, 1, 1e-12);
}

TEST(DbEntity, FullEllipseOfARealDrawing) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/example_2007_AC1021.dxf");
  OdDbEllipsePtr ellipse = byHandle<OdDbEllipse>(db.get(), 0x170);
  ASSERT_TRUE(ellipse);
  EXPECT_EQ(ellipse->center(), OdGePoint3d(3532.16682102557, 2904.260916516109, 0));
  EXPECT_EQ(ellipse->majorAxis(), OdGeVector3d(-1220.865643219909, 355.8017603696389, 0));
  EXPECT_EQ(ellipse->radiusRatio(), 0.5120328285529597);
  EXPECT_EQ(ellipse->startParam(), 0.0);
  EXPECT_EQ(ellipse->endParam(), 6.283185307179586);
  EXPECT_TRUE(ellipse->isClosed());
  EXPECT_NEAR(ellipse->minorRadius(), ellipse->majorRadius() * 0.5120328285529597, 1e-9);
  // The minor axis is square to the major one, in the plane of the normal.
  EXPECT_NEAR(ellipse->minorAxis().dotProduct(ellipse->majorAxis()), 0, 1e-6);
  EXPECT_NEAR(ellipse->startPoint().x, 3532.16682102557 - 1220.865643219909, 1e-9);
}

}  // namespace
