#include "Db3dPolylineVertex.h"

ODRX_DEFINE_NAMED(OdDb3dPolylineVertex, "AcDb3dPolylineVertex", OdDbVertex, "VERTEX", odrxNewReferenced<OdDb3dPolylineVertex>)

const dxf::ClassLayout& OdDb3dPolylineVertex::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDb3dPolylineVertex::m_position>(10),
      dxf::field<&OdDb3dPolylineVertex::m_flags>(70, dxf::defInt(32)),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbVertex::layout(), fields);
  return layout;
}

OdDb3dPolylineVertex::OdDb3dPolylineVertex() { layout().applyOwnDefaults(this); }

OdDb3dPolylineVertex::OdDb3dPolylineVertex(const OdGePoint3d& position) : OdDb3dPolylineVertex() { m_position = position; }
