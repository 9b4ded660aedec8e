#pragma once

struct OdGePoint2d {
  double x = 0, y = 0;
  OdGePoint2d() = default;
  OdGePoint2d(double xx, double yy) : x(xx), y(yy) {}
  bool operator==(const OdGePoint2d& o) const { return x == o.x && y == o.y; }
  bool operator!=(const OdGePoint2d& o) const { return !(*this == o); }
};
