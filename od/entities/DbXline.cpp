#include "DbXline.h"

#include "GiWorldDraw.h"

ODRX_DEFINE_NAMED(OdDbXline, "AcDbXline", OdDbCurve, "XLINE", odrxNewReferenced<OdDbXline>)

const dxf::ClassLayout& OdDbXline::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDbXline::m_basePoint>(10),
      dxf::field<&OdDbXline::m_unitDir>(11, dxf::def(1, 0, 0)),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbXline::OdDbXline() { layout().applyOwnDefaults(this); }

bool OdDbXline::subWorldDraw(OdGiWorldDraw* wd) const {
  if (wd->regenType() == kOdGiForExtents || m_unitDir.length() == 0) return true;
  constexpr double kReach = 1e6;
  OdGeVector3d along = m_unitDir.normal() * kReach;
  const OdGePoint3d points[] = {m_basePoint - along, m_basePoint + along};
  wd->geometry().polyline(2, points);
  return true;
}
