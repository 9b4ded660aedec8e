#include "DbPolyline.h"

#include "DbOcs.h"

ODRX_DEFINE_NAMED(OdDbPolyline, "AcDbPolyline", OdDbCurve, "LWPOLYLINE", odrxNewReferenced<OdDbPolyline>)

const dxf::ClassLayout& OdDbPolyline::layout() {
  static const dxf::Custom count{&OdDbPolyline::readCount, &OdDbPolyline::writeCount};
  static const dxf::Custom width{&OdDbPolyline::readWidth, &OdDbPolyline::writeWidth};
  static const dxf::Custom vertices{&OdDbPolyline::readVertices, &OdDbPolyline::writeVertices};
  static const dxf::Field fields[] = {
      dxf::marker("AcDbPolyline"),
      dxf::custom(count),
      dxf::field<&OdDbPolyline::m_flags>(70),
      dxf::custom(width),
      dxf::optional<&OdDbPolyline::m_elevation>(38),
      dxf::optional<&OdDbPolyline::m_thickness>(39),
      dxf::custom(vertices),
      dxf::optional<&OdDbPolyline::m_normal>(210, dxf::kNormal),
  };
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
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

bool OdDbPolyline::readWidth(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext&) {
  if (g.code != 43) return false;
  static_cast<OdDbPolyline*>(obj)->m_constantWidth = dxf::toDouble(g.value);
  return true;
}

// A constant width and widths per vertex exclude each other in files.
void OdDbPolyline::writeWidth(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* pl = static_cast<const OdDbPolyline*>(obj);
  if (!pl->widthsPerVertex()) filer->wrDouble(43, pl->m_constantWidth);
}

bool OdDbPolyline::readVertices(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext&) {
  auto* pl = static_cast<OdDbPolyline*>(obj);
  auto& list = pl->m_vertices;
  if (g.code == 10) {
    list.push_back(Vertex{});
    list.back().point.x = dxf::toDouble(g.value);
    return true;
  }
  if (list.empty()) return false;  // vertex data before any vertex: kept as read
  Vertex& v = list.back();
  switch (g.code) {
    case 20: v.point.y = dxf::toDouble(g.value); return true;
    case 40:
      v.startWidth = dxf::toDouble(g.value);
      pl->m_vertexWidths = true;
      return true;
    case 41:
      v.endWidth = dxf::toDouble(g.value);
      pl->m_vertexWidths = true;
      return true;
    case 42: v.bulge = dxf::toDouble(g.value); return true;
    case 91: v.id = static_cast<int32_t>(dxf::toInt(g.value)); return true;
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

void OdDbPolyline::setConstantWidth(double width) {
  m_constantWidth = width;
  m_vertexWidths = false;
  for (Vertex& v : m_vertices) v.startWidth = v.endWidth = 0;
}
