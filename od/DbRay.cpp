#include "DbRay.h"

ODRX_DEFINE_NAMED(OdDbRay, "AcDbRay", OdDbCurve, "RAY", odrxNewReferenced<OdDbRay>)

const dxf::ClassLayout& OdDbRay::layout() {
  static const dxf::Field fields[] = {
      dxf::marker("AcDbRay"),
      dxf::field<&OdDbRay::m_basePoint>(10),
      dxf::field<&OdDbRay::m_unitDir>(11, dxf::def(1, 0, 0)),
  };
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
  return layout;
}

OdDbRay::OdDbRay() { layout().applyOwnDefaults(this); }
