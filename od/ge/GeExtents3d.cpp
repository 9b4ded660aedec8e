#include "GeExtents3d.h"

#include "GeMatrix3d.h"

#include <algorithm>

const OdGeExtents3d OdGeExtents3d::kInvalid;

void OdGeExtents3d::comparingSet(const OdGePoint3d& a, const OdGePoint3d& b) {
  *this = OdGeExtents3d();
  addPoint(a);
  addPoint(b);
}

OdGeExtents3d& OdGeExtents3d::addPoint(const OdGePoint3d& p) {
  m_min = OdGePoint3d(std::min(m_min.x, p.x), std::min(m_min.y, p.y), std::min(m_min.z, p.z));
  m_max = OdGePoint3d(std::max(m_max.x, p.x), std::max(m_max.y, p.y), std::max(m_max.z, p.z));
  return *this;
}

OdGeExtents3d& OdGeExtents3d::addExt(const OdGeExtents3d& other) {
  if (!other.isValidExtents()) return *this;
  addPoint(other.m_min);
  return addPoint(other.m_max);
}

OdGeExtents3d& OdGeExtents3d::expandBy(const OdGeVector3d& v) {
  if (!isValidExtents()) return *this;
  return addPoint(m_min + v).addPoint(m_max + v);
}

OdGeExtents3d& OdGeExtents3d::transformBy(const OdGeMatrix3d& m) {
  if (!isValidExtents()) return *this;
  OdGeExtents3d out;
  for (int corner = 0; corner < 8; ++corner) {
    OdGePoint3d p(corner & 1 ? m_max.x : m_min.x, corner & 2 ? m_max.y : m_min.y, corner & 4 ? m_max.z : m_min.z);
    out.addPoint(m * p);
  }
  return *this = out;
}

bool OdGeExtents3d::contains(const OdGePoint3d& p, double tol) const {
  return p.x >= m_min.x - tol && p.x <= m_max.x + tol && p.y >= m_min.y - tol && p.y <= m_max.y + tol &&
         p.z >= m_min.z - tol && p.z <= m_max.z + tol;
}

bool OdGeExtents3d::isDisjoint(const OdGeExtents3d& o, double tol) const {
  return o.m_min.x > m_max.x + tol || o.m_max.x < m_min.x - tol || o.m_min.y > m_max.y + tol ||
         o.m_max.y < m_min.y - tol || o.m_min.z > m_max.z + tol || o.m_max.z < m_min.z - tol;
}
