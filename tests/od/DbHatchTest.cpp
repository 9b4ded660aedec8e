// Hatches: boundary loops (polylines with bulges, chains of edges with
// clockwise and counter-clockwise arcs), patterns, seeds and gradients as
// real drawings give them, and written back.

#include "DbHatch.h"
#include "EntityTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace entity_test;

using Edge = OdDbHatch::Edge;

// Where an edge really starts and ends, from its own data.
OdGePoint2d pointOnArc(const Edge& e, double radians) {
  return OdGePoint2d(e.center.x + e.radius * std::cos(radians), e.center.y + e.radius * std::sin(radians));
}
OdGePoint2d edgeStart(const Edge& e) { return e.type == OdDbHatch::kLine ? e.start : pointOnArc(e, e.startRadians()); }
OdGePoint2d edgeEnd(const Edge& e) { return e.type == OdDbHatch::kLine ? e.end : pointOnArc(e, e.endRadians()); }

double distance(const OdGePoint2d& a, const OdGePoint2d& b) { return std::hypot(a.x - b.x, a.y - b.y); }

// Every edge starts where the one before it ends, and the last one closes the loop.
void expectClosedChain(const std::vector<Edge>& edges, double tolerance) {
  ASSERT_FALSE(edges.empty());
  for (size_t i = 0; i < edges.size(); ++i) {
    const Edge& next = edges[(i + 1) % edges.size()];
    EXPECT_LT(distance(edgeEnd(edges[i]), edgeStart(next)), tolerance) << "between edge " << i << " and the next";
  }
}

TEST(DbHatch, PolylineLoopWithABulgeThatBecomesAnArcEdge) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/ceco_architecture_AC1015.dxf");
  OdDbHatchPtr hatch = byHandle<OdDbHatch>(db.get(), 0xCE4);
  ASSERT_TRUE(hatch);
  EXPECT_TRUE(hatch->isSolidFill());
  EXPECT_TRUE(hatch->associative());
  ASSERT_EQ(hatch->numLoops(), 1);
  const OdDbHatch::Loop& loop = hatch->loopAt(0);
  EXPECT_EQ(loop.type, OdDbHatch::kExternal | OdDbHatch::kPolyline | OdDbHatch::kDerived);
  EXPECT_TRUE(loop.isPolyline() && loop.hasBulges && loop.closed);
  ASSERT_EQ(loop.vertices.size(), 5u);
  EXPECT_EQ(loop.vertices[4], OdGePoint2d(19.63046739400715, 2.011926049758017));
  EXPECT_EQ(loop.bulges, (std::vector<double>{0, 0, 0, 0, -1}));
  // The loop was made from five entities of the drawing.
  ASSERT_EQ(loop.sourceIds.size(), 5u);
  const uint64_t sources[] = {0xCDE, 0xCE2, 0xCE1, 0xCE0, 0xCDF};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(loop.sourceIds[i].getHandle().value(), sources[i]);
    EXPECT_TRUE(OdDbEntity::cast(loop.sourceIds[i].openObject().get())) << i;
  }
  ASSERT_EQ(hatch->seedPoints().size(), 1u);
  EXPECT_EQ(hatch->seedPoints()[0], OdGePoint2d(20.16301353814708, 2.624658056542955));
  // The bulge becomes an arc edge.
  auto edges = hatch->loopEdges(0);
  ASSERT_EQ(edges.size(), 5u);
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(edges[i].type, OdDbHatch::kLine) << i;
  const Edge& arc = edges[4];
  ASSERT_EQ(arc.type, OdDbHatch::kCirArc);
  // A bulge of -1: a half circle, clockwise, over the chord back to the first vertex.
  EXPECT_FALSE(arc.counterClockwise);
  double chord = 20.59687853030533 - 19.63046739400715;
  EXPECT_NEAR(arc.radius, chord / 2, 1e-12);
  EXPECT_NEAR(arc.center.x, (20.59687853030533 + 19.63046739400715) / 2, 1e-12);
  EXPECT_NEAR(arc.center.y, 2.011926049758017, 1e-12);
  expectClosedChain(edges, 1e-9);
  // Clockwise from the west end of the chord to the east end passes the top.
  double sweep = std::remainder(arc.startRadians() - arc.endRadians() - std::numbers::pi, 2 * std::numbers::pi) +
                 std::numbers::pi;
  EXPECT_NEAR(sweep, std::numbers::pi, 1e-12);
  double mid = arc.startRadians() - sweep / 2;
  EXPECT_NEAR(std::sin(mid), 1.0, 1e-9);
}

TEST(DbHatch, EdgeLoopOfLinesAndArcsBothWaysWithItsPatternAndSeeds) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/api_cw750_curtainwall_details_AC1027.dxf");
  OdDbHatchPtr hatch = byHandle<OdDbHatch>(db.get(), 0x1438);
  ASSERT_TRUE(hatch);
  ASSERT_EQ(hatch->numLoops(), 1);
  const OdDbHatch::Loop& loop = hatch->loopAt(0);
  EXPECT_EQ(loop.type, OdDbHatch::kExternal);
  ASSERT_EQ(loop.edges.size(), 17u);
  std::string kinds;
  for (const Edge& e : loop.edges) kinds += e.type == OdDbHatch::kLine ? 'L' : 'A';
  EXPECT_EQ(kinds, "LLLLLLAALALALAALA");

  const Edge& first = loop.edges[0];
  EXPECT_EQ(first.start, OdGePoint2d(519.9134740971784, 336.7945861367827));
  EXPECT_EQ(first.end, OdGePoint2d(519.6437191751546, 336.7945861367827));
  const Edge& ccw = loop.edges[6];
  EXPECT_TRUE(ccw.counterClockwise);
  EXPECT_EQ(ccw.center, OdGePoint2d(519.9184740971784, 336.5365861367826));
  EXPECT_DOUBLE_EQ(ccw.endRadians(), 135.1896880937414 * std::numbers::pi / 180);
  const Edge& cw = loop.edges[7];
  EXPECT_FALSE(cw.counterClockwise);
  EXPECT_EQ(cw.startAngle, 44.81031190628409);  // as the file holds it: 360 minus the angle
  EXPECT_DOUBLE_EQ(cw.startRadians(), (360 - 44.81031190628409) * std::numbers::pi / 180);
  EXPECT_DOUBLE_EQ(cw.endRadians(), (360 - 90.00000000003618) * std::numbers::pi / 180);
  // Read with the right sense, the seventeen edges make one closed boundary.
  expectClosedChain(hatch->loopEdges(0), 1e-6);
  // Its pattern and seeds, as read and as written.
  EXPECT_EQ(hatch->patternScale(), 0.625);
  ASSERT_EQ(hatch->patternLines().size(), 1u);
  const auto& line = hatch->patternLines()[0];
  EXPECT_EQ(line.angle, 315.0);
  EXPECT_EQ(line.base, OdGePoint2d(520.1834740971784, 336.2945861367827));
  EXPECT_EQ(line.offset, OdGeVector2d(-0.055242717280199, -0.055242717280199));
  EXPECT_TRUE(line.dashes.empty());
  ASSERT_EQ(hatch->seedPoints().size(), 2u);
  EXPECT_EQ(hatch->seedPoints()[1], OdGePoint2d(521.2027459712816, 336.7315833594013));
  Record r = writtenRecord(db.get(), 0x1438);
  EXPECT_EQ(r.value(93) + " " + r.value(78) + " " + r.value(53) + " " + r.value(98), "17 1 315.0 2");
  EXPECT_EQ(r.values(72).size(), 17u);
}

TEST(DbHatch, GradientFill) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("pairs/twin_ascii_vs_binary_AC1024/a.dxf");
  OdDbHatchPtr hatch = byHandle<OdDbHatch>(db.get(), 0x371);
  ASSERT_TRUE(hatch);
  EXPECT_TRUE(hatch->isGradient());
  EXPECT_TRUE(hatch->isSolidFill());
  EXPECT_FALSE(hatch->gradientOneColorMode());
  const auto& colors = hatch->gradientColors();
  ASSERT_EQ(colors.size(), 2u);
  EXPECT_EQ(colors[0].colorIndex, 5);
  EXPECT_EQ(colors[0].rgb, 0x0000FF);
  EXPECT_EQ(colors[1].value, 1.0);
  EXPECT_EQ(colors[1].rgb, 0xFFFF00);
  EXPECT_EQ(hatch->loopAt(0).sourceIds.at(0).getHandle().value(), 0x36Fu);
  expectClosedChain(hatch->loopEdges(0), 1e-12);
  // The application data after the hatch stays where it was.
  Record r = writtenRecord(db.get(), 0x371);
  EXPECT_EQ(r.value(470), "LINEAR");
  EXPECT_EQ(r.values(1001), (std::vector<std::string>{"GradientColor1ACI", "GradientColor2ACI", "ACAD"}));
}

// A loop with a spline edge; newer files give the spline's fit points a count of their own.
std::string hatchWithSpline(const std::string& version, bool fitCount) {
  std::string spline =
      "72\n4\n94\n3\n73\n0\n74\n0\n95\n8\n96\n4\n40\n0\n40\n0\n40\n0\n40\n0\n40\n1\n40\n1\n40\n1\n40\n1\n"
      "10\n0\n20\n0\n10\n1\n20\n2\n10\n3\n20\n2\n10\n4\n20\n0\n";
  if (fitCount) spline += "97\n2\n11\n0\n21\n0\n11\n4\n21\n0\n12\n1\n22\n0\n13\n1\n23\n0\n";
  return drawingWithEntities(
      version,
      "0\nLINE\n5\nB0\n100\nAcDbEntity\n8\n0\n100\nAcDbLine\n10\n4\n20\n0\n30\n0\n11\n0\n21\n0\n31\n0\n"
      "0\nHATCH\n5\nB1\n100\nAcDbEntity\n8\n0\n100\nAcDbHatch\n10\n0\n20\n0\n30\n0\n210\n0\n220\n0\n230\n1\n"
      "2\nSOLID\n70\n1\n71\n1\n91\n1\n92\n1\n93\n2\n" +
          spline + "72\n1\n10\n4\n20\n0\n11\n0\n21\n0\n97\n1\n330\nB0\n75\n0\n76\n1\n98\n0\n");
}

void expectSplineLoop(const OdDbHatch* hatch, bool fitData) {
  ASSERT_EQ(hatch->numLoops(), 1);
  const auto& loop = hatch->loopAt(0);
  ASSERT_EQ(loop.edges.size(), 2u);
  const Edge& spline = loop.edges[0];
  EXPECT_EQ(spline.type, OdDbHatch::kSpline);
  EXPECT_EQ(spline.degree, 3);
  EXPECT_EQ(spline.knots.size(), 8u);
  ASSERT_EQ(spline.controlPoints.size(), 4u);
  EXPECT_EQ(spline.controlPoints[2], OdGePoint2d(3, 2));
  EXPECT_EQ(spline.fitPoints.size(), fitData ? 2u : 0u);
  EXPECT_EQ(spline.hasStartTangent, fitData);
  EXPECT_EQ(loop.edges[1].type, OdDbHatch::kLine);
  EXPECT_EQ(loop.edges[1].end, OdGePoint2d(0, 0));
  // The loop's own count names its source entity; it is not taken for the spline's.
  ASSERT_EQ(loop.sourceIds.size(), 1u);
  EXPECT_EQ(loop.sourceIds[0].getHandle().value(), 0xB0u);
}

TEST(DbHatch, SplineEdgesOfOlderAndNewerFiles) {
  for (bool newer : {false, true}) {
    SCOPED_TRACE(newer ? "AC1024" : "AC1015");
    OdDbDatabasePtr db = odDxfReadBuffer(hatchWithSpline(newer ? "AC1024" : "AC1015", newer), OdString("spline.dxf"));
    OdDbHatchPtr hatch = byHandle<OdDbHatch>(db.get(), 0xB1);
    ASSERT_TRUE(hatch);
    expectSplineLoop(hatch.get(), newer);
    OdDbDatabasePtr again = saveAndReopen(db.get());
    OdDbHatchPtr read = byHandle<OdDbHatch>(again.get(), 0xB1);
    ASSERT_TRUE(read);
    expectSplineLoop(read.get(), newer);
  }
}

}  // namespace
