#include "Db3dSolid.h"

ODRX_DEFINE_NAMED(OdDb3dSolid, "AcDb3dSolid", OdDbEntity, "3DSOLID", odrxNewReferenced<OdDb3dSolid>)

const dxf::ClassLayout& OdDb3dSolid::layout() {
  static const dxf::Field fields[] = {
      dxf::marker("AcDbModelerGeometry"),
      dxf::custom(modelerDataField()),
      dxf::marker("AcDb3dSolid"),
      dxf::field<&OdDb3dSolid::m_history>(350),
  };
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
  return layout;
}

OdDb3dSolid::OdDb3dSolid() { layout().applyOwnDefaults(this); }
