#include "DbPolygonMesh.h"

#include "DbPolygonMeshVertex.h"

ODRX_DEFINE_NAMED(OdDbPolygonMesh, "AcDbPolygonMesh", OdDbEntity, "POLYLINE", odrxNewReferenced<OdDbPolygonMesh>)

const dxf::ClassLayout& OdDbPolygonMesh::layout() {
  static const dxf::Field fields[] = {
      dxf::marker("AcDbPolygonMesh"),
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
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
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

OdResult OdDbPolygonMesh::erase(bool erasing) {
  OdResult result = OdDbEntity::erase(erasing);
  if (result == eOk) m_sequence.erase(erasing);
  return result;
}
