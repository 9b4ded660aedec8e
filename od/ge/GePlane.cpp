#include "GePlane.h"

#include "DbOcs.h"
#include "GeMatrix3d.h"

#include <cmath>

const OdGePlane OdGePlane::kXYPlane(OdGePoint3d::kOrigin, OdGeVector3d::kZAxis);
const OdGePlane OdGePlane::kYZPlane(OdGePoint3d::kOrigin, OdGeVector3d::kXAxis);
const OdGePlane OdGePlane::kZXPlane(OdGePoint3d::kOrigin, OdGeVector3d::kYAxis);

OdGePlane& OdGePlane::set(const OdGePoint3d& origin, const OdGeVector3d& normal) {
  m_origin = origin;
  m_normal = normal.normal();
  return *this;
}

void OdGePlane::getCoefficients(double& a, double& b, double& c, double& d) const {
  a = m_normal.x;
  b = m_normal.y;
  c = m_normal.z;
  d = -m_normal.dotProduct(m_origin.asVector());
}

void OdGePlane::getCoordSystem(OdGePoint3d& origin, OdGeVector3d& xAxis, OdGeVector3d& yAxis) const {
  origin = m_origin;
  odOcsAxes(m_normal, xAxis, yAxis);
}

double OdGePlane::distanceTo(const OdGePoint3d& p) const { return std::fabs(signedDistanceTo(p)); }

bool OdGePlane::isEqualTo(const OdGePlane& other, double tol) const {
  return m_normal.isEqualTo(other.m_normal, tol) && other.isOn(m_origin, tol);
}

OdGePlane& OdGePlane::transformBy(const OdGeMatrix3d& m) {
  // The normal of a non-uniformly scaled plane is not the scaled normal:
  // carry two axes of the plane instead and take their cross product.
  OdGePoint3d origin;
  OdGeVector3d xAxis, yAxis;
  getCoordSystem(origin, xAxis, yAxis);
  return set(m * origin, (m * xAxis).crossProduct(m * yAxis));
}
