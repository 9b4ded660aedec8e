#include "DbHatch.h"

#include "DbOcs.h"
#include "GiHatchGeometry.h"
#include "GiWorldDraw.h"

#include <cmath>

ODRX_DEFINE_NAMED(OdDbHatch, "AcDbHatch", OdDbEntity, "HATCH", odrxNewReferenced<OdDbHatch>)

const dxf::ClassLayout& OdDbHatch::layout() {
  // The boundary loops, the pattern, the seeds and the gradient repeat and
  // nest: one handler reads them all, from the loop count (91) on.
  static const dxf::Custom body{&OdDbHatch::readBody, &OdDbHatch::writeBody};
  static const dxf::Field fields[] = {
      dxf::field<&OdDbHatch::m_elevation>(10),
      dxf::field<&OdDbHatch::m_normal>(210, dxf::kNormal),
      dxf::field<&OdDbHatch::m_patternName>(2, dxf::defStr("SOLID")),
      dxf::field<&OdDbHatch::m_solidFill>(70, dxf::defInt(1)),
      dxf::field<&OdDbHatch::m_associative>(71),
      dxf::custom(body),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbHatch::OdDbHatch() { layout().applyOwnDefaults(this); }

namespace {

// How one group of a boundary loop, edge or pattern line holds its value.
enum class Holds : uint8_t {
  Real, Angle, Flag, Int32,
  Point, Vector,            // x at the code, y at the code + 10, written as one point
  SplitPoint, SplitVector,  // x at the code, y at the code + 1, written as two reals
};

// One group of a record: its code, how it holds its value and where.
template <class R>
struct RecordGroup {
  int16_t code;
  Holds holds;
  void* (*member)(R&);
};

template <auto M>
constexpr auto group(int code, Holds holds) {
  using Record = typename dxf::MemberOf<M>::Class;
  return RecordGroup<Record>{static_cast<int16_t>(code), holds, [](Record& r) -> void* { return &(r.*M); }};
}

double* coords(void* member, Holds holds) {
  bool point = holds == Holds::Point || holds == Holds::SplitPoint;
  return point ? &static_cast<OdGePoint2d*>(member)->x : &static_cast<OdGeVector2d*>(member)->x;
}

// Reads a group into the record; false when its shape has no such group.
template <class R>
bool readRecordGroup(R& record, std::span<const RecordGroup<R>> shape, const dxf::Group& g) {
  for (const RecordGroup<R>& f : shape) {
    void* m = f.member(record);
    if (f.holds >= Holds::Point) {
      int yCode = f.code + (f.holds >= Holds::SplitPoint ? 1 : 10);
      if (g.code != f.code && g.code != yCode) continue;
      coords(m, f.holds)[g.code == yCode ? 1 : 0] = dxf::toDouble(g);
      return true;
    }
    if (g.code != f.code) continue;
    switch (f.holds) {
      case Holds::Flag: *static_cast<bool*>(m) = dxf::toInt(g) != 0; break;
      case Holds::Int32: *static_cast<int32_t*>(m) = static_cast<int32_t>(dxf::toInt(g)); break;
      default: *static_cast<double*>(m) = dxf::toDouble(g); break;
    }
    return true;
  }
  return false;
}

template <class R>
void writeRecord(const R& record, std::span<const RecordGroup<R>> shape, OdDbDxfFiler* filer) {
  for (const RecordGroup<R>& f : shape) {
    void* m = f.member(const_cast<R&>(record));
    switch (f.holds) {
      case Holds::Real: filer->wrDouble(f.code, *static_cast<double*>(m)); break;
      case Holds::Angle: filer->wrAngle(f.code, *static_cast<double*>(m)); break;
      case Holds::Flag: filer->wrInt16(f.code, *static_cast<bool*>(m) ? 1 : 0); break;
      case Holds::Int32: filer->wrInt32(f.code, *static_cast<int32_t*>(m)); break;
      case Holds::Point: filer->wrPoint2d(f.code, *static_cast<OdGePoint2d*>(m)); break;
      case Holds::Vector: filer->wrVector2d(f.code, *static_cast<OdGeVector2d*>(m)); break;
      case Holds::SplitPoint:
      case Holds::SplitVector:
        filer->wrDouble(f.code, coords(m, f.holds)[0]);
        filer->wrDouble(f.code + 1, coords(m, f.holds)[1]);
        break;
    }
  }
}

using Edge = OdDbHatch::Edge;
using Loop = OdDbHatch::Loop;
using PatternLine = OdDbHatch::PatternLine;

// The groups of each record, in the order files give them. What repeats or
// may be left out (a polyline loop's vertices, a spline's knots, points and
// tangents, a pattern line's dashes) is read and written next to these.
constexpr RecordGroup<Loop> kPolylineLoop[] = {group<&Loop::hasBulges>(72, Holds::Flag),
                                               group<&Loop::closed>(73, Holds::Flag)};
constexpr RecordGroup<Edge> kLineEdge[] = {group<&Edge::start>(10, Holds::Point), group<&Edge::end>(11, Holds::Point)};
constexpr RecordGroup<Edge> kArcEdge[] = {
    group<&Edge::center>(10, Holds::Point), group<&Edge::radius>(40, Holds::Real),
    group<&Edge::startAngle>(50, Holds::Real), group<&Edge::endAngle>(51, Holds::Real),
    group<&Edge::counterClockwise>(73, Holds::Flag)};
constexpr RecordGroup<Edge> kEllipseEdge[] = {
    group<&Edge::center>(10, Holds::Point), group<&Edge::majorAxis>(11, Holds::Vector),
    group<&Edge::minorRatio>(40, Holds::Real), group<&Edge::startAngle>(50, Holds::Real),
    group<&Edge::endAngle>(51, Holds::Real), group<&Edge::counterClockwise>(73, Holds::Flag)};
constexpr RecordGroup<Edge> kSplineEdge[] = {group<&Edge::degree>(94, Holds::Int32),
                                             group<&Edge::rational>(73, Holds::Flag),
                                             group<&Edge::periodic>(74, Holds::Flag)};
constexpr RecordGroup<PatternLine> kPatternLine[] = {group<&PatternLine::angle>(53, Holds::Angle),
                                                     group<&PatternLine::base>(43, Holds::SplitPoint),
                                                     group<&PatternLine::offset>(45, Holds::SplitVector)};

std::span<const RecordGroup<Edge>> edgeShape(OdDbHatch::EdgeType type) {
  switch (type) {
    case OdDbHatch::kLine: return kLineEdge;
    case OdDbHatch::kCirArc: return kArcEdge;
    case OdDbHatch::kEllArc: return kEllipseEdge;
    case OdDbHatch::kSpline: return kSplineEdge;
  }
  return {};
}

// A spline edge's repeated and optional groups.
bool readSplineGroup(Edge& e, const dxf::Group& g) {
  double v = g.code >= 10 && g.code < 60 ? dxf::toDouble(g) : 0;
  switch (g.code) {
    case 95: case 96: return true;  // knot and control point counts
    case 40: e.knots.push_back(v); return true;
    case 10: e.controlPoints.push_back(OdGePoint2d(v, 0)); return true;
    case 20: if (e.controlPoints.empty()) return false; e.controlPoints.back().y = v; return true;
    case 42: e.weights.push_back(v); return true;
    case 11: e.fitPoints.push_back(OdGePoint2d(v, 0)); return true;
    case 21: if (e.fitPoints.empty()) return false; e.fitPoints.back().y = v; return true;
    case 12: e.startTangent.x = v; e.hasStartTangent = true; return true;
    case 22: e.startTangent.y = v; return true;
    case 13: e.endTangent.x = v; e.hasEndTangent = true; return true;
    case 23: e.endTangent.y = v; return true;
    default: return false;
  }
}

bool readEdgeGroup(Edge& e, const dxf::Group& g) {
  return readRecordGroup(e, edgeShape(e.type), g) || (e.type == OdDbHatch::kSpline && readSplineGroup(e, g));
}

void writeSplineLists(const Edge& e, OdDbDxfFiler* filer) {
  filer->wrInt32(95, static_cast<int32_t>(e.knots.size()));
  filer->wrInt32(96, static_cast<int32_t>(e.controlPoints.size()));
  for (double k : e.knots) filer->wrDouble(40, k);
  for (size_t i = 0; i < e.controlPoints.size(); ++i) {
    filer->wrPoint2d(10, e.controlPoints[i]);
    if (i < e.weights.size()) filer->wrDouble(42, e.weights[i]);
  }
  // Always counted: readers of R2010 and later files expect the fit data.
  filer->wrInt32(97, static_cast<int32_t>(e.fitPoints.size()));
  for (const OdGePoint2d& p : e.fitPoints) filer->wrPoint2d(11, p);
  if (e.hasStartTangent) filer->wrVector2d(12, e.startTangent);
  if (e.hasEndTangent) filer->wrVector2d(13, e.endTangent);
}

void writeEdge(const Edge& e, OdDbDxfFiler* filer) {
  filer->wrInt16(72, e.type);
  writeRecord(e, edgeShape(e.type), filer);
  if (e.type == OdDbHatch::kSpline) writeSplineLists(e, filer);
}

void writeLoop(const Loop& loop, OdDbDxfFiler* filer) {
  filer->wrInt32(92, loop.type);
  if (loop.isPolyline()) {
    writeRecord<Loop>(loop, kPolylineLoop, filer);
    filer->wrInt32(93, static_cast<int32_t>(loop.vertices.size()));
    for (size_t i = 0; i < loop.vertices.size(); ++i) {
      filer->wrPoint2d(10, loop.vertices[i]);
      if (loop.hasBulges) filer->wrDouble(42, i < loop.bulges.size() ? loop.bulges[i] : 0.0);
    }
  } else {
    filer->wrInt32(93, static_cast<int32_t>(loop.edges.size()));
    for (const Edge& e : loop.edges) writeEdge(e, filer);
  }
  filer->wrInt32(97, static_cast<int32_t>(loop.sourceIds.size()));
  for (OdDbObjectId id : loop.sourceIds) filer->wrObjectId(330, id);
}

void writePatternLine(const PatternLine& line, OdDbDxfFiler* filer) {
  writeRecord<PatternLine>(line, kPatternLine, filer);
  filer->wrInt16(79, static_cast<int16_t>(line.dashes.size()));
  for (double d : line.dashes) filer->wrDouble(49, d);
}

}  // namespace

double OdDbHatch::Edge::startRadians() const { return dxf::toRadians(counterClockwise ? startAngle : 360 - startAngle); }
double OdDbHatch::Edge::endRadians() const { return dxf::toRadians(counterClockwise ? endAngle : 360 - endAngle); }

std::vector<OdDbHatch::Edge> OdDbHatch::loopEdges(int i) const {
  const Loop& loop = m_loops.at(static_cast<size_t>(i));
  if (!loop.isPolyline()) return loop.edges;
  std::vector<Edge> edges;
  size_t n = loop.vertices.size();
  size_t segments = n > 1 && (loop.closed || loop.vertices.front() != loop.vertices.back()) ? n : n - 1;
  for (size_t k = 0; n > 1 && k < segments; ++k) {
    const OdGePoint2d& p1 = loop.vertices[k];
    const OdGePoint2d& p2 = loop.vertices[(k + 1) % n];
    if (p1 == p2) continue;
    double bulge = k < loop.bulges.size() ? loop.bulges[k] : 0.0;
    Edge e;
    if (bulge == 0) {
      e.type = kLine;
      e.start = p1;
      e.end = p2;
      edges.push_back(e);
      continue;
    }
    // The bulge is the tangent of a quarter of the included angle; the
    // centre lies left of the chord for counter-clockwise (positive) bulges.
    double dx = p2.x - p1.x, dy = p2.y - p1.y;
    double chord = std::hypot(dx, dy);
    double theta = 4 * std::atan(std::fabs(bulge));
    double offset = chord / (2 * std::tan(theta / 2)) * (bulge > 0 ? 1 : -1);
    e.type = kCirArc;
    e.center = OdGePoint2d((p1.x + p2.x) / 2 - dy / chord * offset, (p1.y + p2.y) / 2 + dx / chord * offset);
    e.radius = chord / (2 * std::sin(theta / 2));
    e.counterClockwise = bulge > 0;
    auto degrees = [&](const OdGePoint2d& p) {
      double a = dxf::toDegrees(std::atan2(p.y - e.center.y, p.x - e.center.x));
      if (!e.counterClockwise) a = -a;  // clockwise angles are held as 360 minus the angle
      return a < 0 ? a + 360 : a;
    };
    e.startAngle = degrees(p1);
    e.endAngle = degrees(p2);
    edges.push_back(e);
  }
  return edges;
}

bool OdDbHatch::readBody(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx) {
  auto* hatch = static_cast<OdDbHatch*>(obj);
  switch (hatch->m_phase) {
    case Phase::Header:
      // Before the loops the plain fields read; the count itself follows from the loops.
      if (g.code != 91) return false;
      hatch->m_phase = Phase::Paths;
      return true;
    case Phase::Paths:
    case Phase::Sources:
      if (hatch->readPathGroup(g, ctx)) return true;
      hatch->m_phase = Phase::Tail;
      break;
    default: break;
  }
  if (hatch->readTailGroup(g, ctx)) return true;
  // Kept in place so that no field before the loops takes it.
  dxf::appendGroup(hatch->m_extra, g, ctx);
  return true;
}

bool OdDbHatch::readPathGroup(const dxf::Group& g, dxf::ReadContext& ctx) {
  if (g.code == 92) {
    m_loops.emplace_back();
    m_loops.back().type = static_cast<int32_t>(dxf::toInt(g));
    m_phase = Phase::Paths;
    return true;
  }
  if (m_loops.empty()) return false;
  Loop& loop = m_loops.back();
  if (m_phase == Phase::Sources) {
    if (g.code != 330) return false;
    loop.sourceIds.push_back(ctx.idOf(g));
    return true;
  }
  if (g.code == 97) {
    // Splines of R2010 and later files count their fit points with a 97 of
    // their own, before the loop's count of source objects.
    if (!loop.isPolyline() && !loop.edges.empty() && loop.edges.back().type == kSpline &&
        !loop.edges.back().fitCountRead && ctx.version() >= 1024) {
      loop.edges.back().fitCountRead = true;
      return true;
    }
    m_phase = Phase::Sources;
    return true;
  }
  double v = 0;
  if (g.code >= 10 && g.code < 60) v = dxf::toDouble(g);
  if (loop.isPolyline()) {
    if (readRecordGroup<Loop>(loop, kPolylineLoop, g)) return true;
    switch (g.code) {
      case 93: return true;  // the vertex count: the vertices tell it
      case 10:
        loop.vertices.push_back(OdGePoint2d(v, 0));
        loop.bulges.push_back(0);
        return true;
      case 20: if (loop.vertices.empty()) return false; loop.vertices.back().y = v; return true;
      case 42: if (loop.bulges.empty()) return false; loop.bulges.back() = v; return true;
      default: return false;
    }
  }
  if (g.code == 93) return true;  // the edge count
  if (g.code == 72) {
    loop.edges.emplace_back();
    loop.edges.back().type = static_cast<EdgeType>(dxf::toInt(g));
    return true;
  }
  if (loop.edges.empty()) return false;
  return readEdgeGroup(loop.edges.back(), g);
}

bool OdDbHatch::readPatternLineGroup(const dxf::Group& g) {
  if (g.code == 53) m_patternLines.emplace_back();
  if (m_patternLines.empty()) return false;
  PatternLine& line = m_patternLines.back();
  if (g.code == 49) line.dashes.push_back(dxf::toDouble(g));
  return g.code == 49 || g.code == 79 || readRecordGroup<PatternLine>(line, kPatternLine, g);  // 79 counts the dashes
}

bool OdDbHatch::readTailGroup(const dxf::Group& g, dxf::ReadContext& ctx) {
  double v = (g.code >= 10 && g.code < 60) || (g.code >= 460 && g.code < 470) ? dxf::toDouble(g) : 0;
  auto i = [&] { return dxf::toInt(g); };
  if (m_phase == Phase::PatternLines && readPatternLineGroup(g)) return true;
  switch (g.code) {
    case 75: m_style = static_cast<int16_t>(i()); return true;
    case 76: m_patternType = static_cast<int16_t>(i()); return true;
    case 52: m_patternAngle = v; m_hasPatternData = true; return true;
    case 41: m_patternScale = v; m_hasPatternData = true; return true;
    case 77: m_patternDouble = static_cast<int16_t>(i()); m_hasPatternData = true; return true;
    case 78: m_hasPatternData = true; m_phase = Phase::PatternLines; return true;  // the line count
    case 47: m_pixelSize = v; m_hasPixelSize = true; return true;
    case 98: m_phase = Phase::Seeds; return true;  // the seed count
    case 10: if (m_phase != Phase::Seeds) return false; m_seeds.push_back(OdGePoint2d(v, 0)); return true;
    case 20: if (m_phase != Phase::Seeds || m_seeds.empty()) return false; m_seeds.back().y = v; return true;
    case 450: m_gradientType = static_cast<int32_t>(i()); m_hasGradient = true; return true;
    case 451: m_gradientReserved = static_cast<int32_t>(i()); return true;
    case 452: m_gradientOneColor = static_cast<int32_t>(i()); return true;
    case 453: return true;  // the colour count
    case 460: m_gradientAngle = v; return true;
    case 461: m_gradientShift = v; return true;
    case 462: m_gradientTint = v; return true;
    case 463: m_gradientColors.emplace_back(); m_gradientColors.back().value = v; return true;
    case 63:
      if (m_gradientColors.empty()) return false;
      m_gradientColors.back().colorIndex = static_cast<int16_t>(i());
      m_gradientColors.back().hasIndex = true;
      return true;
    case 421:
      if (m_gradientColors.empty()) return false;
      m_gradientColors.back().rgb = static_cast<int32_t>(i());
      m_gradientColors.back().hasRgb = true;
      return true;
    case 470: m_gradientName = ctx.decodeString(g.value); return true;
    default: return false;
  }
}

void OdDbHatch::writeBody(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* h = static_cast<const OdDbHatch*>(obj);
  filer->wrInt32(91, static_cast<int32_t>(h->m_loops.size()));
  for (const Loop& loop : h->m_loops) writeLoop(loop, filer);
  filer->wrInt16(75, h->m_style);
  filer->wrInt16(76, h->m_patternType);
  if (!h->m_solidFill || h->m_hasPatternData) {
    filer->wrAngle(52, h->m_patternAngle);
    filer->wrDouble(41, h->m_patternScale);
    filer->wrInt16(77, h->m_patternDouble);
    filer->wrInt16(78, static_cast<int16_t>(h->m_patternLines.size()));
    for (const PatternLine& line : h->m_patternLines) writePatternLine(line, filer);
  }
  if (h->m_hasPixelSize) filer->wrDouble(47, h->m_pixelSize);
  filer->wrInt32(98, static_cast<int32_t>(h->m_seeds.size()));
  for (const OdGePoint2d& p : h->m_seeds) filer->wrPoint2d(10, p);
  if (h->m_hasGradient) {
    filer->wrInt32(450, h->m_gradientType);
    filer->wrInt32(451, h->m_gradientReserved);
    filer->wrDouble(460, h->m_gradientAngle);
    filer->wrDouble(461, h->m_gradientShift);
    filer->wrInt32(452, h->m_gradientOneColor);
    filer->wrDouble(462, h->m_gradientTint);
    filer->wrInt32(453, static_cast<int32_t>(h->m_gradientColors.size()));
    for (const GradientColor& c : h->m_gradientColors) {
      filer->wrDouble(463, c.value);
      if (c.hasIndex) filer->wrInt16(63, c.colorIndex);
      if (c.hasRgb) filer->wrInt32(421, c.rgb);
    }
    filer->wrString(470, h->m_gradientName);
  }
  dxf::writeGroups(h->m_extra, filer);
}

double OdDbHatch::patternAngle() const { return dxf::toRadians(m_patternAngle); }
void OdDbHatch::setPatternAngle(double radians) { m_patternAngle = dxf::toDegrees(radians); }

void OdDbHatch::setPattern(HatchPatternType type, const OdString& name) {
  m_patternType = type;
  m_patternName = name;
  m_solidFill = 0;
  m_hasPatternData = true;
}

void OdDbHatch::setSolidFill(bool on) {
  m_solidFill = on ? 1 : 0;
  if (on) m_patternName = OdString("SOLID");
}

void OdDbHatch::setPatternLines(const std::vector<PatternLine>& lines) {
  m_patternLines = lines;
  m_hasPatternData = true;
}

void OdDbHatch::appendLoop(int32_t type, const std::vector<OdGePoint2d>& vertices, const std::vector<double>& bulges) {
  Loop loop;
  loop.type = type | kPolyline;
  loop.vertices = vertices;
  loop.bulges = bulges;
  loop.bulges.resize(vertices.size(), 0.0);
  for (double b : loop.bulges) loop.hasBulges = loop.hasBulges || b != 0;
  m_loops.push_back(std::move(loop));
}

void OdDbHatch::appendLoop(int32_t type, const std::vector<Edge>& edges) {
  Loop loop;
  loop.type = type & ~kPolyline;
  loop.edges = edges;
  m_loops.push_back(std::move(loop));
}

namespace {

// From the hatch's plane to the world.
struct HatchPlane {
  OdGeVector3d normal;
  double elevation;

  OdGePoint3d toWorld(const OdGePoint2d& p) const {
    if (isWorldXY()) return {p.x, p.y, elevation};
    return odOcsToWcs(OdGePoint3d(p.x, p.y, elevation), normal);
  }
  bool isWorldXY() const { return normal.x == 0 && normal.y == 0 && normal.z > 0; }
  std::vector<OdGePoint3d> toWorld(const OdGiPoints2d& points) const {
    std::vector<OdGePoint3d> world;
    for (const OdGePoint2d& p : points) world.push_back(toWorld(p));
    return world;
  }
};

// All loops as one outline, filled by the even-odd rule so that islands stay
// empty: each loop closed, then back to where the first one began, so every
// seam between loops runs there and back and fills nothing.
void drawFill(OdGiWorldDraw* wd, const std::vector<OdGiPoints2d>& loops, const HatchPlane& plane) {
  std::vector<OdGePoint3d> outline;
  for (const OdGiPoints2d& loop : loops) {
    if (loop.size() < 3) continue;
    std::vector<OdGePoint3d> points = plane.toWorld(loop);
    OdGePoint3d start = outline.empty() ? points.front() : outline.front();
    outline.insert(outline.end(), points.begin(), points.end());
    outline.push_back(points.front());
    if (start != points.front()) outline.push_back(start);
  }
  if (!outline.empty()) wd->geometry().polygon(static_cast<int32_t>(outline.size()), outline.data());
}

void drawOutlines(OdGiWorldDraw* wd, const std::vector<OdGiPoints2d>& loops, const HatchPlane& plane) {
  for (const OdGiPoints2d& loop : loops) {
    std::vector<OdGePoint3d> points = plane.toWorld(loop);
    if (points.size() > 2) points.push_back(points.front());
    wd->geometry().polyline(static_cast<int32_t>(points.size()), points.data(), &plane.normal);
  }
}

void drawSegments(OdGiWorldDraw* wd, const std::vector<OdGiSegment2d>& segments, const HatchPlane& plane) {
  for (const OdGiSegment2d& s : segments) {
    OdGePoint3d points[2] = {plane.toWorld(s.first), plane.toWorld(s.second)};
    wd->geometry().polyline(2, points, &plane.normal);
  }
}

// Pattern lines only where they can be seen; a pattern denser than the
// pixels (or than any screen could show) looks filled, and is drawn filled.
void drawPattern(OdGiWorldDraw* wd, const OdDbHatch& hatch, const std::vector<OdGiPoints2d>& loops,
                 const HatchPlane& plane) {
  const auto& lines = hatch.patternLines().empty() ? odGiStandardPatternLines(hatch) : hatch.patternLines();
  OdGiHatchView view;
  view.pixelSize = wd->pixelSize();
  if (!plane.isWorldXY() || !wd->visibleRect(view.visible)) view.visible = OdGeExtents2d();
  if (odGiHatchPatternTooDense(loops, lines, view)) drawFill(wd, loops, plane);
  else drawSegments(wd, odGiHatchPatternSegments(loops, lines, view), plane);
}

OdCmEntityColor colorOf(const OdDbHatch::GradientColor& c) {
  if (c.hasRgb) return OdCmEntityColor(uint8_t(c.rgb >> 16), uint8_t(c.rgb >> 8), uint8_t(c.rgb));
  OdCmEntityColor color;
  color.setColorIndex(c.hasIndex ? c.colorIndex : 7);
  return color;
}

}  // namespace

bool OdDbHatch::subWorldDraw(OdGiWorldDraw* wd) const {
  HatchPlane plane{m_normal.isZeroLength() ? OdGeVector3d::kZAxis : m_normal, m_elevation.z};
  std::vector<OdGiPoints2d> loops;
  for (int i = 0; i < numLoops(); ++i) {
    OdGiPoints2d points = odGiHatchLoopPoints(loopEdges(i));
    if (points.size() >= 2) loops.push_back(std::move(points));
  }
  if (isGradient() || isSolidFill()) {
    OdGiSubEntityTraits& traits = wd->subEntityTraits();
    OdCmEntityColor own = traits.trueColor();
    if (isGradient() && !m_gradientColors.empty()) traits.setTrueColor(colorOf(m_gradientColors.front()));
    drawFill(wd, loops, plane);
    traits.setTrueColor(own);
  } else if (wd->regenType() != kOdGiForExtents) {
    drawPattern(wd, *this, loops, plane);
  }
  drawOutlines(wd, loops, plane);
  return true;
}
