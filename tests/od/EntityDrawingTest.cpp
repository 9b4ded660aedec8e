// How geometry entities draw themselves: entities built through the API,
// drawn through the world draw context into a recording sink, checked by
// their primitives and by the extents of what they draw.

#include "Db2dPolyline.h"
#include "Db2dVertex.h"
#include "Db3dPolyline.h"
#include "Db3dPolylineVertex.h"
#include "Db3dSolid.h"
#include "DbArc.h"
#include "DbBody.h"
#include "DbCircle.h"
#include "DbEllipse.h"
#include "DbFace.h"
#include "DbFaceRecord.h"
#include "DbLine.h"
#include "DbOle2Frame.h"
#include "DbPoint.h"
#include "DbPolyFaceMesh.h"
#include "DbPolyFaceMeshVertex.h"
#include "DbPolygonMesh.h"
#include "DbPolygonMeshVertex.h"
#include "DbPolyline.h"
#include "DbRasterImage.h"
#include "DbRay.h"
#include "DbRegion.h"
#include "DbSolid.h"
#include "DbSpline.h"
#include "DbUnderlayReference.h"
#include "DbWipeout.h"
#include "DbXline.h"
#include "EntityTestSupport.h"
#include "GiExtents.h"
#include "GiRecordingDraw.h"
#include "GiRecordingSink.h"
#include "GiWorldDrawImpl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace entity_test;

constexpr double kTol = 1e-9;
constexpr double kPi = std::numbers::pi;

void expectPoint(const OdGePoint3d& actual, const OdGePoint3d& expected, double tol = kTol) {
  EXPECT_NEAR(actual.x, expected.x, tol);
  EXPECT_NEAR(actual.y, expected.y, tol);
  EXPECT_NEAR(actual.z, expected.z, tol);
}

void expectExtents(const OdGeExtents3d& ext, const OdGePoint3d& min, const OdGePoint3d& max, double tol = kTol) {
  ASSERT_TRUE(ext.isValidExtents());
  expectPoint(ext.minPoint(), min, tol);
  expectPoint(ext.maxPoint(), max, tol);
}

class EntityDrawing : public ::testing::Test {
 protected:
  EntityDrawing() : db(OdDbDatabase::create()) {}

  // Adds the entity to model space (where polylines take their vertices).
  template <class T>
  OdSmartPtr<T> add(OdSmartPtr<T> entity) {
    entity->setDatabaseDefaults(db.get());
    addToModelSpace(db.get(), entity.get());
    return entity;
  }

  // Model space drawn for display.
  RecordingSink draw() {
    RecordingSink sink;
    OdGiWorldDrawImpl(sink).drawBlock(modelSpace().get());
    return sink;
  }

  OdGeExtents3d extents() { return odGiBlockExtents(modelSpace().get()); }

  OdDbBlockTableRecordPtr modelSpace() { return OdDbBlockTableRecord::cast(db->getModelSpaceId().openObject().get()); }

  OdDbDatabasePtr db;
};

TEST_F(EntityDrawing, LineIsOnePolylineOfItsEnds) {
  OdDbLinePtr line = add(OdDbLine::createObject());
  line->setStartPoint({1, 2, 3});
  line->setEndPoint({-4, 5, 6});
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 1u);
  EXPECT_EQ(sink.polylines[0], (RecordingSink::Points{{1, 2, 3}, {-4, 5, 6}}));
  expectExtents(extents(), {-4, 2, 3}, {1, 5, 6});
}

TEST_F(EntityDrawing, PointIsAPolylineOfTwoEqualPoints) {
  add(OdDbPoint::createObject())->setPosition({7, 8, 9});
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 1u);
  EXPECT_EQ(sink.polylines[0], (RecordingSink::Points{{7, 8, 9}, {7, 8, 9}}));
  expectExtents(extents(), {7, 8, 9}, {7, 8, 9});
}

TEST_F(EntityDrawing, CircleReachesItsRadiusAroundItsCentre) {
  OdDbCirclePtr circle = add(OdDbCircle::createObject());
  circle->setCenter({1, 1, 0});
  circle->setRadius(2);
  EXPECT_EQ(draw().polylines.size(), 1u);
  expectExtents(extents(), {-1, -1, 0}, {3, 3, 0});
}

TEST_F(EntityDrawing, CircleWithATiltedNormalLeavesTheXYPlane) {
  OdDbCirclePtr circle = add(OdDbCircle::createObject());
  circle->setNormal(OdGeVector3d::kXAxis);
  circle->setCenter({0, 0, 5});  // object coordinates: 5 along the normal
  circle->setRadius(1);
  expectExtents(extents(), {5, -1, -1}, {5, 1, 1});
}

TEST_F(EntityDrawing, QuarterArcSpansFromItsCentreToItsRadius) {
  OdDbArcPtr arc = add(OdDbArc::createObject());
  arc->setCenter({10, 20, 0});
  arc->setRadius(3);
  arc->setStartAngle(0);
  arc->setEndAngle(kPi / 2);
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 1u);
  expectPoint(sink.polylines[0].front(), {13, 20, 0});
  expectPoint(sink.polylines[0].back(), {10, 23, 0});
  expectExtents(extents(), {10, 20, 0}, {13, 23, 0});
}

TEST_F(EntityDrawing, ArcAboutTheNegativeZAxisIsMirrored) {
  // The arbitrary axis of -Z is -X: angles run clockwise from -X seen from above.
  OdDbArcPtr arc = add(OdDbArc::createObject());
  arc->setNormal({0, 0, -1});
  arc->setCenter({10, 0, 0});
  arc->setRadius(1);
  arc->setStartAngle(0);
  arc->setEndAngle(kPi / 2);
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 1u);
  expectPoint(sink.polylines[0].front(), arc->startPoint());
  expectPoint(sink.polylines[0].back(), arc->endPoint());
  expectExtents(extents(), {-11, 0, 0}, {-10, 1, 0});
}

TEST_F(EntityDrawing, ArcAcrossZeroDegreesSweepsCounterClockwise) {
  OdDbArcPtr arc = add(OdDbArc::createObject());
  arc->setRadius(1);
  arc->setStartAngle(3 * kPi / 2);
  arc->setEndAngle(kPi / 2);
  expectExtents(extents(), {0, -1, 0}, {1, 1, 0});
}

TEST_F(EntityDrawing, EllipseAndEllipticalArc) {
  OdDbEllipsePtr ellipse = add(OdDbEllipse::createObject());
  ellipse->set({0, 0, 0}, OdGeVector3d::kZAxis, {3, 0, 0}, 0.5);
  expectExtents(extents(), {-3, -1.5, 0}, {3, 1.5, 0});
  ellipse->setStartParam(0);
  ellipse->setEndParam(kPi / 2);
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 1u);
  expectPoint(sink.polylines[0].front(), {3, 0, 0});
  expectPoint(sink.polylines[0].back(), {0, 1.5, 0});
  expectExtents(extents(), {0, 0, 0}, {3, 1.5, 0});
}

TEST_F(EntityDrawing, EllipticalArcFromNearTheEndRoundToTheStartGoesThroughZero) {
  OdDbEllipsePtr ellipse = add(OdDbEllipse::createObject());
  ellipse->set({0, 0, 0}, OdGeVector3d::kZAxis, {2, 0, 0}, 0.5, 3 * kPi / 2, kPi / 2);
  expectExtents(extents(), {0, -1, 0}, {2, 1, 0});
}

OdDbPolylinePtr square(double side) {
  OdDbPolylinePtr pl = OdDbPolyline::createObject();
  pl->addVertexAt(0, {0, 0});
  pl->addVertexAt(1, {side, 0});
  pl->addVertexAt(2, {side, side});
  pl->addVertexAt(3, {0, side});
  pl->setClosed(true);
  return pl;
}

TEST_F(EntityDrawing, ClosedPolylineWithABulgeBulgesOutByHalfTheChord) {
  OdDbPolylinePtr pl = add(square(2));
  pl->setBulgeAt(0, 1);  // a half circle to the right of the first segment
  RecordingSink sink = draw();
  EXPECT_EQ(sink.polylines.size(), 2u);  // the arc and the three straight sides
  EXPECT_TRUE(sink.polygons.empty());
  expectExtents(extents(), {0, -1, 0}, {2, 2, 0});
  pl->setBulgeAt(0, -1);  // to the left: inside the square
  expectExtents(extents(), {0, 0, 0}, {2, 2, 0});
}

TEST_F(EntityDrawing, StraightClosedPolylineIsOneClosedPolyline) {
  add(square(1));
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 1u);
  EXPECT_EQ(sink.polylines[0].size(), 5u);
  EXPECT_EQ(sink.polylines[0].front(), sink.polylines[0].back());
}

TEST_F(EntityDrawing, PolylineWithWidthDrawsFilledPolygons) {
  OdDbPolylinePtr pl = add(OdDbPolyline::createObject());
  pl->addVertexAt(0, {0, 0});
  pl->addVertexAt(1, {10, 0});
  pl->addVertexAt(2, {10, 10});
  pl->setConstantWidth(0.5);
  RecordingSink sink = draw();
  EXPECT_TRUE(sink.polylines.empty());
  ASSERT_EQ(sink.polygons.size(), 2u);
  EXPECT_EQ(sink.polygons[0].size(), 4u);
  expectExtents(extents(), {0, -0.25, 0}, {10.25, 10, 0});
}

TEST_F(EntityDrawing, WideBulgedSegmentIsABand) {
  OdDbPolylinePtr pl = add(OdDbPolyline::createObject());
  pl->addVertexAt(0, {0, 0}, 1, 0.5, 0.5);
  pl->addVertexAt(1, {2, 0});
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polygons.size(), 1u);
  EXPECT_TRUE(sink.polylines.empty());
  // Radius 1 about (1, 0), a quarter wider on either side.
  expectExtents(extents(), {-0.25, -1.25, 0}, {2.25, 0, 0});
}

TEST_F(EntityDrawing, PolylineWithWidthOnSomeSegmentsOnlyFillsThose) {
  OdDbPolylinePtr pl = add(OdDbPolyline::createObject());
  pl->addVertexAt(0, {0, 0});
  pl->addVertexAt(1, {1, 0}, 0, 0, 0.4);  // an arrowhead
  pl->addVertexAt(2, {2, 0});
  RecordingSink sink = draw();
  EXPECT_EQ(sink.polylines.size(), 1u);
  EXPECT_EQ(sink.polygons.size(), 1u);
  expectExtents(extents(), {0, -0.2, 0}, {2, 0.2, 0});
}

TEST_F(EntityDrawing, PolylineNormalAndElevationPlaceItInTheWorld) {
  OdDbPolylinePtr pl = add(OdDbPolyline::createObject());
  pl->addVertexAt(0, {1, 2});
  pl->addVertexAt(1, {4, 2});
  pl->setElevation(3);
  pl->setNormal(OdGeVector3d::kXAxis);  // object X is world Y, object Y world Z
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 1u);
  expectPoint(sink.polylines[0][0], {3, 1, 2});
  expectPoint(sink.polylines[0][1], {3, 4, 2});
  expectPoint(sink.polylines[0][0], pl->getPointAt3d(0));
}

TEST_F(EntityDrawing, BulgeWithATiltedNormalStaysInThePlane) {
  OdDbPolylinePtr pl = add(OdDbPolyline::createObject());
  pl->addVertexAt(0, {0, 0}, 1);
  pl->addVertexAt(1, {2, 0});
  pl->setNormal(OdGeVector3d::kXAxis);
  // Object (0..2, -1..0) is world Y 0..2, Z -1..0.
  expectExtents(extents(), {0, 0, -1}, {0, 2, 0});
}

OdDb2dVertexPtr vertex2d(double x, double y, int16_t flags = 0) {
  OdDb2dVertexPtr v = OdDb2dVertex::createObject();
  v->setPosition({x, y, 0});
  v->setFlags(flags);
  return v;
}

TEST_F(EntityDrawing, TwoDPolylineDrawsLikeALightweightOne) {
  OdDb2dPolylinePtr pl = add(OdDb2dPolyline::createObject());
  pl->setElevation(2);
  pl->setClosed(true);
  OdDb2dVertexPtr first = vertex2d(0, 0);
  first->setBulge(1);
  pl->appendVertex(first.get());
  pl->appendVertex(vertex2d(2, 0).get());
  pl->appendVertex(vertex2d(2, 2).get());
  RecordingSink sink = draw();
  EXPECT_EQ(sink.polylines.size(), 2u);
  expectExtents(extents(), {0, -1, 2}, {2, 2, 2});
}

TEST_F(EntityDrawing, TwoDPolylineDefaultWidthsFill) {
  OdDb2dPolylinePtr pl = add(OdDb2dPolyline::createObject());
  pl->setDefaultStartWidth(1);
  pl->setDefaultEndWidth(1);
  pl->appendVertex(vertex2d(0, 0).get());
  pl->appendVertex(vertex2d(4, 0).get());
  RecordingSink sink = draw();
  EXPECT_EQ(sink.polygons.size(), 1u);
  expectExtents(extents(), {0, -0.5, 0}, {4, 0.5, 0});
}

TEST_F(EntityDrawing, SplineFitTwoDPolylineLeavesOutItsFrame) {
  OdDb2dPolylinePtr pl = add(OdDb2dPolyline::createObject());
  pl->setFlags(OdDb2dPolyline::kSplineFit);
  pl->appendVertex(vertex2d(0, 0, OdDb2dVertex::kSplineFrameControl).get());
  pl->appendVertex(vertex2d(5, 9, OdDb2dVertex::kSplineFrameControl).get());
  pl->appendVertex(vertex2d(10, 0, OdDb2dVertex::kSplineFrameControl).get());
  pl->appendVertex(vertex2d(0, 0, OdDb2dVertex::kSplineFit).get());
  pl->appendVertex(vertex2d(5, 4, OdDb2dVertex::kSplineFit).get());
  pl->appendVertex(vertex2d(10, 0, OdDb2dVertex::kSplineFit).get());
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 1u);
  EXPECT_EQ(sink.polylines[0].size(), 3u);
  expectExtents(extents(), {0, 0, 0}, {10, 4, 0});
}

TEST_F(EntityDrawing, ThreeDPolylineRunsThroughItsVerticesInTheWorld) {
  OdDb3dPolylinePtr pl = add(OdDb3dPolyline::createObject());
  for (const OdGePoint3d& p : {OdGePoint3d(0, 0, 0), OdGePoint3d(1, 2, 3), OdGePoint3d(4, 5, -6)}) {
    OdDb3dPolylineVertexPtr v = OdDb3dPolylineVertex::createObject();
    v->setPosition(p);
    pl->appendVertex(v.get());
  }
  pl->setClosed(true);
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 1u);
  EXPECT_EQ(sink.polylines[0], (RecordingSink::Points{{0, 0, 0}, {1, 2, 3}, {4, 5, -6}, {0, 0, 0}}));
  expectExtents(extents(), {0, 0, -6}, {4, 5, 3});
}

class MeshDrawing : public EntityDrawing {
 protected:
  OdDbPolyFaceMeshPtr polyface(const std::vector<OdGePoint3d>& points) {
    OdDbPolyFaceMeshPtr mesh = add(OdDbPolyFaceMesh::createObject());
    for (const OdGePoint3d& p : points) {
      OdDbPolyFaceMeshVertexPtr v = OdDbPolyFaceMeshVertex::createObject();
      v->setPosition(p);
      mesh->appendVertex(v.get());
    }
    return mesh;
  }

  static void addFace(OdDbPolyFaceMesh* mesh, std::vector<int16_t> corners) {
    OdDbFaceRecordPtr face = OdDbFaceRecord::createObject();
    for (size_t i = 0; i < corners.size(); ++i) face->setVertexAt(static_cast<int>(i), corners[i]);
    mesh->appendFaceRecord(face.get());
  }
};

TEST_F(MeshDrawing, PolyfaceFacesAreClosedPolylinesOfTheirVisibleEdges) {
  OdDbPolyFaceMeshPtr mesh = polyface({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 1}, {2, 0, 0}});
  addFace(mesh.get(), {1, 2, 3, 4});
  addFace(mesh.get(), {2, 5, -3});  // the edge from vertex 3 back to vertex 2 is hidden
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 2u);
  EXPECT_EQ(sink.polylines[0], (RecordingSink::Points{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 1}, {0, 0, 0}}));
  EXPECT_EQ(sink.polylines[1], (RecordingSink::Points{{1, 0, 0}, {2, 0, 0}, {1, 1, 0}}));
  expectExtents(extents(), {0, 0, 0}, {2, 1, 1});
}

TEST_F(MeshDrawing, PolyfaceEdgesSplitByHiddenOnesAreSeparatePolylines) {
  OdDbPolyFaceMeshPtr mesh = polyface({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
  addFace(mesh.get(), {1, -2, 3, -4});
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 2u);
  EXPECT_EQ(sink.polylines[0], (RecordingSink::Points{{1, 1, 0}, {0, 1, 0}}));
  EXPECT_EQ(sink.polylines[1], (RecordingSink::Points{{0, 0, 0}, {1, 0, 0}}));
}

TEST_F(MeshDrawing, PolygonMeshDrawsItsRowsAndColumns) {
  OdDbPolygonMeshPtr mesh = add(OdDbPolygonMesh::createObject());
  mesh->setMSize(3);
  mesh->setNSize(4);
  mesh->setNClosed(true);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 4; ++j) {
      OdDbPolygonMeshVertexPtr v = OdDbPolygonMeshVertex::createObject();
      v->setPosition({double(j), double(i), double(i * j)});
      mesh->appendVertex(v.get());
    }
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 7u);
  EXPECT_EQ(sink.polylines[0].size(), 5u);  // a row, closed in N
  EXPECT_EQ(sink.polylines[2].size(), 5u);
  EXPECT_EQ(sink.polylines[3].size(), 3u);  // a column, open in M
  expectExtents(extents(), {0, 0, 0}, {3, 2, 6});
}

TEST_F(EntityDrawing, ClampedSplineStartsAndEndsAtItsEndControlPoints) {
  OdDbSplinePtr spline = add(OdDbSpline::createObject());
  std::vector<OdGePoint3d> points = {{0, 0, 0}, {1, 2, 0}, {3, 2, 1}, {4, 0, 0}};
  spline->setNurbsData(3, false, false, false, points, {0, 0, 0, 0, 1, 1, 1, 1});
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 1u);
  const auto& drawn = sink.polylines[0];
  EXPECT_GT(drawn.size(), 8u);
  expectPoint(drawn.front(), {0, 0, 0});
  expectPoint(drawn.back(), {4, 0, 0});
  // A single span of degree 3 is a Bezier curve: at the middle, (P0 + 3 P1 + 3 P2 + P3) / 8.
  expectPoint(drawn[drawn.size() / 2], {2, 1.5, 0.375});
}

TEST_F(EntityDrawing, RationalSplineFollowsItsWeights) {
  // A quarter of the unit circle as a rational quadratic.
  OdDbSplinePtr spline = add(OdDbSpline::createObject());
  spline->setNurbsData(2, true, false, false, {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {0, 0, 0, 1, 1, 1},
                       {1, std::sqrt(0.5), 1});
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 1u);
  for (const OdGePoint3d& p : sink.polylines[0]) EXPECT_NEAR(std::hypot(p.x, p.y), 1, 1e-12);
  expectExtents(extents(), {0, 0, 0}, {1, 1, 0});
}

TEST_F(EntityDrawing, SplineOfFitPointsOnlyRunsThroughThem) {
  OdDbSplinePtr spline = add(OdDbSpline::createObject());
  std::vector<OdGePoint3d> fit = {{0, 0, 0}, {1, 1, 0}, {2, 0, 0}, {3, 1, 0}};
  spline->setFitData(fit, OdGeVector3d(), OdGeVector3d());
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 1u);
  EXPECT_EQ(sink.polylines[0], fit);
}

TEST_F(EntityDrawing, SolidFillsItsCornersInOutlineOrder) {
  OdDbSolidPtr solid = add(OdDbSolid::createObject());
  solid->setPointAt(0, {0, 0, 1});
  solid->setPointAt(1, {2, 0, 1});
  solid->setPointAt(2, {0, 2, 1});
  solid->setPointAt(3, {2, 2, 1});
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polygons.size(), 1u);
  EXPECT_EQ(sink.polygons[0], (RecordingSink::Points{{0, 0, 1}, {2, 0, 1}, {2, 2, 1}, {0, 2, 1}}));
  solid->setNormal({0, 0, -1});  // object X is world -X, elevation along -Z
  expectExtents(extents(), {-2, 0, -1}, {0, 2, -1});
}

TEST_F(EntityDrawing, TraceIsFilledToo) {
  OdDbTracePtr trace = add(OdDbTrace::createObject());
  trace->setPointAt(1, {1, 0, 0});
  trace->setPointAt(2, {0, 1, 0});
  trace->setPointAt(3, {1, 1, 0});
  EXPECT_EQ(draw().polygons.size(), 1u);
}

TEST_F(EntityDrawing, FaceDrawsItsVisibleEdges) {
  OdDbFacePtr face = add(OdDbFace::createObject());
  const OdGePoint3d corners[] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 1}, {0, 1, 1}};
  for (int i = 0; i < 4; ++i) face->setVertexAt(i, corners[i]);
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 1u);
  EXPECT_EQ(sink.polylines[0].size(), 5u);
  face->makeEdgeInvisibleAt(1);
  sink = draw();
  ASSERT_EQ(sink.polylines.size(), 1u);
  EXPECT_EQ(sink.polylines[0], (RecordingSink::Points{{1, 1, 1}, {0, 1, 1}, {0, 0, 0}, {1, 0, 0}}));
  for (int i = 0; i < 4; ++i) face->makeEdgeInvisibleAt(i);
  EXPECT_TRUE(draw().polylines.empty());
}

TEST_F(EntityDrawing, XlineAndRayReachFarButHaveNoExtents) {
  OdDbXlinePtr xline = add(OdDbXline::createObject());
  xline->setBasePoint({1, 1, 0});
  xline->setUnitDir({0, 1, 0});
  OdDbRayPtr ray = add(OdDbRay::createObject());
  ray->setBasePoint({2, 0, 0});
  ray->setUnitDir({1, 0, 0});
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 2u);
  EXPECT_LT(sink.polylines[0].front().y, -1e5);
  EXPECT_GT(sink.polylines[0].back().y, 1e5);
  EXPECT_EQ(sink.polylines[1].front(), OdGePoint3d(2, 0, 0));
  EXPECT_GT(sink.polylines[1].back().x, 1e5);
  EXPECT_FALSE(extents().isValidExtents());
}

TEST_F(EntityDrawing, ImageDrawsItsFrameOrItsClipBoundary) {
  OdDbRasterImagePtr image = add(OdDbRasterImage::createObject());
  image->setPosition({10, 10, 0});
  image->setPixelVectors({0.5, 0, 0}, {0, 0.5, 0});
  image->setImageSize({40, 20});
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 1u);
  EXPECT_EQ(sink.polylines[0].size(), 5u);
  expectExtents(extents(), {10, 10, 0}, {30, 20, 0});
  // Pixel coordinates run down from the top; pixel centres sit half a pixel in.
  image->setClipBoundary(OdDbRasterImage::kRect, {{-0.5, -0.5}, {19.5, 9.5}});
  image->setClipped(true);
  expectExtents(extents(), {10, 15, 0}, {20, 20, 0});
}

TEST_F(EntityDrawing, WipeoutFillsItsPolygon) {
  OdDbWipeoutPtr wipeout = add(OdDbWipeout::createObject());
  wipeout->setPosition({0, 0, 0});
  wipeout->setPixelVectors({4, 0, 0}, {0, 4, 0});
  wipeout->setImageSize({1, 1});
  wipeout->setClipBoundary(OdDbRasterImage::kPoly, {{-0.5, 0.5}, {0.5, 0.5}, {0, -0.5}, {-0.5, 0.5}});
  RecordingSink sink = draw();
  EXPECT_TRUE(sink.polylines.empty());
  ASSERT_EQ(sink.polygons.size(), 1u);
  expectExtents(extents(), {0, 0, 0}, {4, 4, 0});
}

TEST_F(EntityDrawing, Ole2FrameDrawsItsRectangle) {
  OdDbOle2FramePtr frame = add(OdDbOle2Frame::createObject());
  EXPECT_TRUE(draw().polylines.empty());  // no corners yet
  frame->setCorners({1, 5, 0}, {4, 2, 0});
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 1u);
  EXPECT_EQ(sink.polylines[0].size(), 5u);
  expectExtents(extents(), {1, 2, 0}, {4, 5, 0});
}

TEST_F(EntityDrawing, UnderlayDrawsItsPlacedClipBoundaryOnly) {
  OdDbPdfReferencePtr underlay = add(OdDbPdfReference::createObject());
  underlay->setPosition({100, 0, 0});
  underlay->setScaleFactors({2, 2, 1});
  underlay->setRotation(kPi / 2);
  EXPECT_TRUE(draw().polylines.empty());  // the page's size is not known
  underlay->setClipBoundary({{0, 0}, {3, 1}});
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 1u);
  EXPECT_EQ(sink.polylines[0].size(), 5u);
  expectExtents(extents(), {98, 0, 0}, {100, 6, 0});
}

TEST_F(EntityDrawing, ModelerEntitiesDrawNothing) {
  add(OdDbRegion::createObject());
  add(OdDb3dSolid::createObject());
  add(OdDbBody::createObject());
  RecordingSink sink = draw();
  EXPECT_TRUE(sink.polylines.empty());
  EXPECT_TRUE(sink.polygons.empty());
  EXPECT_FALSE(extents().isValidExtents());
}

TEST(EntityDrawingContext, EveryGeometryEntityNeedsNoViewportDraw) {
  std::vector<OdDbEntityPtr> entities = {
      OdDbLine::createObject(),        OdDbPoint::createObject(),        OdDbCircle::createObject(),
      OdDbArc::createObject(),         OdDbEllipse::createObject(),      OdDbPolyline::createObject(),
      OdDb2dPolyline::createObject(),  OdDb3dPolyline::createObject(),   OdDbPolyFaceMesh::createObject(),
      OdDbPolygonMesh::createObject(), OdDbSpline::createObject(),       OdDbSolid::createObject(),
      OdDbTrace::createObject(),       OdDbFace::createObject(),         OdDbXline::createObject(),
      OdDbRay::createObject(),         OdDbRasterImage::createObject(),  OdDbWipeout::createObject(),
      OdDbOle2Frame::createObject(),   OdDbPdfReference::createObject(), OdDbRegion::createObject(),
      OdDb3dSolid::createObject(),     OdDbBody::createObject(),
  };
  for (const OdDbEntityPtr& e : entities) {
    RecordingWorldDraw wd;
    EXPECT_TRUE(e->worldDraw(&wd)) << e->isA()->name().utf8();
  }
}

TEST(EntityDrawingContext, BulgedSegmentsAreArcPrimitivesOfTheContext) {
  OdDbPolylinePtr pl = square(2);
  pl->setBulgeAt(1, 0.5);
  pl->setBulgeAt(3, -0.5);
  RecordingWorldDraw wd;
  pl->worldDraw(&wd);
  EXPECT_EQ(wd.recorded.primitives, (std::vector<std::string>{"polyline", "arc", "polyline", "arc"}));
}

}  // namespace
