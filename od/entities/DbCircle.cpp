#include "DbCircle.h"

#include "DbOcs.h"
#include "GiWorldDraw.h"

#include <numbers>

ODRX_DEFINE_NAMED(OdDbCircle, "AcDbCircle", OdDbCurve, "CIRCLE", odrxNewReferenced<OdDbCircle>)

const dxf::ClassLayout& OdDbCircle::layout() {
  static const dxf::Field fields[] = {
      dxf::optional<&OdDbCircle::m_thickness>(39),
      dxf::field<&OdDbCircle::m_center>(10),
      dxf::field<&OdDbCircle::m_radius>(40),
      dxf::optional<&OdDbCircle::m_normal>(210, dxf::kNormal),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbCircle::OdDbCircle() { layout().applyOwnDefaults(this); }

double OdDbCircle::circumference() const { return 2 * std::numbers::pi * m_radius; }
double OdDbCircle::area() const { return std::numbers::pi * m_radius * m_radius; }

bool OdDbCircle::subWorldDraw(OdGiWorldDraw* wd) const {
  wd->geometry().circle(odOcsToWcs(m_center, m_normal), m_radius, m_normal);
  return true;
}
