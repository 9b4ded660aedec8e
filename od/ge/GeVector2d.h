#pragma once

struct OdGeVector2d {
  double x = 0, y = 0;
  OdGeVector2d() = default;
  OdGeVector2d(double xx, double yy) : x(xx), y(yy) {}
  bool operator==(const OdGeVector2d& o) const { return x == o.x && y == o.y; }
};
