// What every entity has (layer, colour, linetype, lineweight, linetype
// scale, transparency, visibility, space) as real drawings give it, written
// back and set through the API; and the angles of arcs.

#include "DbArc.h"
#include "DbLine.h"
#include "EntityTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <numbers>

namespace {

using namespace entity_test;

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

TEST(DbEntity, IndexColourSetOverATrueColourDropsItsColourBook) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("pairs/twin_ascii_vs_binary_AC1024/a.dxf");
  OdDbEntityPtr circle = entityAt(db.get(), 0x99F);
  ASSERT_TRUE(circle);
  EXPECT_EQ(circle->color().colorNameForDisplay(), OdString("RAL CLASSIC$RAL 1006"));
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

// ---------------------------------------------------------------- angles of arcs and ellipses

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

}  // namespace
