#include "DbEllipse.h"

#include "GiWorldDraw.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

ODRX_DEFINE_NAMED(OdDbEllipse, "AcDbEllipse", OdDbCurve, "ELLIPSE", odrxNewReferenced<OdDbEllipse>)

const dxf::ClassLayout& OdDbEllipse::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDbEllipse::m_center>(10),
      dxf::field<&OdDbEllipse::m_majorAxis>(11, dxf::def(1, 0, 0)),
      // Written even when it is the Z axis, as CAD programs do.
      dxf::field<&OdDbEllipse::m_normal>(210, dxf::kNormal),
      dxf::field<&OdDbEllipse::m_radiusRatio>(40, dxf::def(1)),
      // Parameters are radians in files too: plain numbers, not angles.
      dxf::field<&OdDbEllipse::m_startParam>(41),
      dxf::field<&OdDbEllipse::m_endParam>(42, dxf::def(2 * std::numbers::pi)),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbEllipse::OdDbEllipse() { layout().applyOwnDefaults(this); }

OdGeVector3d OdDbEllipse::minorAxis() const {
  return m_normal.normal().crossProduct(m_majorAxis) * m_radiusRatio;
}

bool OdDbEllipse::isClosed() const {
  double sweep = std::fabs(m_endParam - m_startParam);
  return std::fabs(sweep - 2 * std::numbers::pi) < 1e-10;
}

OdGePoint3d OdDbEllipse::pointAtParam(double param) const {
  return m_center + m_majorAxis * std::cos(param) + minorAxis() * std::sin(param);
}

double OdDbEllipse::angleAtParam(double param) const {
  double a = std::atan2(m_radiusRatio * std::sin(param), std::cos(param));
  return a < 0 ? a + 2 * std::numbers::pi : a;
}

void OdDbEllipse::set(const OdGePoint3d& center, const OdGeVector3d& normal, const OdGeVector3d& majorAxis,
                      double radiusRatio, double startParam, double endParam) {
  m_center = center;
  m_normal = normal;
  m_majorAxis = majorAxis;
  m_radiusRatio = radiusRatio;
  m_startParam = startParam;
  m_endParam = endParam;
}

bool OdDbEllipse::subWorldDraw(OdGiWorldDraw* wd) const {
  constexpr double kTwoPi = 2 * std::numbers::pi;
  double sweep = m_endParam - m_startParam;
  // Like an arc, an elliptical arc runs counter-clockwise from start to end.
  if (sweep <= 0) sweep += kTwoPi * std::ceil(-sweep / kTwoPi + 1e-12);
  if (sweep > kTwoPi) sweep = kTwoPi;
  constexpr int kSegmentsPerTurn = 72;
  int segments = std::max(4, static_cast<int>(std::ceil(sweep / kTwoPi * kSegmentsPerTurn)));
  std::vector<OdGePoint3d> points;
  points.reserve(segments + 1);
  for (int i = 0; i <= segments; ++i) points.push_back(pointAtParam(m_startParam + sweep * i / segments));
  wd->geometry().polyline(static_cast<int32_t>(points.size()), points.data());
  return true;
}
