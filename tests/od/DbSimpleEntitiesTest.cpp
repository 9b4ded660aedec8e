// Splines, solids, traces and 3D faces, and
// modelled regions, as real drawings give them (what saving and reopening
// keeps, every real drawing's second save shows).

#include "DbFace.h"
#include "DbRegion.h"
#include "DbSolid.h"
#include "DbSpline.h"
#include "DbTrace.h"
#include "EntityTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace entity_test;

TEST(DbSimpleEntities, BuiltRationalSplineKeepsItsWeights) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDbSplinePtr spline = OdDbSpline::createObject();
  // A quarter circle as a rational quadratic.
  spline->setNurbsData(2, true, false, false, {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {0, 0, 0, 1, 1, 1},
                       {1, 0.7071067811865476, 1});
  OdDbObjectId id = addToModelSpace(db.get(), spline.get());
  // Other programs read the knots, control points and fit points by these counts.
  Record r = writtenRecord(db.get(), id.getHandle());
  EXPECT_EQ(r.value(72) + " " + r.value(73) + " " + r.value(74), "6 3 0");
  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdDbSplinePtr read = byHandle<OdDbSpline>(again.get(), id.getHandle());
  ASSERT_TRUE(read);
  EXPECT_TRUE(read->isRational());
  EXPECT_EQ(read->weights(), (std::vector<double>{1, 0.7071067811865476, 1}));
  EXPECT_EQ(read->knots(), (std::vector<double>{0, 0, 0, 1, 1, 1}));
}

TEST(DbSimpleEntities, SolidTraceAndFaceOfAnR10File) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/r10_entities_AC1006.dxf");
  auto traces = entitiesOf<OdDbTrace>(db.get());
  OdDbTracePtr trace, solid;
  for (const auto& t : traces) (OdDbSolid::cast(t.get()) ? solid : trace) = t;
  ASSERT_TRUE(trace && solid);
  EXPECT_EQ(trace->getPointAt(3), OdGePoint3d(2.070711, 5.929289, 0));
  EXPECT_EQ(solid->getPointAt(2), OdGePoint3d(7, 3, 0));
  EXPECT_THROW(solid->getPointAt(4), OdError);
  auto faces = entitiesOf<OdDbFace>(db.get());
  ASSERT_EQ(faces.size(), 1u);
  EXPECT_EQ(faces[0]->getVertexAt(3), OdGePoint3d(2, 8, 0));
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(faces[0]->isEdgeVisibleAt(i));

  // Each is written as the record it came from.
  OdDbDatabasePtr again = saveAndReopen(db.get());
  auto traces2 = entitiesOf<OdDbTrace>(again.get());
  ASSERT_EQ(traces2.size(), traces.size());
  size_t solids = 0;
  for (const auto& t : traces2) solids += OdDbSolid::cast(t.get()) ? 1 : 0;
  EXPECT_EQ(solids, traces.size() - 1);
}

TEST(DbSimpleEntities, RegionKeepsItsModelerDataLineForLine) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/example_2007_AC1021.dxf");
  OdDbRegionPtr region = byHandle<OdDbRegion>(db.get(), 0x176);
  ASSERT_TRUE(region);
  EXPECT_FALSE(region->isNull());
  EXPECT_EQ(region->modelerData().version(), 1);
  auto lines = region->modelerData().satLines();
  ASSERT_GT(lines.size(), 10u);
  EXPECT_EQ(lines[0].utf8(), "mnmoo mh m mi          ");  // trailing blanks are data
}

}  // namespace
