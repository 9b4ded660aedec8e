// Splines, construction lines and rays, solids, traces and 3D faces, and
// modelled regions, as real drawings give them and after save and reopen.

#include "DbFace.h"
#include "DbRay.h"
#include "DbRegion.h"
#include "DbSolid.h"
#include "DbSpline.h"
#include "DbTrace.h"
#include "DbXline.h"
#include "EntityTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace entity_test;

void expectSpline16E(const OdDbSpline* spline) {
  EXPECT_EQ(spline->degree(), 3);
  EXPECT_TRUE(spline->isPlanar());
  EXPECT_FALSE(spline->isRational());
  EXPECT_FALSE(spline->isClosed());
  ASSERT_EQ(spline->numKnots(), 12);
  EXPECT_EQ(spline->knots()[3], 0.0);
  EXPECT_EQ(spline->knots()[4], 435.9284960592313);
  EXPECT_EQ(spline->knots()[11], 2443.398157005357);
  ASSERT_EQ(spline->numControlPoints(), 8);
  EXPECT_EQ(spline->controlPointAt(2), OdGePoint3d(-393.9544459252916, 1231.131526494542, 0));
  EXPECT_EQ(spline->numFitPoints(), 6);
  EXPECT_EQ(spline->fitPointAt(0), OdGePoint3d(-1160.70828949499, 1466.29959801825, 0));
  EXPECT_EQ(spline->startTangent(), OdGeVector3d(-0.8122360233169471, -0.5833289315868635, 0));
  EXPECT_EQ(spline->endTangent(), OdGeVector3d(-0.0360413721468526, -0.9993502986909906, 0));
  EXPECT_EQ(spline->knotTolerance(), 0.000000001);
  EXPECT_EQ(spline->normal(), OdGeVector3d(0, 0, 1));
  // Clamped: the curve starts on its first control point.
  EXPECT_EQ(spline->startPoint(), OdGePoint3d(-1160.70828949499, 1466.29959801825, 0));
}

TEST(DbSimpleEntities, SplineWithControlAndFitPoints) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/example_2007_AC1021.dxf");
  OdDbSplinePtr spline = byHandle<OdDbSpline>(db.get(), 0x16E);
  ASSERT_TRUE(spline);
  expectSpline16E(spline.get());
  Record r = writtenRecord(db.get(), 0x16E);
  EXPECT_EQ(r.value(72), "12");
  EXPECT_EQ(r.value(73), "8");
  EXPECT_EQ(r.value(74), "6");
  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdDbSplinePtr read = byHandle<OdDbSpline>(again.get(), 0x16E);
  ASSERT_TRUE(read);
  expectSpline16E(read.get());
}

TEST(DbSimpleEntities, BuiltRationalSplineKeepsItsWeights) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDbSplinePtr spline = OdDbSpline::createObject();
  // A quarter circle as a rational quadratic.
  spline->setNurbsData(2, true, false, false, {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {0, 0, 0, 1, 1, 1},
                       {1, 0.7071067811865476, 1});
  OdDbObjectId id = addToModelSpace(db.get(), spline.get());
  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdDbSplinePtr read = byHandle<OdDbSpline>(again.get(), id.getHandle());
  ASSERT_TRUE(read);
  EXPECT_TRUE(read->isRational());
  EXPECT_EQ(read->degree(), 2);
  EXPECT_EQ(read->weights(), (std::vector<double>{1, 0.7071067811865476, 1}));
  EXPECT_EQ(read->knots(), (std::vector<double>{0, 0, 0, 1, 1, 1}));
  EXPECT_EQ(read->controlPointAt(1), OdGePoint3d(1, 1, 0));
  EXPECT_EQ(read->endPoint(), OdGePoint3d(0, 1, 0));
}

TEST(DbSimpleEntities, ConstructionLineAndRay) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/example_2007_AC1021.dxf");
  OdDbXlinePtr xline = byHandle<OdDbXline>(db.get(), 0x8C);
  OdDbRayPtr ray = byHandle<OdDbRay>(db.get(), 0x1A9);
  ASSERT_TRUE(xline && ray);
  EXPECT_EQ(xline->basePoint(), OdGePoint3d(207.6485042514573, 690.2639886533395, 0));
  EXPECT_EQ(xline->unitDir(), OdGeVector3d(0.4474991275049089, -0.8942843680185545, 0));
  EXPECT_NEAR(xline->unitDir().length(), 1, 1e-12);
  EXPECT_EQ(ray->basePoint(), OdGePoint3d(11211.62993268471, 5441.20424009553, 0));
  EXPECT_EQ(ray->secondPoint(), OdGePoint3d(11211.62993268471 + 0.8208410212999243, 5441.20424009553 + 0.5711567365892636, 0));
  OdDbDatabasePtr again = saveAndReopen(db.get());
  EXPECT_EQ(byHandle<OdDbXline>(again.get(), 0x8C)->unitDir(), xline->unitDir());
  EXPECT_EQ(byHandle<OdDbRay>(again.get(), 0x1A9)->basePoint(), ray->basePoint());
}

TEST(DbSimpleEntities, SolidTraceAndFaceOfAnR10File) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/r10_entities_AC1006.dxf");
  auto traces = entitiesOf<OdDbTrace>(db.get());
  OdDbTracePtr trace, solid;
  for (const auto& t : traces) (OdDbSolid::cast(t.get()) ? solid : trace) = t;
  ASSERT_TRUE(trace && solid);
  EXPECT_EQ(trace->getPointAt(0), OdGePoint3d(0.929289, 5.070711, 0));
  EXPECT_EQ(trace->getPointAt(3), OdGePoint3d(2.070711, 5.929289, 0));
  EXPECT_EQ(solid->getPointAt(1), OdGePoint3d(8, 2, 0));
  EXPECT_EQ(solid->getPointAt(2), OdGePoint3d(7, 3, 0));
  EXPECT_THROW(solid->getPointAt(4), OdError);
  auto faces = entitiesOf<OdDbFace>(db.get());
  ASSERT_EQ(faces.size(), 1u);
  EXPECT_EQ(faces[0]->getVertexAt(1), OdGePoint3d(4, 8, 0));
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

TEST(DbSimpleEntities, HiddenFaceEdgesSurviveSaveAndReopen) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDbFacePtr face = OdDbFace::createObject();
  const OdGePoint3d corners[] = {{0, 0, 0}, {1, 0, 1}, {1, 1, 2}, {0, 1, 1}};
  for (int i = 0; i < 4; ++i) face->setVertexAt(i, corners[i]);
  face->makeEdgeInvisibleAt(1);
  face->makeEdgeInvisibleAt(3);
  OdDbObjectId id = addToModelSpace(db.get(), face.get());
  EXPECT_EQ(writtenRecord(db.get(), id.getHandle()).value(70), "10");
  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdDbFacePtr read = byHandle<OdDbFace>(again.get(), id.getHandle());
  ASSERT_TRUE(read);
  EXPECT_TRUE(read->isEdgeVisibleAt(0));
  EXPECT_FALSE(read->isEdgeVisibleAt(1));
  EXPECT_TRUE(read->isEdgeVisibleAt(2));
  EXPECT_FALSE(read->isEdgeVisibleAt(3));
  EXPECT_EQ(read->getVertexAt(2), OdGePoint3d(1, 1, 2));
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
  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdDbRegionPtr read = byHandle<OdDbRegion>(again.get(), 0x176);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->modelerData().satLines(), lines);
}

}  // namespace
