#include "DbPolyline.h"

#include "DbOcs.h"
#include "GiWorldDraw.h"

#include <algorithm>
#include <cmath>
#include <numbers>

ODRX_DEFINE_NAMED(OdDbPolyline, "AcDbPolyline", OdDbCurve, "LWPOLYLINE", odrxNewReferenced<OdDbPolyline>)

const dxf::ClassLayout& OdDbPolyline::layout() {
  static const dxf::Custom count{&OdDbPolyline::readCount, &OdDbPolyline::writeCount, &OdDbPolyline::copyCount};
  static const dxf::Custom width{&OdDbPolyline::readWidth, &OdDbPolyline::writeWidth, &OdDbPolyline::copyWidth};
  static const dxf::Custom vertices{&OdDbPolyline::readVertices, &OdDbPolyline::writeVertices,
                                    &OdDbPolyline::copyVertices};
  static const dxf::Field fields[] = {
      dxf::custom(count),
      dxf::field<&OdDbPolyline::m_flags>(70),
      dxf::custom(width),
      dxf::optional<&OdDbPolyline::m_elevation>(38),
      dxf::optional<&OdDbPolyline::m_thickness>(39),
      dxf::custom(vertices),
      dxf::optional<&OdDbPolyline::m_normal>(210, dxf::kNormal),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbPolyline::OdDbPolyline() {
  layout().applyOwnDefaults(this);
  m_constantWidth = 0;
  m_vertexWidths = false;
}

// The count is the vertex list's size; the one read is not needed.
bool OdDbPolyline::readCount(OdDbObject*, const dxf::Group& g, dxf::ReadContext&) { return g.code == 90; }

void OdDbPolyline::writeCount(const OdDbObject* obj, OdDbDxfFiler* filer) {
  filer->wrInt32(90, static_cast<int32_t>(static_cast<const OdDbPolyline*>(obj)->m_vertices.size()));
}

void OdDbPolyline::copyCount(const OdDbObject*, OdDbObject*, dxf::CopyContext&) {}

bool OdDbPolyline::readWidth(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext&) {
  if (g.code != 43) return false;
  static_cast<OdDbPolyline*>(obj)->m_constantWidth = dxf::toDouble(g);
  return true;
}

// A constant width and widths per vertex exclude each other in files.
void OdDbPolyline::writeWidth(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* pl = static_cast<const OdDbPolyline*>(obj);
  if (!pl->widthsPerVertex()) filer->wrDouble(43, pl->m_constantWidth);
}

void OdDbPolyline::copyWidth(const OdDbObject* from, OdDbObject* to, dxf::CopyContext&) {
  auto* source = static_cast<const OdDbPolyline*>(from);
  if (!source->widthsPerVertex()) static_cast<OdDbPolyline*>(to)->m_constantWidth = source->m_constantWidth;
}

bool OdDbPolyline::readVertices(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext&) {
  auto* pl = static_cast<OdDbPolyline*>(obj);
  auto& list = pl->m_vertices;
  if (g.code == 10) {
    list.push_back(Vertex{});
    list.back().point.x = dxf::toDouble(g);
    return true;
  }
  if (list.empty()) return false;  // vertex data before any vertex: kept as read
  Vertex& v = list.back();
  switch (g.code) {
    case 20: v.point.y = dxf::toDouble(g); return true;
    case 40:
      v.startWidth = dxf::toDouble(g);
      pl->m_vertexWidths = true;
      return true;
    case 41:
      v.endWidth = dxf::toDouble(g);
      pl->m_vertexWidths = true;
      return true;
    case 42: v.bulge = dxf::toDouble(g); return true;
    case 91: v.id = static_cast<int32_t>(dxf::toInt(g)); return true;
    default: return false;
  }
}

void OdDbPolyline::writeVertices(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* pl = static_cast<const OdDbPolyline*>(obj);
  bool all = filer->includesDefaultValues();
  bool widths = all || pl->widthsPerVertex();
  bool ids = all;
  for (const Vertex& v : pl->m_vertices) ids = ids || v.id != 0;
  for (const Vertex& v : pl->m_vertices) {
    filer->wrPoint2d(10, v.point);
    if (ids) filer->wrInt32(91, v.id);
    if (widths) {
      filer->wrDouble(40, v.startWidth);
      filer->wrDouble(41, v.endWidth);
    }
    if (all || v.bulge != 0) filer->wrDouble(42, v.bulge);
  }
}

// Widths not written are 0 (no vertex has any), as are ids; the vertices give
// widths once one is read.
void OdDbPolyline::copyVertices(const OdDbObject* from, OdDbObject* to, dxf::CopyContext&) {
  auto* source = static_cast<const OdDbPolyline*>(from);
  auto* pl = static_cast<OdDbPolyline*>(to);
  pl->m_vertices = source->m_vertices;
  if (source->widthsPerVertex() && !source->m_vertices.empty()) pl->m_vertexWidths = true;
}

OdDbPolyline::Vertex& OdDbPolyline::vertex(unsigned index) {
  if (index >= m_vertices.size()) throw OdError_InvalidIndex();
  return m_vertices[index];
}

const OdDbPolyline::Vertex& OdDbPolyline::vertex(unsigned index) const {
  if (index >= m_vertices.size()) throw OdError_InvalidIndex();
  return m_vertices[index];
}

OdGePoint3d OdDbPolyline::getPointAt3d(unsigned index) const {
  const OdGePoint2d& p = vertex(index).point;
  return odOcsToWcs(OdGePoint3d(p.x, p.y, m_elevation), m_normal);
}

void OdDbPolyline::getWidthsAt(unsigned index, double& startWidth, double& endWidth) const {
  const Vertex& v = vertex(index);
  bool own = widthsPerVertex();
  startWidth = own ? v.startWidth : m_constantWidth;
  endWidth = own ? v.endWidth : m_constantWidth;
}

void OdDbPolyline::addVertexAt(unsigned index, const OdGePoint2d& point, double bulge, double startWidth,
                               double endWidth) {
  if (index > m_vertices.size()) throw OdError_InvalidIndex();
  // Negative widths: none of the vertex's own (the constant width applies if it is in use).
  if ((startWidth >= 0 || endWidth >= 0) && !widthsPerVertex()) spreadConstantWidth();
  Vertex v;
  v.point = point;
  v.bulge = bulge;
  v.startWidth = startWidth < 0 ? 0 : startWidth;
  v.endWidth = endWidth < 0 ? 0 : endWidth;
  m_vertices.insert(m_vertices.begin() + index, v);
}

void OdDbPolyline::removeVertexAt(unsigned index) {
  vertex(index);
  m_vertices.erase(m_vertices.begin() + index);
}

void OdDbPolyline::setWidthsAt(unsigned index, double startWidth, double endWidth) {
  Vertex& v = vertex(index);
  if (!widthsPerVertex()) spreadConstantWidth();
  v.startWidth = startWidth;
  v.endWidth = endWidth;
  m_vertexWidths = true;
}

bool OdDbPolyline::hasBulges() const {
  for (const Vertex& v : m_vertices)
    if (v.bulge != 0) return true;
  return false;
}

bool OdDbPolyline::hasWidth() const {
  for (const Vertex& v : m_vertices)
    if (v.startWidth != 0 || v.endWidth != 0) return true;
  return false;
}

// Widths of their own on some vertices: the others keep the constant width they had.
void OdDbPolyline::spreadConstantWidth() {
  for (Vertex& v : m_vertices) v.startWidth = v.endWidth = m_constantWidth;
  m_vertexWidths = true;
}

void OdDbPolyline::setConstantWidth(double width) {
  m_constantWidth = width;
  m_vertexWidths = false;
  for (Vertex& v : m_vertices) v.startWidth = v.endWidth = 0;
}

namespace {

constexpr int kSegmentsPerTurn = 72;  // of wide arcs, which are tessellated here

// The circle a bulged segment runs along, in object coordinates; the sweep is
// signed, counter-clockwise when positive.
struct BulgeArc {
  OdGePoint3d center;
  double radius;
  double startAngle;
  double sweep;
};

BulgeArc bulgeArc(const OdGePoint3d& a, const OdGePoint3d& b, double bulge) {
  OdGeVector3d chord = b - a;
  double c = chord.length();
  OdGeVector3d left(-chord.y / c, chord.x / c, 0);
  OdGePoint3d center = a + chord * 0.5 + left * (c * (1 - bulge * bulge) / (4 * bulge));
  double radius = c * (1 + bulge * bulge) / (4 * std::fabs(bulge));
  return {center, radius, std::atan2(a.y - center.y, a.x - center.x), 4 * std::atan(bulge)};
}

// Draws segments one by one, joining consecutive thin straight ones into one polyline.
class SegmentDrawer {
 public:
  SegmentDrawer(OdGiWorldDraw* wd, double elevation, const OdGeVector3d& normal)
      : m_geometry(wd->geometry()), m_elevation(elevation), m_normal(normal) {}

  void segment(const OdDbPolyline::Vertex& from, const OdGePoint2d& to) {
    OdGePoint3d a = ocs(from.point), b = ocs(to);
    bool wide = from.startWidth > 0 || from.endWidth > 0;
    // Bulges too small to tell from straight would give arcs of unmanageable radius.
    bool bulged = std::fabs(from.bulge) > 1e-10 && std::isfinite(from.bulge) && a != b;
    if (!wide && !bulged) return straight(a, b);
    flush();
    if (!bulged) return wideStraight(a, b, from.startWidth, from.endWidth);
    BulgeArc arc = bulgeArc(a, b, from.bulge);
    if (wide) wideArc(arc, from.startWidth, from.endWidth);
    else thinArc(arc, a);
  }

  void finish() { flush(); }

 private:
  OdGePoint3d ocs(const OdGePoint2d& p) const { return OdGePoint3d(p.x, p.y, m_elevation); }
  OdGePoint3d world(const OdGePoint3d& ocsPoint) const { return odOcsToWcs(ocsPoint, m_normal); }

  void straight(const OdGePoint3d& a, const OdGePoint3d& b) {
    if (m_run.empty()) m_run.push_back(world(a));
    m_run.push_back(world(b));
  }

  void flush() {
    if (m_run.size() >= 2) m_geometry.polyline(static_cast<int32_t>(m_run.size()), m_run.data());
    m_run.clear();
  }

  void thinArc(const BulgeArc& arc, const OdGePoint3d& start) {
    OdGePoint3d center = world(arc.center);
    // A clockwise arc is a counter-clockwise one about the opposite normal.
    OdGeVector3d normal = arc.sweep > 0 ? m_normal : -m_normal;
    m_geometry.circularArc(center, arc.radius, normal, world(start) - center, std::fabs(arc.sweep));
  }

  void wideStraight(const OdGePoint3d& a, const OdGePoint3d& b, double w0, double w1) {
    OdGeVector3d along = b - a;
    if (along.length() == 0) return;
    OdGeVector3d side = OdGeVector3d(-along.y, along.x, 0).normal();
    const OdGePoint3d outline[] = {world(a + side * (w0 / 2)), world(b + side * (w1 / 2)), world(b - side * (w1 / 2)),
                                   world(a - side * (w0 / 2))};
    m_geometry.polygon(4, outline);
  }

  // The band between two arcs, as wide as the widths and narrowing evenly from one to the other.
  void wideArc(const BulgeArc& arc, double w0, double w1) {
    double turns = std::fabs(arc.sweep) / (2 * std::numbers::pi);
    int steps = std::max(4, static_cast<int>(std::ceil(turns * kSegmentsPerTurn)));
    std::vector<OdGePoint3d> outline(2 * (steps + 1));
    for (int i = 0; i <= steps; ++i) {
      double t = double(i) / steps;
      double angle = arc.startAngle + arc.sweep * t;
      double half = (w0 + (w1 - w0) * t) / 2;
      OdGeVector3d radial(std::cos(angle), std::sin(angle), 0);
      outline[i] = world(arc.center + radial * (arc.radius + half));
      outline[outline.size() - 1 - i] = world(arc.center + radial * (arc.radius - half));
    }
    m_geometry.polygon(static_cast<int32_t>(outline.size()), outline.data());
  }

  OdGiWorldGeometry& m_geometry;
  double m_elevation;
  OdGeVector3d m_normal;
  std::vector<OdGePoint3d> m_run;  // thin straight segments not drawn yet, in world coordinates
};

}  // namespace

void OdDbPolyline::drawVertices(OdGiWorldDraw* wd, const std::vector<Vertex>& vertices, bool closed, double elevation,
                                const OdGeVector3d& normal) {
  if (vertices.empty()) return;
  SegmentDrawer drawer(wd, elevation, normal);
  if (vertices.size() == 1) {  // a dot
    Vertex dot;
    dot.point = vertices[0].point;
    drawer.segment(dot, dot.point);
  } else {
    size_t segments = closed ? vertices.size() : vertices.size() - 1;
    for (size_t i = 0; i < segments; ++i) drawer.segment(vertices[i], vertices[(i + 1) % vertices.size()].point);
  }
  drawer.finish();
}

bool OdDbPolyline::subWorldDraw(OdGiWorldDraw* wd) const {
  if (widthsPerVertex()) {
    drawVertices(wd, m_vertices, isClosed(), m_elevation, m_normal);
    return true;
  }
  std::vector<Vertex> vertices = m_vertices;
  for (Vertex& v : vertices) v.startWidth = v.endWidth = m_constantWidth;
  drawVertices(wd, vertices, isClosed(), m_elevation, m_normal);
  return true;
}
