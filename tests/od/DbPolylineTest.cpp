// Lightweight polylines (LWPOLYLINE): vertices, bulges and widths as real
// drawings give them, written back, and edited through the API.

#include "DbPolyline.h"
#include "EntityTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace entity_test;

struct ExpectedVertex {
  double x, y, bulge, startWidth, endWidth;
};

void expectVertices(const OdDbPolyline* pl, const std::vector<ExpectedVertex>& expected) {
  ASSERT_EQ(pl->numVerts(), expected.size());
  for (unsigned i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("vertex " + std::to_string(i));
    EXPECT_DOUBLE_EQ(pl->getPointAt(i).x, expected[i].x);
    EXPECT_DOUBLE_EQ(pl->getPointAt(i).y, expected[i].y);
    EXPECT_DOUBLE_EQ(pl->getBulgeAt(i), expected[i].bulge);
    double start = -1, end = -1;
    pl->getWidthsAt(i, start, end);
    EXPECT_DOUBLE_EQ(start, expected[i].startWidth);
    EXPECT_DOUBLE_EQ(end, expected[i].endWidth);
  }
}

// A closed two-vertex polyline of two half circles (a round dimension marker) with a constant width.
const std::vector<ExpectedVertex> kFloorplan1499 = {
    {41.50546235391265, -212.9296218168299, -1.0, 0.782700154027225, 0.782700154027225},
    {40.72276219988544, -212.9296218168299, -1.0, 0.782700154027225, 0.782700154027225},
};

// Widths per vertex (40, 41 on every vertex, most of them 0) and bulges on the first two segments.
const std::vector<ExpectedVertex> kTwin2E5 = {
    {35.30083172412064, 5.700745689844573, 2.127776220378056, 0, 0},
    {39.65196771126439, 5.700745689844573, 0.3079358491434644, 0, 0},
    {38.34662690307992, 11.099127218258, 0, 0, 0},
    {35.66342633954374, 8.744128560494658, 0, 0, 0},
    {38.04641845042544, 8.330067202309187, 0, 3.669609517619411, 5.080563928030537},
};

// Read, written back (the constant width alone, without widths per vertex),
// then one segment's widths set: the other keeps the constant width.
TEST(DbPolyline, ConstantWidthAndBulgesOfARealDrawing) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing(testdata::kFloorPlan);
  OdDbPolylinePtr pl = byHandle<OdDbPolyline>(db.get(), 0x1499);
  ASSERT_TRUE(pl);
  EXPECT_TRUE(pl->isClosed());
  EXPECT_DOUBLE_EQ(pl->constantWidth(), 0.782700154027225);
  expectVertices(pl.get(), kFloorplan1499);
  Record r = writtenRecord(db.get(), 0x1499);
  ASSERT_EQ(r.name, "LWPOLYLINE");
  EXPECT_EQ(r.value(90), "2");
  EXPECT_DOUBLE_EQ(r.number(43), 0.782700154027225);
  EXPECT_FALSE(r.has(40) || r.has(41));
  EXPECT_EQ(r.values(42).size(), 2u);

  pl->setWidthsAt(1, 0.2, 0.4);
  OdDbDatabasePtr reopened = saveAndReopen(db.get());
  OdDbPolylinePtr read = byHandle<OdDbPolyline>(reopened.get(), 0x1499);
  ASSERT_TRUE(read);
  expectVertices(read.get(), {kFloorplan1499[0], {40.72276219988544, -212.9296218168299, -1.0, 0.2, 0.4}});
}

// Read, written back (zero widths the file gave stay: every vertex keeps its
// pair), then a constant width set in place of the widths per vertex.
TEST(DbPolyline, WidthsPerVertexAndBulgesOfARealDrawing) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("pairs/twin_ascii_vs_binary_AC1024/a.dxf");
  OdDbPolylinePtr pl = byHandle<OdDbPolyline>(db.get(), 0x2E5);
  ASSERT_TRUE(pl);
  EXPECT_FALSE(pl->isClosed());
  EXPECT_TRUE(pl->hasWidth());
  expectVertices(pl.get(), kTwin2E5);
  Record r = writtenRecord(db.get(), 0x2E5);
  ASSERT_EQ(r.name, "LWPOLYLINE");
  EXPECT_FALSE(r.has(43));
  EXPECT_EQ((std::vector<size_t>{r.values(40).size(), r.values(41).size(), r.values(42).size()}),
            (std::vector<size_t>{5, 5, 2}));
  EXPECT_DOUBLE_EQ(r.number(41, 4), 5.080563928030537);

  pl->setConstantWidth(0.25);
  EXPECT_FALSE(pl->hasWidth());
  r = writtenRecord(db.get(), 0x2E5);
  EXPECT_EQ(r.number(43), 0.25);
  EXPECT_FALSE(r.has(40));
  EXPECT_EQ(r.values(42).size(), 2u);  // bulges untouched
}

TEST(DbPolyline, CountInTheFileDoesNotLimitTheVertices) {
  // The vertices themselves are what counts; a wrong count must not drop any.
  const std::string text = drawingWithEntities(
      "AC1015",
      "0\nLWPOLYLINE\n5\n31\n100\nAcDbEntity\n8\n0\n100\nAcDbPolyline\n90\n2\n70\n1\n"
      "10\n0\n20\n0\n10\n4\n20\n0\n42\n0.5\n10\n4\n20\n3\n");
  OdDbDatabasePtr db = odDxfReadBuffer(text, OdString("count.dxf"));
  OdDbPolylinePtr pl = byHandle<OdDbPolyline>(db.get(), 0x31);
  ASSERT_TRUE(pl);
  ASSERT_EQ(pl->numVerts(), 3u);
  EXPECT_EQ(pl->getBulgeAt(1), 0.5);
  EXPECT_EQ(pl->getPointAt(2), OdGePoint2d(4, 3));
  EXPECT_EQ(writtenRecord(db.get(), 0x31).value(90), "3");
}

TEST(DbPolyline, AddingAVertexWithItsOwnWidthKeepsTheConstantWidthOfTheOthers) {
  OdDbPolylinePtr pl = OdDbPolyline::createObject();
  pl->addVertexAt(0, OdGePoint2d(0, 0));
  pl->addVertexAt(1, OdGePoint2d(1, 0));
  pl->setConstantWidth(0.3);
  pl->addVertexAt(2, OdGePoint2d(2, 0), 0, 1.0, 2.0);
  expectVertices(pl.get(), {{0, 0, 0, 0.3, 0.3}, {1, 0, 0, 0.3, 0.3}, {2, 0, 0, 1, 2}});
}

}  // namespace
