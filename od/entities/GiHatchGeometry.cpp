#include "GiHatchGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
// Beyond these a pattern is too dense to be worth drawing line by line.
constexpr double kMaxLinesPerFamily = 10000;
constexpr double kMaxDashesPerRun = 10000;
constexpr size_t kMaxSegments = 1000000;

double dot(const OdGeVector2d& a, const OdGeVector2d& b) { return a.x * b.x + a.y * b.y; }
OdGeVector2d operator-(const OdGePoint2d& a, const OdGePoint2d& b) { return {a.x - b.x, a.y - b.y}; }
OdGePoint2d operator+(const OdGePoint2d& p, const OdGeVector2d& v) { return {p.x + v.x, p.y + v.y}; }
OdGeVector2d operator*(const OdGeVector2d& v, double s) { return {v.x * s, v.y * s}; }
double distance(const OdGePoint2d& a, const OdGePoint2d& b) { return std::hypot(a.x - b.x, a.y - b.y); }
OdGeVector2d rotated(const OdGeVector2d& v, double a) {
  return {v.x * std::cos(a) - v.y * std::sin(a), v.x * std::sin(a) + v.y * std::cos(a)};
}

// From start to end in the edge's direction: positive counter-clockwise, a
// full turn when they meet.
double sweepOf(double start, double end, bool counterClockwise) {
  double sweep = std::fmod(counterClockwise ? end - start : start - end, 2 * kPi);
  if (sweep <= 1e-12) sweep += 2 * kPi;
  return counterClockwise ? sweep : -sweep;
}

// center + u cos(a) + v sin(a) for a over the sweep.
OdGiPoints2d ellipsePoints(const OdGePoint2d& center, const OdGeVector2d& u, const OdGeVector2d& v, double start,
                           double sweep, int circleSegments) {
  int n = std::max(2, static_cast<int>(std::ceil(std::fabs(sweep) / (2 * kPi) * circleSegments)));
  OdGiPoints2d points;
  for (int i = 0; i <= n; ++i) {
    double a = start + sweep * i / n;
    points.push_back(center + u * std::cos(a) + v * std::sin(a));
  }
  return points;
}

// The point of a (rational) B-spline at t, by de Boor's algorithm in homogeneous coordinates.
OdGePoint2d splinePoint(const OdDbHatch::Edge& e, double t) {
  const auto& knots = e.knots;
  size_t n = e.controlPoints.size(), p = static_cast<size_t>(e.degree);
  size_t span = p;
  while (span + 1 < n && knots[span + 1] <= t) ++span;
  std::vector<std::array<double, 3>> d(p + 1);
  for (size_t j = 0; j <= p; ++j) {
    size_t i = span - p + j;
    double w = e.weights.size() == n && e.weights[i] > 0 ? e.weights[i] : 1;
    d[j] = {e.controlPoints[i].x * w, e.controlPoints[i].y * w, w};
  }
  for (size_t r = 1; r <= p; ++r) {
    for (size_t j = p; j >= r; --j) {
      size_t i = span - p + j;
      double denominator = knots[i + p - r + 1] - knots[i];
      double alpha = denominator > 0 ? (t - knots[i]) / denominator : 0;
      for (int c = 0; c < 3; ++c) d[j][c] = (1 - alpha) * d[j - 1][c] + alpha * d[j][c];
    }
  }
  return {d[p][0] / d[p][2], d[p][1] / d[p][2]};
}

OdGiPoints2d splinePoints(const OdDbHatch::Edge& e) {
  size_t n = e.controlPoints.size();
  bool valid = e.degree >= 1 && n > static_cast<size_t>(e.degree) && e.knots.size() == n + e.degree + 1;
  if (!valid) return e.fitPoints.size() >= 2 ? e.fitPoints : e.controlPoints;
  double t0 = e.knots[e.degree], t1 = e.knots[n];
  int steps = static_cast<int>(std::max<size_t>(16, n * 8));
  OdGiPoints2d points;
  for (int i = 0; i <= steps; ++i) points.push_back(splinePoint(e, t0 + (t1 - t0) * i / steps));
  return points;
}

OdGiPoints2d edgePoints(const OdDbHatch::Edge& e, int circleSegments) {
  double start = e.startRadians(), sweep = sweepOf(start, e.endRadians(), e.counterClockwise);
  switch (e.type) {
    case OdDbHatch::kLine: return {e.start, e.end};
    case OdDbHatch::kCirArc:
      return ellipsePoints(e.center, {e.radius, 0}, {0, e.radius}, start, sweep, circleSegments);
    case OdDbHatch::kEllArc: {
      OdGeVector2d minor = OdGeVector2d(-e.majorAxis.y, e.majorAxis.x) * e.minorRatio;
      return ellipsePoints(e.center, e.majorAxis, minor, start, sweep, circleSegments);
    }
    case OdDbHatch::kSpline: return splinePoints(e);
  }
  return {};
}

// Continues the chain with the points, turned around when their far end is the nearer.
void appendToChain(OdGiPoints2d& chain, OdGiPoints2d points) {
  if (points.empty()) return;
  if (!chain.empty() && distance(chain.back(), points.back()) < distance(chain.back(), points.front()))
    std::reverse(points.begin(), points.end());
  for (const OdGePoint2d& p : points)
    if (chain.empty() || p != chain.back()) chain.push_back(p);
}

// Where the line origin + t * along crosses the loops; sorted.
std::vector<double> crossings(const std::vector<OdGiPoints2d>& loops, const OdGePoint2d& origin,
                              const OdGeVector2d& along, const OdGeVector2d& across) {
  std::vector<double> ts;
  for (const OdGiPoints2d& loop : loops) {
    for (size_t i = 0; i < loop.size(); ++i) {
      const OdGePoint2d& p = loop[i];
      const OdGePoint2d& q = loop[(i + 1) % loop.size()];
      double sp = dot(p - origin, across), sq = dot(q - origin, across);
      if ((sp > 0) == (sq > 0)) continue;  // points on the line count as below it, so vertices count once
      double tp = dot(p - origin, along), tq = dot(q - origin, along);
      ts.push_back(tp + (tq - tp) * sp / (sp - sq));
    }
  }
  std::sort(ts.begin(), ts.end());
  return ts;
}

// Where the line origin + t * along runs inside the rectangle: narrows
// [t0, t1] to it; false when it misses the rectangle.
bool clipToRect(const OdGeExtents2d& rect, const OdGePoint2d& origin, const OdGeVector2d& along, double& t0,
                double& t1) {
  const double o[2] = {origin.x, origin.y}, d[2] = {along.x, along.y};
  const double lo[2] = {rect.minPoint().x, rect.minPoint().y}, hi[2] = {rect.maxPoint().x, rect.maxPoint().y};
  for (int axis = 0; axis < 2; ++axis) {
    if (d[axis] == 0) {
      if (o[axis] < lo[axis] || o[axis] > hi[axis]) return false;
      continue;
    }
    double a = (lo[axis] - o[axis]) / d[axis], b = (hi[axis] - o[axis]) / d[axis];
    t0 = std::max(t0, std::min(a, b));
    t1 = std::min(t1, std::max(a, b));
  }
  return t0 <= t1;
}

// The dashes of the line between t0 and t1; the dash pattern starts at the line's origin.
void addDashes(const OdGePoint2d& origin, const OdGeVector2d& along, double t0, double t1,
               const std::vector<double>& dashes, double pixelSize, std::vector<OdGiSegment2d>& out) {
  auto add = [&](double a, double b) { out.emplace_back(origin + along * a, origin + along * b); };
  double period = 0;
  for (double dash : dashes) period += std::fabs(dash);
  bool finerThanPixels = period < 2 * pixelSize;
  if (period <= 0 || finerThanPixels || (t1 - t0) / period > kMaxDashesPerRun) {
    if (t1 > t0) add(t0, t1);
    return;
  }
  for (double m = std::floor(t0 / period); m * period < t1 && out.size() < kMaxSegments; ++m) {
    double t = m * period;
    for (double dash : dashes) {
      double a = std::max(t, t0), b = std::min(t + std::fabs(dash), t1);
      if (dash > 0 ? a < b : dash == 0 && a == b) add(a, b);
      t += std::fabs(dash);
    }
  }
}

// A family of parallel lines, line k through base + offset * k.
struct Family {
  OdGeVector2d along, across;
  double spacing;  // across, from one line to the next; 0 for a family that does not advance

  explicit Family(const OdDbHatch::PatternLine& line) {
    double angle = line.angle * kPi / 180;
    along = {std::cos(angle), std::sin(angle)};
    across = {-std::sin(angle), std::cos(angle)};
    spacing = std::fabs(dot(line.offset, across)) < 1e-12 ? 0 : dot(line.offset, across);
  }
};

// The first and last k of the lines that cross the loops where the view shows them; empty when none does.
std::pair<double, double> lineRange(const std::vector<OdGiPoints2d>& loops, const OdDbHatch::PatternLine& line,
                                    const Family& family, const OdGiHatchView& view) {
  double low = INFINITY, high = -INFINITY;
  auto take = [&](const OdGePoint2d& p, double& lo, double& hi) {
    double s = dot(p - line.base, family.across) / family.spacing;
    lo = std::min(lo, s);
    hi = std::max(hi, s);
  };
  for (const OdGiPoints2d& loop : loops)
    for (const OdGePoint2d& p : loop) take(p, low, high);
  if (view.visible.isValidExtents()) {
    double seenLow = INFINITY, seenHigh = -INFINITY;
    const OdGePoint2d& a = view.visible.minPoint();
    const OdGePoint2d& b = view.visible.maxPoint();
    for (const OdGePoint2d& corner : {a, OdGePoint2d(b.x, a.y), b, OdGePoint2d(a.x, b.y)}) take(corner, seenLow, seenHigh);
    low = std::max(low, seenLow);
    high = std::min(high, seenHigh);
  }
  return {std::ceil(low), std::floor(high)};
}

// A family with the first and last k of its lines that the view shows across the loops.
struct SeenFamily {
  Family family;
  double first, last;
  bool any() const { return family.spacing != 0 && last >= first; }
  bool tooMany() const { return last - first > kMaxLinesPerFamily; }
};

SeenFamily seenFamily(const std::vector<OdGiPoints2d>& loops, const OdDbHatch::PatternLine& line,
                      const OdGiHatchView& view) {
  Family family(line);
  if (family.spacing == 0) return {family, 1, 0};
  auto [first, last] = lineRange(loops, line, family, view);
  return {family, first, last};
}

bool familyTooDense(const std::vector<OdGiPoints2d>& loops, const OdDbHatch::PatternLine& line,
                    const OdGiHatchView& view) {
  SeenFamily seen = seenFamily(loops, line, view);
  return seen.any() && (seen.tooMany() || std::fabs(seen.family.spacing) < view.pixelSize);
}

void addFamily(const std::vector<OdGiPoints2d>& loops, const OdDbHatch::PatternLine& line, const OdGiHatchView& view,
               std::vector<OdGiSegment2d>& out) {
  SeenFamily seen = seenFamily(loops, line, view);
  if (!seen.any() || seen.tooMany()) return;
  const Family& family = seen.family;
  for (double k = seen.first; k <= seen.last && out.size() < kMaxSegments; ++k) {
    OdGePoint2d origin = line.base + line.offset * k;
    std::vector<double> ts = crossings(loops, origin, family.along, family.across);
    for (size_t i = 0; i + 1 < ts.size(); i += 2) {
      double t0 = ts[i], t1 = ts[i + 1];
      if (view.visible.isValidExtents() && !clipToRect(view.visible, origin, family.along, t0, t1)) continue;
      addDashes(origin, family.along, t0, t1, line.dashes, view.pixelSize, out);
    }
  }
}

// A family of a pattern file: angle in degrees, base point, and the offset
// along and across the line.
struct PatFamily {
  double angle, x, y, dx, dy;
};

std::vector<PatFamily> standardFamilies(const OdString& name) {
  OdString upper = name.upper();
  if (upper == OdString("ANSI31")) return {{45, 0, 0, 0, 3.175}};
  if (upper == OdString("ANSI32")) return {{45, 0, 0, 0, 9.525}, {45, 4.49013, 0, 0, 9.525}};
  if (upper == OdString("ANSI37")) return {{45, 0, 0, 0, 3.175}, {135, 0, 0, 0, 3.175}};
  if (upper == OdString("LINE")) return {{0, 0, 0, 0, 3.175}};
  if (upper == OdString("NET")) return {{0, 0, 0, 0, 3.175}, {90, 0, 0, 0, 3.175}};
  return {};
}

}  // namespace

OdGiPoints2d odGiHatchLoopPoints(const std::vector<OdDbHatch::Edge>& edges, int circleSegments) {
  OdGiPoints2d chain;
  for (const OdDbHatch::Edge& e : edges) appendToChain(chain, edgePoints(e, circleSegments));
  if (chain.size() > 1 && chain.front() == chain.back()) chain.pop_back();
  return chain;
}

std::vector<OdDbHatch::PatternLine> odGiStandardPatternLines(const OdDbHatch& hatch) {
  std::vector<PatFamily> families;
  if (hatch.patternType() == OdDbHatch::kUserDefined) {
    // The scale is the spacing of user-defined lines; doubled ones cross at right angles.
    families.push_back({0, 0, 0, 0, 1});
    if (hatch.patternDouble()) families.push_back({90, 0, 0, 0, 1});
  } else {
    families = standardFamilies(hatch.patternName());
  }
  double rotation = hatch.patternAngle(), scale = hatch.patternScale() > 0 ? hatch.patternScale() : 1;
  std::vector<OdDbHatch::PatternLine> lines;
  for (const PatFamily& f : families) {
    OdDbHatch::PatternLine line;
    line.angle = f.angle + rotation * 180 / kPi;
    OdGeVector2d base = rotated(OdGeVector2d(f.x, f.y) * scale, rotation);
    line.base = OdGePoint2d(base.x, base.y);
    line.offset = rotated(OdGeVector2d(f.dx, f.dy) * scale, line.angle * kPi / 180);
    lines.push_back(line);
  }
  return lines;
}

bool odGiHatchPatternTooDense(const std::vector<OdGiPoints2d>& loops, const std::vector<OdDbHatch::PatternLine>& lines,
                              const OdGiHatchView& view) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const OdDbHatch::PatternLine& line) { return familyTooDense(loops, line, view); });
}

std::vector<OdGiSegment2d> odGiHatchPatternSegments(const std::vector<OdGiPoints2d>& loops,
                                                   const std::vector<OdDbHatch::PatternLine>& lines,
                                                   const OdGiHatchView& view) {
  std::vector<OdGiSegment2d> out;
  for (const OdDbHatch::PatternLine& line : lines) addFamily(loops, line, view, out);
  return out;
}
