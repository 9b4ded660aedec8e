#include "DbPolygonMeshVertex.h"

ODRX_DEFINE_NAMED(OdDbPolygonMeshVertex, "AcDbPolygonMeshVertex", OdDbVertex, "VERTEX", odrxNewReferenced<OdDbPolygonMeshVertex>)

const dxf::ClassLayout& OdDbPolygonMeshVertex::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDbPolygonMeshVertex::m_position>(10),
      dxf::field<&OdDbPolygonMeshVertex::m_flags>(70, dxf::defInt(64)),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbVertex::layout(), fields);
  return layout;
}

OdDbPolygonMeshVertex::OdDbPolygonMeshVertex() { layout().applyOwnDefaults(this); }

OdDbPolygonMeshVertex::OdDbPolygonMeshVertex(const OdGePoint3d& position) : OdDbPolygonMeshVertex() { m_position = position; }
