#pragma once

#include "GePoint2d.h"

// An axis-aligned rectangle. Starts invalid (no point added; minimum above
// maximum) and grows to take the points and rectangles added to it.
class OdGeExtents2d {
 public:
  OdGeExtents2d() = default;
  OdGeExtents2d(const OdGePoint2d& minPoint, const OdGePoint2d& maxPoint) : m_min(minPoint), m_max(maxPoint) {}
  static const OdGeExtents2d kInvalid;

  const OdGePoint2d& minPoint() const { return m_min; }
  const OdGePoint2d& maxPoint() const { return m_max; }
  void set(const OdGePoint2d& minPoint, const OdGePoint2d& maxPoint) { m_min = minPoint; m_max = maxPoint; }
  // The rectangle with these two opposite corners, whichever way round they are.
  void comparingSet(const OdGePoint2d& a, const OdGePoint2d& b);
  bool isValidExtents() const { return m_min.x <= m_max.x && m_min.y <= m_max.y; }

  OdGeExtents2d& addPoint(const OdGePoint2d& p);
  // An invalid rectangle adds nothing.
  OdGeExtents2d& addExt(const OdGeExtents2d& other);

  OdGePoint2d center() const { return {(m_min.x + m_max.x) / 2, (m_min.y + m_max.y) / 2}; }
  bool contains(const OdGePoint2d& p, double tol = 1e-10) const;
  bool operator==(const OdGeExtents2d& o) const { return m_min == o.m_min && m_max == o.m_max; }

 private:
  static constexpr double kBig = 1e20;
  OdGePoint2d m_min{kBig, kBig};
  OdGePoint2d m_max{-kBig, -kBig};
};
