#pragma once

#include "GePoint3d.h"
#include "GeVector3d.h"

class OdGeMatrix3d;

// An infinite plane: a point on it and its unit normal. The default is the XY plane.
class OdGePlane {
 public:
  OdGePlane() = default;
  // The normal is stored as a unit vector.
  OdGePlane(const OdGePoint3d& origin, const OdGeVector3d& normal) { set(origin, normal); }
  static const OdGePlane kXYPlane, kYZPlane, kZXPlane;

  OdGePlane& set(const OdGePoint3d& origin, const OdGeVector3d& normal);
  const OdGePoint3d& pointOnPlane() const { return m_origin; }
  const OdGeVector3d& normal() const { return m_normal; }
  // a*x + b*y + c*z + d = 0 for the points of the plane.
  void getCoefficients(double& a, double& b, double& c, double& d) const;
  // X and Y axes of the plane by the DXF arbitrary axis algorithm, with the plane's point.
  void getCoordSystem(OdGePoint3d& origin, OdGeVector3d& xAxis, OdGeVector3d& yAxis) const;

  // Positive on the side the normal points to.
  double signedDistanceTo(const OdGePoint3d& p) const { return (p - m_origin).dotProduct(m_normal); }
  double distanceTo(const OdGePoint3d& p) const;
  bool isOn(const OdGePoint3d& p, double tol = 1e-10) const { return distanceTo(p) <= tol; }
  OdGePoint3d closestPointTo(const OdGePoint3d& p) const { return p - m_normal * signedDistanceTo(p); }
  bool isEqualTo(const OdGePlane& other, double tol = 1e-10) const;

  OdGePlane& transformBy(const OdGeMatrix3d& m);

 private:
  OdGePoint3d m_origin;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
};
