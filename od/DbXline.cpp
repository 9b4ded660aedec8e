#include "DbXline.h"

ODRX_DEFINE_NAMED(OdDbXline, "AcDbXline", OdDbCurve, "XLINE", odrxNewReferenced<OdDbXline>)

const dxf::ClassLayout& OdDbXline::layout() {
  static const dxf::Field fields[] = {
      dxf::marker("AcDbXline"),
      dxf::field<&OdDbXline::m_basePoint>(10),
      dxf::field<&OdDbXline::m_unitDir>(11, dxf::def(1, 0, 0)),
  };
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
  return layout;
}

OdDbXline::OdDbXline() { layout().applyOwnDefaults(this); }
