// make_samples: writes the sample drawings the project ships: the floor plan
// of a small apartment (plan.dxf) and its revision (plan_revised.dxf).
//   make_samples OUTDIR
//
// Millimetres, wall centre lines on whole numbers. The revision:
//   moves the bathroom wall 300 east, and with it the WC and two dimensions;
//   removes the kitchen wall and one nightstand;
//   adds a kitchen island, a dining chair and a note;
//   thickens the bedroom wall (wider polyline), redraws the armchair block
//   (both armchairs change), retiles the kitchen (another pattern) and
//   enlarges the bathroom floor (a larger hatch);
//   renames the kitchen;
//   gives the coffee table a colour of its own and moves the kitchen counter
//   to the fixtures layer, which by default count as the same objects.
// The output is the same bytes on every run.

#include "DxfWriter.h"
#include "OdError.h"
#include "SampleDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <utility>

namespace {

constexpr double kExteriorWall = 250;
constexpr double kPartition = 100;

// A gap in a wall: along one edge of the outline, measured from its first corner.
struct Opening {
  int edge;
  double from, to;
};

class ApartmentPlan {
 public:
  explicit ApartmentPlan(bool revised) : m_drawing(revised ? "reviewer" : "designer"), m_revised(revised) {}

  OdDbDatabase* build() {
    layers();
    blocks();
    floors();
    walls();
    windows();
    doors();
    bedroom();
    bathroom();
    living();
    kitchen();
    hall();
    labels();
    notes();
    dimensions();
    return m_drawing.database();
  }

 private:
  // ---- what the revision changes

  double bathroomWallX() const { return m_revised ? 6800 : 6500; }
  double bedroomWallWidth() const { return m_revised ? 150 : kPartition; }
  // The bathroom's floor between its walls' faces.
  double bathroomLeft() const { return 4000 + bedroomWallWidth() / 2; }
  double bathroomRight() const { return bathroomWallX() - kPartition / 2; }

  // The outer wall's centre line, anticlockwise from the end of the chamfered corner.
  static Outline exteriorCorners() { return {{1200, 0}, {10000, 0}, {10000, 7000}, {0, 7000}, {0, 1200}}; }

  // Windows and the entrance door in the outer wall, by edge of exteriorCorners().
  static std::vector<Opening> exteriorOpenings() {
    return {
        {0, 1200, 3200}, {0, 5800, 7400},                    // living and kitchen, south
        {1, 1200, 2400},                                     // kitchen, east
        {2, 600, 1600}, {2, 4200, 5000}, {2, 7200, 8800},    // entrance, bathroom, bedroom, north
        {3, 3400, 4800},                                     // living, west
        {4, 350, 1350},                                      // living, the chamfer
    };
  }

  void layers() {
    const std::pair<const char*, int16_t> layers[] = {
        {"WALLS", 7}, {"WINDOWS", 4}, {"DOORS", 30}, {"FURNITURE", 3}, {"FIXTURES", 6},
        {"FLOOR", 8}, {"TEXT", 2},    {"DIMENSIONS", 140}};
    for (auto [name, color] : layers) m_drawing.addLayer(name, color);
  }

  // ---- blocks: furniture and fixtures stand with their back on the X axis,
  // centred on the origin, and reach down (negative Y)

  void blocks() {
    m_window = m_drawing.defineBlock("WINDOW", [this] { windowBlock(); });
    m_chair = m_drawing.defineBlock("CHAIR", [this] { chairBlock(); });
    m_table = m_drawing.defineBlock("DINING_TABLE", [this] { box({-800, -450}, {800, 450}); });
    m_armchair = m_drawing.defineBlock("ARMCHAIR", [this] { armchairBlock(); });
    m_sofa = m_drawing.defineBlock("SOFA", [this] { sofaBlock(); });
    m_bed = m_drawing.defineBlock("BED", [this] { bedBlock(); });
    m_nightstand = m_drawing.defineBlock("NIGHTSTAND", [this] { nightstandBlock(); });
    m_bathtub = m_drawing.defineBlock("BATHTUB", [this] { bathtubBlock(); });
    m_wc = m_drawing.defineBlock("WC", [this] { wcBlock(); });
    m_basin = m_drawing.defineBlock("BASIN", [this] { basinBlock(); });
    m_sink = m_drawing.defineBlock("SINK", [this] { sinkBlock(); });
    m_stove = m_drawing.defineBlock("STOVE", [this] { stoveBlock(); });
  }

  void box(Vec low, Vec high) { m_drawing.polyline(rectangle(low, high), true); }

  // One unit long across a 250 wall: both faces, the double glazing and the jambs.
  void windowBlock() {
    const double half = kExteriorWall / 2;
    for (double y : {-half, -30.0, 30.0, half}) m_drawing.line({0, y}, {1, y});
    for (double x : {0.0, 1.0}) m_drawing.line({x, -half}, {x, half});
  }

  // Centred on its seat; the back is at negative Y.
  void chairBlock() {
    box({-200, -200}, {200, 220});
    box({-220, -260}, {220, -200});
  }

  void armchairBlock() {
    box({-400, -800}, {400, 0});
    if (!m_revised) {
      box({-400, -800}, {-250, -200});
      box({250, -800}, {400, -200});
      m_drawing.line({-250, -200}, {250, -200});
      return;
    }
    // Revision: slim arms and a loose cushion.
    box({-400, -800}, {-300, -180});
    box({300, -800}, {400, -180});
    m_drawing.line({-300, -180}, {300, -180});
    box({-270, -770}, {270, -220});
  }

  void sofaBlock() {
    box({-1100, -900}, {1100, 0});
    m_drawing.line({-950, -200}, {950, -200});
    for (double x : {-950.0, 950.0}) m_drawing.line({x, -900}, {x, -200});
    m_drawing.line({0, -900}, {0, -200});
  }

  void bedBlock() {
    box({-800, -2000}, {800, 0});
    box({-700, -450}, {-100, -100});
    box({100, -450}, {700, -100});
    m_drawing.line({-800, -700}, {800, -700});
  }

  void nightstandBlock() {
    box({-200, -400}, {200, 0});
    m_drawing.circle({0, -200}, 100);
  }

  void bathtubBlock() {
    box({-850, -750}, {850, 0});
    box({-780, -680}, {780, -70});
    m_drawing.circle({-650, -375}, 30);
  }

  void wcBlock() {
    box({-200, -180}, {200, 0});
    for (double x : {-180.0, 180.0}) m_drawing.line({x, -180}, {x, -450});
    m_drawing.arc({0, -450}, 180, 180, 360);
  }

  void basinBlock() {
    box({-250, -400}, {250, 0});
    m_drawing.circle({0, -220}, 150);
    m_drawing.circle({0, -45}, 25);
  }

  void sinkBlock() {
    box({-400, -500}, {400, 0});
    box({-370, -450}, {30, -80});
    m_drawing.circle({-170, -265}, 30);
    for (double x : {100.0, 200.0, 300.0}) m_drawing.line({x, -430}, {x, -100});
  }

  void stoveBlock() {
    box({-300, -600}, {300, 0});
    for (double x : {-140.0, 140.0}) {
      m_drawing.circle({x, -170}, 90);
      m_drawing.circle({x, -430}, 70);
    }
  }

  // ---- the building

  void floors() {
    m_drawing.useLayer("FLOOR");
    // Kitchen tiles, 300 by 300, around the counter (and the island of the revision).
    std::vector<Outline> kitchen{{{5850, 725}, {9275, 725}, {9275, 3000}, {9875, 3000}, {9875, 4150}, {5850, 4150}}};
    if (m_revised) kitchen.push_back(kitchenIsland());
    m_drawing.hatch(m_revised ? "ANSI37" : "NET", 95, kitchen);
    // Bathroom tiles, 150 by 150, around the bath tub, the basin and the WC.
    m_drawing.hatch("NET", 47.5,
                    {{{bathroomLeft(), 4250}, {bathroomRight(), 4250}, {bathroomRight(), 6875}, {5800, 6875},
                      {5800, 6125}, {bathroomLeft(), 6125}},
                     rectangle({4100, 4750}, {4500, 5250}),
                     rectangle({bathroomRight() - 630, 5400}, {bathroomRight(), 5800})});
  }

  static Outline kitchenIsland() { return rectangle({6700, 2100}, {8500, 3000}); }

  void walls() {
    m_drawing.useLayer("WALLS");
    for (const Outline& run : wallRuns(exteriorCorners(), exteriorOpenings()))
      m_drawing.polyline(run, false, kExteriorWall);
    // The partition along y = 4200, broken by the bedroom and bathroom doors
    // and the opening from the hall to the kitchen.
    const double pieces[][2] = {{0, 2900}, {3800, 5000}, {5800, 7200}, {8400, 10000}};
    for (const auto& p : pieces) m_drawing.polyline({{p[0], 4200}, {p[1], 4200}}, false, kPartition);
    m_drawing.polyline({{4000, 4200}, {4000, 7000}}, false, bedroomWallWidth());
    m_drawing.polyline({{bathroomWallX(), 4200}, {bathroomWallX(), 7000}}, false, kPartition);
    if (!m_revised) m_drawing.polyline({{5800, 0}, {5800, 3000}}, false, kPartition);  // the kitchen wall
  }

  // The runs of a closed wall between its openings.
  static std::vector<Outline> wallRuns(const Outline& corners, const std::vector<Opening>& openings) {
    const size_t n = corners.size();
    std::vector<double> at{0};  // how far round each corner is
    for (size_t i = 0; i < n; ++i) at.push_back(at.back() + length(corners[(i + 1) % n] - corners[i]));
    std::vector<Opening> gaps = openings;
    std::sort(gaps.begin(), gaps.end(), [&](const Opening& a, const Opening& b) {
      return at[a.edge] + a.from < at[b.edge] + b.from;
    });
    std::vector<Outline> runs;
    for (size_t k = 0; k < gaps.size(); ++k) {
      const Opening& after = gaps[k];
      const Opening& before = gaps[(k + 1) % gaps.size()];
      Outline run{pointAlong(corners, after.edge, after.to)};
      // The corners it turns at: none between two openings of one edge, all
      // when it goes round to the opening it started from.
      size_t turns = (before.edge - after.edge + n) % n;
      if (turns == 0 && before.from <= after.to) turns = n;
      for (size_t step = 1; step <= turns; ++step) run.push_back(corners[(after.edge + step) % n]);
      run.push_back(pointAlong(corners, before.edge, before.from));
      runs.push_back(run);
    }
    return runs;
  }

  // The point at a distance along an edge of a closed outline, from its first corner.
  static Vec pointAlong(const Outline& corners, int edge, double distance) {
    Vec first = corners[edge];
    return first + unit(corners[(edge + 1) % corners.size()] - first) * distance;
  }

  // A window block in each opening but the entrance, stretched to its width.
  void windows() {
    m_drawing.useLayer("WINDOWS");
    const Outline corners = exteriorCorners();
    for (const Opening& o : exteriorOpenings()) {
      if (o.edge == 2 && o.from == 600) continue;  // the entrance door
      Vec along = unit(corners[(o.edge + 1) % corners.size()] - corners[o.edge]);
      double degrees = std::atan2(along.y, along.x) * 180 / std::numbers::pi;
      m_drawing.insert(m_window, pointAlong(corners, o.edge, o.from), degrees, o.to - o.from);
    }
  }

  // A door leaf standing open and the arc its edge sweeps, anticlockwise from startDegrees.
  void door(Vec hinge, double width, double startDegrees, double openDegrees) {
    m_drawing.line(hinge, hinge + direction(openDegrees) * width);
    m_drawing.arc(hinge, width, startDegrees, startDegrees + 90);
  }

  void doors() {
    m_drawing.useLayer("DOORS");
    door({3800, 4200}, 900, 90, 90);    // bedroom
    door({5000, 4200}, 800, 0, 90);     // bathroom
    door({9400, 7000}, 1000, 180, 270); // entrance
  }

  // ---- rooms

  void bedroom() {
    m_drawing.useLayer("FURNITURE");
    m_drawing.insert(m_bed, {125, 5600}, 90);
    // Revision: the nightstand by the door goes.
    if (!m_revised) m_drawing.insert(m_nightstand, {125, 4550}, 90);
    m_drawing.insert(m_nightstand, {125, 6650}, 90);
  }

  void bathroom() {
    m_drawing.useLayer("FIXTURES");
    m_drawing.insert(m_bathtub, {4950, 6875});
    m_drawing.insert(m_basin, {4100, 5000}, 90);
    m_drawing.insert(m_wc, {bathroomRight(), 5600}, 270);  // moves with the wall
  }

  void living() {
    m_drawing.useLayer("FURNITURE");
    m_drawing.insert(m_sofa, {125, 2900}, 90);
    auto* coffeeTable = m_drawing.circle({1700, 2900}, 450);
    if (m_revised) coffeeTable->setColorIndex(1);  // Revision: a red coffee table
    m_drawing.insert(m_armchair, {3200, 3500}, 270);
    m_drawing.insert(m_armchair, {3200, 2300}, 270);
    diningSet();
  }

  void diningSet() {
    const Vec table{4300, 1600};
    m_drawing.insert(m_table, table);
    for (double dx : {-400.0, 400.0}) {
      m_drawing.insert(m_chair, table + Vec{dx, -750});
      m_drawing.insert(m_chair, table + Vec{dx, 750}, 180);
    }
    if (m_revised) m_drawing.insert(m_chair, table + Vec{1100, 0}, 90);  // Revision: a chair at the head
  }

  void kitchen() {
    // Revision: the counter moves to the fixtures layer.
    m_drawing.useLayer(m_revised ? "FIXTURES" : "FURNITURE");
    m_drawing.polyline({{5850, 125}, {9875, 125}, {9875, 3000}, {9275, 3000}, {9275, 725}, {5850, 725}}, true);
    m_drawing.useLayer("FIXTURES");
    m_drawing.insert(m_stove, {6400, 125}, 180);
    m_drawing.insert(m_sink, {7800, 125}, 180);
    if (m_revised) m_drawing.polyline(kitchenIsland(), true);  // Revision: an island
  }

  void hall() {
    m_drawing.useLayer("FURNITURE");
    m_drawing.circle({9500, 4650}, 250);  // a plant
  }

  // ---- annotation

  void labels() {
    m_drawing.useLayer("TEXT");
    m_drawing.text("LIVING", {2200, 1300}, 250);
    m_drawing.text(m_revised ? "OPEN KITCHEN" : "KITCHEN", {7600, 1450}, 250);
    m_drawing.text("BEDROOM", {3020, 5900}, 250);
    m_drawing.text("BATH", {5250, 5650}, 200);
    m_drawing.text("HALL", {7900, 5500}, 250);
  }

  void notes() {
    m_drawing.useLayer("TEXT");
    m_drawing.mtext("APARTMENT 2B\\PFloor plan 1:50", {0, -1500}, 250, 4400);
    std::string notes =
        "NOTES\\P1. Dimensions in millimetres, to wall centre lines.\\P"
        "2. Outer walls 250, partitions 100 unless noted.\\P3. Floor tiles: kitchen 300 x 300, bathroom 150 x 150.";
    if (m_revised) notes += "\\P4. Rev A: kitchen wall removed, bathroom enlarged, bedroom wall 150.";
    m_drawing.mtext(notes.c_str(), {4700, -1500}, 150, 5300);
  }

  void dimensions() {
    m_drawing.useLayer("DIMENSIONS");
    const double north[] = {0, 4000, bathroomWallX(), 10000};  // bedroom, bathroom, hall
    for (int i = 0; i < 3; ++i)
      m_drawing.rotatedDimension({north[i], 7000}, {north[i + 1], 7000}, {0, 7700}, 0);
    m_drawing.rotatedDimension({0, 7000}, {10000, 7000}, {0, 8300}, 0);
    const Vec west[] = {{1200, 0}, {0, 1200}, {0, 4200}, {0, 7000}};
    for (int i = 0; i < 3; ++i) m_drawing.rotatedDimension(west[i], west[i + 1], {-700, 0}, 90);
    m_drawing.rotatedDimension({1200, 0}, {0, 7000}, {-1300, 0}, 90);
    m_drawing.alignedDimension({0, 1200}, {1200, 0}, -600);
  }

  SampleDrawing m_drawing;
  bool m_revised;
  OdDbObjectId m_window, m_chair, m_table, m_armchair, m_sofa, m_bed, m_nightstand, m_bathtub, m_wc, m_basin,
      m_sink, m_stove;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_samples OUTDIR\n");
    return 2;
  }
  try {
    std::string dir = argv[1];
    odDxfWriteFile(ApartmentPlan(false).build(), OdString(dir + "/plan.dxf"));
    odDxfWriteFile(ApartmentPlan(true).build(), OdString(dir + "/plan_revised.dxf"));
  } catch (const OdError& e) {
    std::fprintf(stderr, "make_samples: %s\n", e.description().utf8().c_str());
    return 1;
  }
  return 0;
}
