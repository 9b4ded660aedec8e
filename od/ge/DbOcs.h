#pragma once

#include "GePoint3d.h"

#include <cmath>

// Object coordinate systems of planar entities: the DXF arbitrary axis
// algorithm derives the X and Y axes from the normal alone.
inline void odOcsAxes(const OdGeVector3d& normal, OdGeVector3d& xAxis, OdGeVector3d& yAxis) {
  OdGeVector3d n = normal.length() > 0 ? normal.normal() : OdGeVector3d::kZAxis;
  constexpr double kLimit = 1.0 / 64;
  if (std::fabs(n.x) < kLimit && std::fabs(n.y) < kLimit) xAxis = OdGeVector3d::kYAxis.crossProduct(n).normal();
  else xAxis = OdGeVector3d::kZAxis.crossProduct(n).normal();
  yAxis = n.crossProduct(xAxis).normal();
}

inline OdGePoint3d odOcsToWcs(const OdGePoint3d& p, const OdGeVector3d& normal) {
  if (normal == OdGeVector3d::kZAxis) return p;
  OdGeVector3d xAxis, yAxis;
  odOcsAxes(normal, xAxis, yAxis);
  OdGeVector3d n = normal.normal();
  return OdGePoint3d::kOrigin + xAxis * p.x + yAxis * p.y + n * p.z;
}
