#pragma once

#include "GeVector3d.h"

struct OdGePoint3d {
  double x = 0, y = 0, z = 0;
  OdGePoint3d() = default;
  OdGePoint3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
  static const OdGePoint3d kOrigin;

  OdGePoint3d operator+(const OdGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
  OdGePoint3d operator-(const OdGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
  OdGeVector3d operator-(const OdGePoint3d& p) const { return {x - p.x, y - p.y, z - p.z}; }
  double distanceTo(const OdGePoint3d& p) const { return (*this - p).length(); }
  bool operator==(const OdGePoint3d& o) const { return x == o.x && y == o.y && z == o.z; }
  bool operator!=(const OdGePoint3d& o) const { return !(*this == o); }

  OdGePoint3d& operator+=(const OdGeVector3d& v) { return *this = *this + v; }
  OdGeVector3d asVector() const { return {x, y, z}; }
  bool isEqualTo(const OdGePoint3d& o, double tol = 1e-10) const { return distanceTo(o) <= tol; }
  // Defined in GeMatrix3d.h.
  OdGePoint3d& transformBy(const OdGeMatrix3d& m);
};

inline const OdGePoint3d OdGePoint3d::kOrigin{0, 0, 0};
