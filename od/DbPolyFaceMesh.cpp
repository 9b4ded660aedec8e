#include "DbPolyFaceMesh.h"

#include "DbFaceRecord.h"
#include "DbPolyFaceMeshVertex.h"

ODRX_DEFINE_NAMED(OdDbPolyFaceMesh, "AcDbPolyFaceMesh", OdDbEntity, "POLYLINE", odrxNewReferenced<OdDbPolyFaceMesh>)

const dxf::ClassLayout& OdDbPolyFaceMesh::layout() {
  static const dxf::Field fields[] = {
      dxf::marker("AcDbPolyFaceMesh"),
      dxf::custom(OdDbPolylineSequence::verticesFollowField()),
      dxf::field<&OdDbPolyFaceMesh::m_origin>(10),
      dxf::field<&OdDbPolyFaceMesh::m_flags>(70, dxf::defInt(64)),
      dxf::field<&OdDbPolyFaceMesh::m_numVertices>(71),
      dxf::optional<&OdDbPolyFaceMesh::m_numFaces>(72),
  };
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
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

OdResult OdDbPolyFaceMesh::erase(bool erasing) {
  OdResult result = OdDbEntity::erase(erasing);
  if (result == eOk) m_sequence.erase(erasing);
  return result;
}
