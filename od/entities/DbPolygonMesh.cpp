#include "DbPolygonMesh.h"

#include "DbPolygonMeshVertex.h"
#include "GiWorldDraw.h"

ODRX_DEFINE_NAMED(OdDbPolygonMesh, "AcDbPolygonMesh", OdDbEntity, "POLYLINE", odrxNewReferenced<OdDbPolygonMesh>)

const dxf::ClassLayout& OdDbPolygonMesh::layout() {
  static const dxf::Field fields[] = {
      dxf::custom(OdDbPolylineSequence::verticesFollowField()),
      dxf::field<&OdDbPolygonMesh::m_origin>(10),
      dxf::field<&OdDbPolygonMesh::m_flags>(70, dxf::defInt(kPolygonMesh)),
      dxf::field<&OdDbPolygonMesh::m_mSize>(71),
      dxf::field<&OdDbPolygonMesh::m_nSize>(72),
      dxf::optional<&OdDbPolygonMesh::m_mDensity>(73),
      dxf::optional<&OdDbPolygonMesh::m_nDensity>(74),
      dxf::optional<&OdDbPolygonMesh::m_surfaceType>(75),
      dxf::optional<&OdDbPolygonMesh::m_normal>(210, dxf::kNormal),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbPolygonMesh::OdDbPolygonMesh() { layout().applyOwnDefaults(this); }

OdDb::PolyMeshType OdDbPolygonMesh::polyMeshType() const {
  if (!(m_flags & kSmoothed)) return OdDb::kSimpleMesh;
  switch (m_surfaceType) {
    case 5: return OdDb::kQuadSurfaceMesh;
    case 8: return OdDb::kBezierSurfaceMesh;
    default: return OdDb::kCubicSurfaceMesh;
  }
}

void OdDbPolygonMesh::setPolyMeshType(OdDb::PolyMeshType type) {
  m_surfaceType = static_cast<int16_t>(type);
  m_flags = static_cast<int16_t>(type == OdDb::kSimpleMesh ? m_flags & ~kSmoothed : m_flags | kSmoothed);
}

std::vector<OdGePoint3d> OdDbPolygonMesh::vertexPositions() const {
  std::vector<OdGePoint3d> points;
  for (OdDbObjectId id : m_sequence.subentityIds())
    if (OdDbPolygonMeshVertexPtr v = OdDbPolygonMeshVertex::cast(id.openObject().get())) points.push_back(v->position());
  return points;
}

OdDbObjectId OdDbPolygonMesh::appendVertex(OdDbPolygonMeshVertex* vertex) { return m_sequence.append(this, vertex); }

namespace {

// Rows of n vertices each, m of them: every row and every column as a polyline.
void drawGrid(OdGiWorldGeometry& geometry, const std::vector<OdGePoint3d>& points, int m, int n, bool mClosed,
              bool nClosed) {
  if (m < 1 || n < 1 || static_cast<int>(points.size()) < m * n) return;
  std::vector<OdGePoint3d> line;
  auto draw = [&](bool closed) {
    if (closed && line.size() > 2) line.push_back(line.front());
    if (line.size() >= 2) geometry.polyline(static_cast<int32_t>(line.size()), line.data());
    line.clear();
  };
  for (int i = 0; i < m; ++i) {
    for (int j = 0; j < n; ++j) line.push_back(points[i * n + j]);
    draw(nClosed);
  }
  for (int j = 0; j < n; ++j) {
    for (int i = 0; i < m; ++i) line.push_back(points[i * n + j]);
    draw(mClosed);
  }
}

}  // namespace

bool OdDbPolygonMesh::subWorldDraw(OdGiWorldDraw* wd) const {
  constexpr int16_t kFrameControl = 16;  // vertex flag of a control point of a smoothed mesh
  std::vector<OdGePoint3d> all, surface;
  for (OdDbObjectId id : m_sequence.subentityIds())
    if (OdDbPolygonMeshVertexPtr v = OdDbPolygonMeshVertex::cast(id.openObject().get())) {
      all.push_back(v->position());
      if (!(v->flags() & kFrameControl)) surface.push_back(v->position());
    }
  bool smooth = (m_flags & kSmoothed) && m_mDensity > 1 && m_nDensity > 1 &&
                static_cast<int>(surface.size()) == m_mDensity * m_nDensity && surface.size() < all.size();
  if (smooth) drawGrid(wd->geometry(), surface, m_mDensity, m_nDensity, isMClosed(), isNClosed());
  else drawGrid(wd->geometry(), all, m_mSize, m_nSize, isMClosed(), isNClosed());
  return true;
}
