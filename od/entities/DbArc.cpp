#include "DbArc.h"

#include "DbOcs.h"
#include "GiWorldDraw.h"

#include <cmath>
#include <numbers>

ODRX_DEFINE_NAMED(OdDbArc, "AcDbArc", OdDbCurve, "ARC", odrxNewReferenced<OdDbArc>)

namespace {
constexpr double kRadPerDeg = std::numbers::pi / 180;
}

const dxf::ClassLayout& OdDbArc::layout() {
  static const dxf::Field fields[] = {
      dxf::marker("AcDbCircle"),
      dxf::optional<&OdDbArc::m_thickness>(39),
      dxf::field<&OdDbArc::m_center>(10),
      dxf::field<&OdDbArc::m_radius>(40),
      dxf::optional<&OdDbArc::m_normal>(210, dxf::kNormal),
      dxf::marker("AcDbArc"),
      dxf::angle<&OdDbArc::m_startAngle>(50, 0),
      dxf::angle<&OdDbArc::m_endAngle>(51, 360),
  };
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
  return layout;
}

OdDbArc::OdDbArc() { layout().applyOwnDefaults(this); }

double OdDbArc::startAngle() const { return m_startAngle * kRadPerDeg; }
void OdDbArc::setStartAngle(double radians) { m_startAngle = radians / kRadPerDeg; }
double OdDbArc::endAngle() const { return m_endAngle * kRadPerDeg; }
void OdDbArc::setEndAngle(double radians) { m_endAngle = radians / kRadPerDeg; }

double OdDbArc::totalAngle() const {
  double sweep = std::fmod(m_endAngle - m_startAngle, 360.0);
  if (sweep <= 0) sweep += 360;
  return sweep * kRadPerDeg;
}

OdGePoint3d OdDbArc::pointAt(double degrees) const {
  double a = degrees * kRadPerDeg;
  OdGePoint3d ocs(m_center.x + m_radius * std::cos(a), m_center.y + m_radius * std::sin(a), m_center.z);
  return odOcsToWcs(ocs, m_normal);
}

bool OdDbArc::subWorldDraw(OdGiWorldDraw* wd) const {
  // Angles run from the X axis the arbitrary axis algorithm gives the plane.
  OdGeVector3d xAxis, yAxis;
  odOcsAxes(m_normal, xAxis, yAxis);
  double a = m_startAngle * kRadPerDeg;
  OdGeVector3d start = xAxis * std::cos(a) + yAxis * std::sin(a);
  wd->geometry().circularArc(odOcsToWcs(m_center, m_normal), m_radius, m_normal, start, totalAngle());
  return true;
}
