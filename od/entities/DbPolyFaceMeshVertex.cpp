#include "DbPolyFaceMeshVertex.h"

ODRX_DEFINE_NAMED(OdDbPolyFaceMeshVertex, "AcDbPolyFaceMeshVertex", OdDbVertex, "VERTEX", odrxNewReferenced<OdDbPolyFaceMeshVertex>)

const dxf::ClassLayout& OdDbPolyFaceMeshVertex::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDbPolyFaceMeshVertex::m_position>(10),
      dxf::field<&OdDbPolyFaceMeshVertex::m_flags>(70, dxf::defInt(192)),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbVertex::layout(), fields);
  return layout;
}

OdDbPolyFaceMeshVertex::OdDbPolyFaceMeshVertex() { layout().applyOwnDefaults(this); }

OdDbPolyFaceMeshVertex::OdDbPolyFaceMeshVertex(const OdGePoint3d& position) : OdDbPolyFaceMeshVertex() { m_position = position; }
