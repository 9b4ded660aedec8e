#include "GeExtents2d.h"

#include <algorithm>

const OdGeExtents2d OdGeExtents2d::kInvalid;

void OdGeExtents2d::comparingSet(const OdGePoint2d& a, const OdGePoint2d& b) {
  *this = OdGeExtents2d();
  addPoint(a);
  addPoint(b);
}

OdGeExtents2d& OdGeExtents2d::addPoint(const OdGePoint2d& p) {
  m_min = OdGePoint2d(std::min(m_min.x, p.x), std::min(m_min.y, p.y));
  m_max = OdGePoint2d(std::max(m_max.x, p.x), std::max(m_max.y, p.y));
  return *this;
}

OdGeExtents2d& OdGeExtents2d::addExt(const OdGeExtents2d& other) {
  if (!other.isValidExtents()) return *this;
  addPoint(other.m_min);
  return addPoint(other.m_max);
}

bool OdGeExtents2d::contains(const OdGePoint2d& p, double tol) const {
  return p.x >= m_min.x - tol && p.x <= m_max.x + tol && p.y >= m_min.y - tol && p.y <= m_max.y + tol;
}
