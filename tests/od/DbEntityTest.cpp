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
#include <map>
#include <numbers>

namespace {

using namespace entity_test;

constexpr double kDegree = std::numbers::pi / 180;

OdDbEntityPtr entityAt(OdDbDatabase* db, uint64_t handle) { return byHandle<OdDbEntity>(db, handle); }

// The common groups of real drawings' entities as read and written back: a
// reader that drops or misplaces one writes something else.
TEST(DbEntity, CommonGroupsOfRealDrawingsAreReadAndWrittenBack) {
  SKIP_WITHOUT_TESTDATA();
  const struct {
    const char* file;
    uint64_t handle;
    std::vector<std::pair<int, std::string>> groups;
  } cases[] = {
      // A true colour keeps the index the file gave beside it, not the nearest one, and its colour book.
      {"pairs/twin_ascii_vs_binary_AC1024/a.dxf", 0x99F, {{62, "42"}, {420, "14848000"}, {430, "RAL CLASSIC$RAL 1006"}}},
      {"pairs/twin_ascii_vs_binary_AC1024/a.dxf", 0x432, {{440, "33554534"}}},  // transparency by alpha
      {"pairs/twin_ascii_vs_binary_AC1024/a.dxf", 0x29A, {{62, "230"}, {48, "2.0"}, {420, "16059027"}}},
      {"dxf/api_cw750_curtainwall_details_AC1027.dxf", 0xBA6E, {{8, "FG-Dim"}, {370, "-2"}, {440, "16777216"}}},
      {"dxf/api_cw750_curtainwall_details_AC1027.dxf", 0x43C3, {{6, "CENTER"}}},
      {"dxf/api_cw750_curtainwall_details_AC1027.dxf", 0x2E94, {{67, "1"}}},  // paper space
      {"dxf/example_2007_AC1021.dxf", 0x513, {{8, "Defpoints"}, {62, "8"}, {370, "0"}, {60, "1"}}},
      {"dxf/ceco_architecture_AC1015.dxf", 0xCDD, {{8, "Ceco.NET 53"}, {48, "0.3"}}},
      // dxflib writes layer, colour, lineweight and linetype inside the AcDbLine section.
      {"dxf/gost_sheet_A1_cyrillic_escapes_AC1015.dxf", 0x43, {{370, "50"}}},
  };
  std::map<std::string, std::vector<Record>> written;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " " + OdDbHandle(c.handle).text());
    auto& records = written[c.file];
    if (records.empty()) records = recordsOf(odDxfWriteString(readDrawing(c.file).get()));
    size_t at = findRecord(records, c.handle);
    ASSERT_LT(at, records.size());
    const Record& r = records[at];
    for (const auto& [code, value] : c.groups) EXPECT_EQ(r.value(code), value) << code;
  }
}

TEST(DbEntity, ColoursTransparenciesAndSpacesAsTheApiGivesThem) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr twin = readDrawing("pairs/twin_ascii_vs_binary_AC1024/a.dxf");
  OdCmColor color = entityAt(twin.get(), 0x99F)->color();
  EXPECT_TRUE(color.isByColor());
  EXPECT_EQ(color.red(), 0xE2);  // 14848000 = 0xE29000
  EXPECT_EQ(color.blue(), 0x00);
  EXPECT_EQ(color.colorName(), OdString("RAL 1006"));
  EXPECT_EQ(color.bookName(), OdString("RAL CLASSIC"));
  EXPECT_EQ(entityAt(twin.get(), 0x432)->transparency().alpha(), 0x66);  // 33554534 = 0x02000066

  OdDbDatabasePtr api = readDrawing("dxf/api_cw750_curtainwall_details_AC1027.dxf");
  OdDbEntityPtr byBlock = entityAt(api.get(), 0xBA6E);
  EXPECT_EQ(byBlock->transparency().method(), OdCmTransparency::kByBlock);
  EXPECT_EQ(byBlock->lineWeight(), OdDb::kLnWtByBlock);
  OdDbEntityPtr inPaperSpace = entityAt(api.get(), 0x2E94);
  EXPECT_TRUE(inPaperSpace->isInPaperSpace());
  EXPECT_EQ(inPaperSpace->blockId(), api->getPaperSpaceId());
  EXPECT_EQ(entityAt(readDrawing("dxf/example_2007_AC1021.dxf").get(), 0x513)->visibility(), OdDb::kInvisible);
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
  EXPECT_LT(b->endPoint().distanceTo(a->startPoint()), 1e-12);
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
  EXPECT_LT(large->startPoint().distanceTo({16, 12, 0}), 1e-12);
  EXPECT_LT(large->endPoint().distanceTo({12, 16, 0}), 1e-12);
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
  EXPECT_LT(arc->startPoint().distanceTo({-2, 0, 0}), 1e-12);
  EXPECT_LT(arc->endPoint().distanceTo({-1, 1, 0}), 1e-12);
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
