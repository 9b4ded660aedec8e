#pragma once

#include <cmath>

class OdGeMatrix3d;

struct OdGeVector3d {
  double x = 0, y = 0, z = 0;
  OdGeVector3d() = default;
  OdGeVector3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
  static const OdGeVector3d kXAxis, kYAxis, kZAxis;

  double length() const { return std::sqrt(x * x + y * y + z * z); }
  double dotProduct(const OdGeVector3d& o) const { return x * o.x + y * o.y + z * o.z; }
  OdGeVector3d crossProduct(const OdGeVector3d& o) const {
    return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x};
  }
  OdGeVector3d normal() const {
    double l = length();
    return l > 0 ? OdGeVector3d(x / l, y / l, z / l) : *this;
  }
  OdGeVector3d operator*(double s) const { return {x * s, y * s, z * s}; }
  OdGeVector3d operator+(const OdGeVector3d& o) const { return {x + o.x, y + o.y, z + o.z}; }
  OdGeVector3d operator-(const OdGeVector3d& o) const { return {x - o.x, y - o.y, z - o.z}; }
  OdGeVector3d operator-() const { return {-x, -y, -z}; }
  bool operator==(const OdGeVector3d& o) const { return x == o.x && y == o.y && z == o.z; }
  bool operator!=(const OdGeVector3d& o) const { return !(*this == o); }

  OdGeVector3d& normalize() { return *this = normal(); }
  bool isZeroLength(double tol = 1e-10) const { return length() <= tol; }
  bool isEqualTo(const OdGeVector3d& o, double tol = 1e-10) const { return (*this - o).length() <= tol; }
  // Applies the linear part of m (no translation); defined in GeMatrix3d.h.
  OdGeVector3d& transformBy(const OdGeMatrix3d& m);
};

inline const OdGeVector3d OdGeVector3d::kXAxis{1, 0, 0};
inline const OdGeVector3d OdGeVector3d::kYAxis{0, 1, 0};
inline const OdGeVector3d OdGeVector3d::kZAxis{0, 0, 1};
