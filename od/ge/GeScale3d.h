#pragma once

struct OdGeScale3d {
  double sx = 1, sy = 1, sz = 1;
  OdGeScale3d() = default;
  OdGeScale3d(double x, double y, double z) : sx(x), sy(y), sz(z) {}
  bool operator==(const OdGeScale3d& o) const { return sx == o.sx && sy == o.sy && sz == o.sz; }
  bool operator!=(const OdGeScale3d& o) const { return !(*this == o); }
};
