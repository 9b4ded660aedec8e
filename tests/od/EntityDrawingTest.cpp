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
#include "GiWorldDrawImpl.h"
#include "TestDrawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <optional>

namespace {

using namespace entity_test;

constexpr double kTol = 1e-9;
constexpr double kPi = std::numbers::pi;

void expectPoint(const OdGePoint3d& actual, const OdGePoint3d& expected, double tol = kTol) {
  EXPECT_NEAR(actual.x, expected.x, tol);
  EXPECT_NEAR(actual.y, expected.y, tol);
  EXPECT_NEAR(actual.z, expected.z, tol);
}

void expectExtents(const OdGeExtents3d& ext, const OdGePoint3d& min, const OdGePoint3d& max) {
  ASSERT_TRUE(ext.isValidExtents());
  expectPoint(ext.minPoint(), min);
  expectPoint(ext.maxPoint(), max);
}

template <class T>
OdSmartPtr<T> add(OdDbDatabase* db) {
  return addTo<T>(modelSpaceOf(db).get());
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

OdDb2dVertexPtr vertex2d(double x, double y, int16_t flags = 0, double bulge = 0) {
  OdDb2dVertexPtr v = OdDb2dVertex::createObject();
  v->setPosition({x, y, 0});
  v->setFlags(flags);
  v->setBulge(bulge);
  return v;
}

OdDbPolyFaceMeshPtr polyface(OdDbDatabase* db, const std::vector<OdGePoint3d>& points,
                             const std::vector<std::vector<int16_t>>& faces) {
  OdDbPolyFaceMeshPtr mesh = add<OdDbPolyFaceMesh>(db);
  for (const OdGePoint3d& p : points) {
    OdDbPolyFaceMeshVertexPtr v = OdDbPolyFaceMeshVertex::createObject();
    v->setPosition(p);
    mesh->appendVertex(v.get());
  }
  for (const auto& corners : faces) {
    OdDbFaceRecordPtr face = OdDbFaceRecord::createObject();
    for (size_t i = 0; i < corners.size(); ++i) face->setVertexAt(static_cast<int>(i), corners[i]);
    mesh->appendFaceRecord(face.get());
  }
  return mesh;
}

// One entity (or a few) drawn into model space: how many outlines and fills
// it draws, how many points the first outline has (0: not checked), the
// extents of what it draws (none when min is null), and where the first
// outline starts and ends (when given).
struct DrawingCase {
  const char* name;
  std::function<void(OdDbDatabase*)> build;
  size_t polylines, polygons, firstPolylinePoints;
  std::optional<OdGePoint3d> min, max, front = {}, back = {};
};

const DrawingCase kDrawingCases[] = {
    {"line", [](OdDbDatabase* db) {
       auto line = add<OdDbLine>(db);
       line->setStartPoint({1, 2, 3});
       line->setEndPoint({-4, 5, 6});
     }, 1, 0, 2, OdGePoint3d(-4, 2, 3), OdGePoint3d(1, 5, 6)},
    {"point as two equal points", [](OdDbDatabase* db) { add<OdDbPoint>(db)->setPosition({7, 8, 9}); },
     1, 0, 2, OdGePoint3d(7, 8, 9), OdGePoint3d(7, 8, 9)},
    {"circle", [](OdDbDatabase* db) {
       auto circle = add<OdDbCircle>(db);
       circle->setCenter({1, 1, 0});
       circle->setRadius(2);
     }, 1, 0, 0, OdGePoint3d(-1, -1, 0), OdGePoint3d(3, 3, 0)},
    {"circle with a tilted normal, centre in object coordinates", [](OdDbDatabase* db) {
       auto circle = add<OdDbCircle>(db);
       circle->setNormal(OdGeVector3d::kXAxis);
       circle->setCenter({0, 0, 5});
       circle->setRadius(1);
     }, 1, 0, 0, OdGePoint3d(5, -1, -1), OdGePoint3d(5, 1, 1)},
    {"quarter arc", [](OdDbDatabase* db) {
       auto arc = add<OdDbArc>(db);
       arc->setCenter({10, 20, 0});
       arc->setRadius(3);
       arc->setEndAngle(kPi / 2);
     }, 1, 0, 0, OdGePoint3d(10, 20, 0), OdGePoint3d(13, 23, 0)},
    // The arbitrary axis of -Z is -X: angles run clockwise from -X seen from above.
    {"arc about the negative Z axis", [](OdDbDatabase* db) {
       auto arc = add<OdDbArc>(db);
       arc->setNormal({0, 0, -1});
       arc->setCenter({10, 0, 0});
       arc->setRadius(1);
       arc->setEndAngle(kPi / 2);
     }, 1, 0, 0, OdGePoint3d(-11, 0, 0), OdGePoint3d(-10, 1, 0), OdGePoint3d(-11, 0, 0), OdGePoint3d(-10, 1, 0)},
    {"arc across zero degrees", [](OdDbDatabase* db) {
       auto arc = add<OdDbArc>(db);
       arc->setRadius(1);
       arc->setStartAngle(3 * kPi / 2);
       arc->setEndAngle(kPi / 2);
     }, 1, 0, 0, OdGePoint3d(0, -1, 0), OdGePoint3d(1, 1, 0)},
    {"ellipse", [](OdDbDatabase* db) { add<OdDbEllipse>(db)->set({0, 0, 0}, OdGeVector3d::kZAxis, {3, 0, 0}, 0.5); },
     1, 0, 0, OdGePoint3d(-3, -1.5, 0), OdGePoint3d(3, 1.5, 0)},
    {"elliptical arc", [](OdDbDatabase* db) {
       add<OdDbEllipse>(db)->set({0, 0, 0}, OdGeVector3d::kZAxis, {3, 0, 0}, 0.5, 0, kPi / 2);
     }, 1, 0, 0, OdGePoint3d(0, 0, 0), OdGePoint3d(3, 1.5, 0)},
    {"elliptical arc from near the end round through zero", [](OdDbDatabase* db) {
       add<OdDbEllipse>(db)->set({0, 0, 0}, OdGeVector3d::kZAxis, {2, 0, 0}, 0.5, 3 * kPi / 2, kPi / 2);
     }, 1, 0, 0, OdGePoint3d(0, -1, 0), OdGePoint3d(2, 1, 0)},
    {"straight closed polyline", [](OdDbDatabase* db) { addToModelSpace(db, square(1).get()); },
     1, 0, 5, OdGePoint3d(0, 0, 0), OdGePoint3d(1, 1, 0)},
    // A half circle to the right of the first segment, apart from the three straight sides.
    {"closed polyline bulging out", [](OdDbDatabase* db) {
       OdDbPolylinePtr pl = square(2);
       pl->setBulgeAt(0, 1);
       addToModelSpace(db, pl.get());
     }, 2, 0, 0, OdGePoint3d(0, -1, 0), OdGePoint3d(2, 2, 0)},
    {"closed polyline bulging in", [](OdDbDatabase* db) {
       OdDbPolylinePtr pl = square(2);
       pl->setBulgeAt(0, -1);
       addToModelSpace(db, pl.get());
     }, 2, 0, 0, OdGePoint3d(0, 0, 0), OdGePoint3d(2, 2, 0)},
    {"polyline of constant width", [](OdDbDatabase* db) {
       auto pl = add<OdDbPolyline>(db);
       pl->addVertexAt(0, {0, 0});
       pl->addVertexAt(1, {10, 0});
       pl->addVertexAt(2, {10, 10});
       pl->setConstantWidth(0.5);
     }, 0, 2, 0, OdGePoint3d(0, -0.25, 0), OdGePoint3d(10.25, 10, 0)},
    // Radius 1 about (1, 0), a quarter wider on either side.
    {"wide bulged segment", [](OdDbDatabase* db) {
       auto pl = add<OdDbPolyline>(db);
       pl->addVertexAt(0, {0, 0}, 1, 0.5, 0.5);
       pl->addVertexAt(1, {2, 0});
     }, 0, 1, 0, OdGePoint3d(-0.25, -1.25, 0), OdGePoint3d(2.25, 0, 0)},
    {"polyline with an arrowhead", [](OdDbDatabase* db) {
       auto pl = add<OdDbPolyline>(db);
       pl->addVertexAt(0, {0, 0});
       pl->addVertexAt(1, {1, 0}, 0, 0, 0.4);
       pl->addVertexAt(2, {2, 0});
     }, 1, 1, 0, OdGePoint3d(0, -0.2, 0), OdGePoint3d(2, 0.2, 0)},
    // Object X is world Y, object Y world Z; the elevation is along world X.
    {"polyline with a normal and an elevation", [](OdDbDatabase* db) {
       auto pl = add<OdDbPolyline>(db);
       pl->addVertexAt(0, {1, 2});
       pl->addVertexAt(1, {4, 2});
       pl->setElevation(3);
       pl->setNormal(OdGeVector3d::kXAxis);
     }, 1, 0, 2, OdGePoint3d(3, 1, 2), OdGePoint3d(3, 4, 2)},
    {"bulge with a tilted normal", [](OdDbDatabase* db) {
       auto pl = add<OdDbPolyline>(db);
       pl->addVertexAt(0, {0, 0}, 1);
       pl->addVertexAt(1, {2, 0});
       pl->setNormal(OdGeVector3d::kXAxis);
     }, 1, 0, 0, OdGePoint3d(0, 0, -1), OdGePoint3d(0, 2, 0)},
    {"2D polyline as a lightweight one", [](OdDbDatabase* db) {
       auto pl = add<OdDb2dPolyline>(db);
       pl->setElevation(2);
       pl->setClosed(true);
       pl->appendVertex(vertex2d(0, 0, 0, 1).get());
       pl->appendVertex(vertex2d(2, 0).get());
       pl->appendVertex(vertex2d(2, 2).get());
     }, 2, 0, 0, OdGePoint3d(0, -1, 2), OdGePoint3d(2, 2, 2)},
    {"2D polyline of default widths", [](OdDbDatabase* db) {
       auto pl = add<OdDb2dPolyline>(db);
       pl->setDefaultStartWidth(1);
       pl->setDefaultEndWidth(1);
       pl->appendVertex(vertex2d(0, 0).get());
       pl->appendVertex(vertex2d(4, 0).get());
     }, 0, 1, 0, OdGePoint3d(0, -0.5, 0), OdGePoint3d(4, 0.5, 0)},
    {"spline-fit 2D polyline without its frame", [](OdDbDatabase* db) {
       auto pl = add<OdDb2dPolyline>(db);
       pl->setFlags(OdDb2dPolyline::kSplineFit);
       for (auto [x, y] : {std::pair(0, 0), {5, 9}, {10, 0}})
         pl->appendVertex(vertex2d(x, y, OdDb2dVertex::kSplineFrameControl).get());
       for (auto [x, y] : {std::pair(0, 0), {5, 4}, {10, 0}})
         pl->appendVertex(vertex2d(x, y, OdDb2dVertex::kSplineFit).get());
     }, 1, 0, 3, OdGePoint3d(0, 0, 0), OdGePoint3d(10, 4, 0)},
    {"closed 3D polyline", [](OdDbDatabase* db) {
       auto pl = add<OdDb3dPolyline>(db);
       for (const OdGePoint3d& p : {OdGePoint3d(0, 0, 0), OdGePoint3d(1, 2, 3), OdGePoint3d(4, 5, -6)}) {
         OdDb3dPolylineVertexPtr v = OdDb3dPolylineVertex::createObject();
         v->setPosition(p);
         pl->appendVertex(v.get());
       }
       pl->setClosed(true);
     }, 1, 0, 4, OdGePoint3d(0, 0, -6), OdGePoint3d(4, 5, 3)},
    // The second face hides its edge from vertex 3 back to vertex 2.
    {"polyface mesh", [](OdDbDatabase* db) {
       polyface(db, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 1}, {2, 0, 0}}, {{1, 2, 3, 4}, {2, 5, -3}});
     }, 2, 0, 5, OdGePoint3d(0, 0, 0), OdGePoint3d(2, 1, 1)},
    // Three rows closed in N (5 points each) and four open columns.
    {"polygon mesh", [](OdDbDatabase* db) {
       auto mesh = add<OdDbPolygonMesh>(db);
       mesh->setMSize(3);
       mesh->setNSize(4);
       mesh->setNClosed(true);
       for (int i = 0; i < 3; ++i)
         for (int j = 0; j < 4; ++j) {
           OdDbPolygonMeshVertexPtr v = OdDbPolygonMeshVertex::createObject();
           v->setPosition({double(j), double(i), double(i * j)});
           mesh->appendVertex(v.get());
         }
     }, 7, 0, 5, OdGePoint3d(0, 0, 0), OdGePoint3d(3, 2, 6)},
    {"trace", [](OdDbDatabase* db) {
       auto trace = add<OdDbTrace>(db);
       trace->setPointAt(1, {1, 0, 0});
       trace->setPointAt(2, {0, 1, 0});
       trace->setPointAt(3, {1, 1, 0});
     }, 0, 1, 0, OdGePoint3d(0, 0, 0), OdGePoint3d(1, 1, 0)},
    {"image frame", [](OdDbDatabase* db) {
       auto image = add<OdDbRasterImage>(db);
       image->setPosition({10, 10, 0});
       image->setPixelVectors({0.5, 0, 0}, {0, 0.5, 0});
       image->setImageSize({40, 20});
     }, 1, 0, 5, OdGePoint3d(10, 10, 0), OdGePoint3d(30, 20, 0)},
    // Pixel coordinates run down from the top; pixel centres sit half a pixel in.
    {"clipped image", [](OdDbDatabase* db) {
       auto image = add<OdDbRasterImage>(db);
       image->setPosition({10, 10, 0});
       image->setPixelVectors({0.5, 0, 0}, {0, 0.5, 0});
       image->setImageSize({40, 20});
       image->setClipBoundary(OdDbRasterImage::kRect, {{-0.5, -0.5}, {19.5, 9.5}});
       image->setClipped(true);
     }, 1, 0, 5, OdGePoint3d(10, 15, 0), OdGePoint3d(20, 20, 0)},
    {"wipeout", [](OdDbDatabase* db) {
       auto wipeout = add<OdDbWipeout>(db);
       wipeout->setPixelVectors({4, 0, 0}, {0, 4, 0});
       wipeout->setImageSize({1, 1});
       wipeout->setClipBoundary(OdDbRasterImage::kPoly, {{-0.5, 0.5}, {0.5, 0.5}, {0, -0.5}, {-0.5, 0.5}});
     }, 0, 1, 0, OdGePoint3d(0, 0, 0), OdGePoint3d(4, 4, 0)},
    {"embedded object without corners", [](OdDbDatabase* db) { add<OdDbOle2Frame>(db); }, 0, 0, 0, {}, {}},
    {"embedded object", [](OdDbDatabase* db) { add<OdDbOle2Frame>(db)->setCorners({1, 5, 0}, {4, 2, 0}); },
     1, 0, 5, OdGePoint3d(1, 2, 0), OdGePoint3d(4, 5, 0)},
    // The page's size is not known: only a clip boundary draws.
    {"underlay without a clip boundary", [](OdDbDatabase* db) { add<OdDbPdfReference>(db)->setScaleFactors({2, 2, 1}); },
     0, 0, 0, {}, {}},
    {"placed underlay clip boundary", [](OdDbDatabase* db) {
       auto underlay = add<OdDbPdfReference>(db);
       underlay->setPosition({100, 0, 0});
       underlay->setScaleFactors({2, 2, 1});
       underlay->setRotation(kPi / 2);
       underlay->setClipBoundary({{0, 0}, {3, 1}});
     }, 1, 0, 5, OdGePoint3d(98, 0, 0), OdGePoint3d(100, 6, 0)},
    {"modeler entities", [](OdDbDatabase* db) {
       add<OdDbRegion>(db);
       add<OdDb3dSolid>(db);
       add<OdDbBody>(db);
     }, 0, 0, 0, {}, {}},
};

class EntityDrawing : public ::testing::Test {
 protected:
  EntityDrawing() : db(OdDbDatabase::create()) {}

  template <class T>
  OdSmartPtr<T> add(OdSmartPtr<T> entity) {
    entity->setDatabaseDefaults(db.get());
    addToModelSpace(db.get(), entity.get());
    return entity;
  }

  RecordingSink draw() { return drawModelSpace(db.get()); }
  OdGeExtents3d extents() { return odGiBlockExtents(modelSpaceOf(db.get()).get()); }

  OdDbDatabasePtr db;
};

TEST_F(EntityDrawing, EachEntityDrawsItsOutlinesAndFillsWithinItsExtents) {
  for (const DrawingCase& c : kDrawingCases) {
    SCOPED_TRACE(c.name);
    OdDbDatabasePtr own = OdDbDatabase::create();
    c.build(own.get());
    RecordingSink sink = drawModelSpace(own.get());
    // Geometry entities draw all they draw in world draw: none needs a viewport's.
    for (OdDbObjectId id : modelSpaceOf(own.get())->entityIds()) {
      RecordingWorldDraw wd;
      EXPECT_TRUE(OdDbEntity::cast(id.openObject().get())->worldDraw(&wd));
    }
    EXPECT_EQ(sink.polylines.size(), c.polylines);
    EXPECT_EQ(sink.polygons.size(), c.polygons);
    if (c.firstPolylinePoints && !sink.polylines.empty()) {
      EXPECT_EQ(sink.polylines[0].size(), c.firstPolylinePoints);
      if (c.firstPolylinePoints == 5) {
        EXPECT_EQ(sink.polylines[0].front(), sink.polylines[0].back());
      }
    }
    if (c.front && !sink.polylines.empty()) {
      expectPoint(sink.polylines[0].front(), *c.front);
      expectPoint(sink.polylines[0].back(), *c.back);
    }
    OdGeExtents3d extents = odGiBlockExtents(modelSpaceOf(own.get()).get());
    ASSERT_EQ(extents.isValidExtents(), c.min.has_value());
    if (c.min) {
      expectPoint(extents.minPoint(), *c.min);
      expectPoint(extents.maxPoint(), *c.max);
    }
  }
}


TEST_F(EntityDrawing, PolyfaceEdgesSplitByHiddenOnesAreSeparatePolylines) {
  polyface(db.get(), {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {{1, -2, 3, -4}});
  RecordingSink sink = draw();
  ASSERT_EQ(sink.polylines.size(), 2u);
  EXPECT_EQ(sink.polylines[0], (RecordingSink::Points{{1, 1, 0}, {0, 1, 0}}));
  EXPECT_EQ(sink.polylines[1], (RecordingSink::Points{{0, 0, 0}, {1, 0, 0}}));
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

}  // namespace
