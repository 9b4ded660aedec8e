#include "DbRay.h"

#include "GiWorldDraw.h"

ODRX_DEFINE_NAMED(OdDbRay, "AcDbRay", OdDbCurve, "RAY", odrxNewReferenced<OdDbRay>)

const dxf::ClassLayout& OdDbRay::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDbRay::m_basePoint>(10),
      dxf::field<&OdDbRay::m_unitDir>(11, dxf::def(1, 0, 0)),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbRay::OdDbRay() { layout().applyOwnDefaults(this); }

bool OdDbRay::subWorldDraw(OdGiWorldDraw* wd) const {
  if (wd->regenType() == kOdGiForExtents || m_unitDir.length() == 0) return true;
  constexpr double kReach = 1e6;
  const OdGePoint3d points[] = {m_basePoint, m_basePoint + m_unitDir.normal() * kReach};
  wd->geometry().polyline(2, points);
  return true;
}
