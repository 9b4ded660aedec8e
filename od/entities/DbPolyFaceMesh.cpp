#include "DbPolyFaceMesh.h"

#include "DbFaceRecord.h"
#include "DbPolyFaceMeshVertex.h"
#include "GiWorldDraw.h"

#include <cstdlib>

ODRX_DEFINE_NAMED(OdDbPolyFaceMesh, "AcDbPolyFaceMesh", OdDbEntity, "POLYLINE", odrxNewReferenced<OdDbPolyFaceMesh>)

const dxf::ClassLayout& OdDbPolyFaceMesh::layout() {
  static const dxf::Field fields[] = {
      dxf::custom(OdDbPolylineSequence::verticesFollowField()),
      dxf::field<&OdDbPolyFaceMesh::m_origin>(10),
      dxf::field<&OdDbPolyFaceMesh::m_flags>(70, dxf::defInt(64)),
      dxf::field<&OdDbPolyFaceMesh::m_numVertices>(71),
      dxf::optional<&OdDbPolyFaceMesh::m_numFaces>(72),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbPolyFaceMesh::OdDbPolyFaceMesh() { layout().applyOwnDefaults(this); }

std::vector<OdGePoint3d> OdDbPolyFaceMesh::vertexPositions() const {
  std::vector<OdGePoint3d> points;
  for (OdDbObjectId id : m_sequence.subentityIds())
    if (OdDbPolyFaceMeshVertexPtr v = OdDbPolyFaceMeshVertex::cast(id.openObject().get())) points.push_back(v->position());
  return points;
}

std::vector<std::array<int16_t, 4>> OdDbPolyFaceMesh::faces() const {
  std::vector<std::array<int16_t, 4>> out;
  for (OdDbObjectId id : m_sequence.subentityIds())
    if (OdDbFaceRecordPtr f = OdDbFaceRecord::cast(id.openObject().get()))
      out.push_back({f->getVertexAt(0), f->getVertexAt(1), f->getVertexAt(2), f->getVertexAt(3)});
  return out;
}

OdDbObjectId OdDbPolyFaceMesh::appendVertex(OdDbPolyFaceMeshVertex* vertex) {
  OdDbObjectId id = m_sequence.append(this, vertex);
  ++m_numVertices;
  return id;
}

OdDbObjectId OdDbPolyFaceMesh::appendFaceRecord(OdDbFaceRecord* face) {
  OdDbObjectId id = m_sequence.append(this, face);
  ++m_numFaces;
  return id;
}

namespace {

// One face: its corners that name a vertex, edge i hidden when corner i's number is negative.
void drawFace(OdGiWorldGeometry& geometry, const std::vector<OdGePoint3d>& vertices,
              const std::array<int16_t, 4>& face) {
  std::vector<OdGePoint3d> corners;
  std::vector<bool> visible;
  for (int16_t number : face) {
    int index = std::abs(number) - 1;
    if (index < 0 || index >= static_cast<int>(vertices.size())) continue;
    corners.push_back(vertices[index]);
    visible.push_back(number > 0);
  }
  size_t n = corners.size();
  if (n < 2) return;
  // Start after a hidden edge, if any, so that every run of visible edges is one polyline.
  size_t first = 0;
  while (first < n && visible[first]) ++first;
  first = first == n ? 0 : first + 1;
  std::vector<OdGePoint3d> run;
  for (size_t i = 0; i <= n; ++i) {
    size_t edge = (first + i) % n;
    if (i == n || !visible[edge]) {
      if (run.size() >= 2) geometry.polyline(static_cast<int32_t>(run.size()), run.data());
      run.clear();
      continue;
    }
    if (run.empty()) run.push_back(corners[edge]);
    run.push_back(corners[(edge + 1) % n]);
  }
}

}  // namespace

bool OdDbPolyFaceMesh::subWorldDraw(OdGiWorldDraw* wd) const {
  std::vector<OdGePoint3d> vertices = vertexPositions();
  for (const auto& face : faces()) drawFace(wd->geometry(), vertices, face);
  return true;
}
