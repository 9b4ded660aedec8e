#include "DbPoint.h"

#include "GiWorldDraw.h"

#include <numbers>

ODRX_DEFINE_NAMED(OdDbPoint, "AcDbPoint", OdDbEntity, "POINT", odrxNewReferenced<OdDbPoint>)

const dxf::ClassLayout& OdDbPoint::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDbPoint::m_position>(10),
      dxf::optional<&OdDbPoint::m_thickness>(39),
      dxf::optional<&OdDbPoint::m_normal>(210, dxf::kNormal),
      dxf::angle<&OdDbPoint::m_rotation>(50, 0, dxf::kOmitDefault),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbPoint::OdDbPoint() { layout().applyOwnDefaults(this); }

OdDbPoint::OdDbPoint(const OdGePoint3d& position) : OdDbPoint() { m_position = position; }

double OdDbPoint::ecsRotation() const { return m_rotation * std::numbers::pi / 180; }
void OdDbPoint::setEcsRotation(double radians) { m_rotation = radians * 180 / std::numbers::pi; }

bool OdDbPoint::subWorldDraw(OdGiWorldDraw* wd) const {
  const OdGePoint3d points[] = {m_position, m_position};
  wd->geometry().polyline(2, points);
  return true;
}
