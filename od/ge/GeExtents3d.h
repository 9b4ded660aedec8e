#pragma once

#include "GePoint3d.h"

class OdGeMatrix3d;

// An axis-aligned box. Starts invalid (no point added; minimum above maximum)
// and grows to take the points and boxes added to it.
class OdGeExtents3d {
 public:
  OdGeExtents3d() = default;
  OdGeExtents3d(const OdGePoint3d& minPoint, const OdGePoint3d& maxPoint) : m_min(minPoint), m_max(maxPoint) {}
  static const OdGeExtents3d kInvalid;

  const OdGePoint3d& minPoint() const { return m_min; }
  const OdGePoint3d& maxPoint() const { return m_max; }
  void set(const OdGePoint3d& minPoint, const OdGePoint3d& maxPoint) { m_min = minPoint; m_max = maxPoint; }
  // The box with these two opposite corners, whichever way round they are.
  void comparingSet(const OdGePoint3d& a, const OdGePoint3d& b);
  bool isValidExtents() const { return m_min.x <= m_max.x && m_min.y <= m_max.y && m_min.z <= m_max.z; }

  OdGeExtents3d& addPoint(const OdGePoint3d& p);
  // An invalid box adds nothing.
  OdGeExtents3d& addExt(const OdGeExtents3d& other);
  OdGeExtents3d& expandBy(const OdGeVector3d& v);
  // The box around the transformed corners; an invalid box stays invalid.
  OdGeExtents3d& transformBy(const OdGeMatrix3d& m);

  OdGePoint3d center() const { return m_min + (m_max - m_min) * 0.5; }
  bool contains(const OdGePoint3d& p, double tol = 1e-10) const;
  bool isDisjoint(const OdGeExtents3d& other, double tol = 1e-10) const;
  bool operator==(const OdGeExtents3d& o) const { return m_min == o.m_min && m_max == o.m_max; }

 private:
  static constexpr double kBig = 1e20;
  OdGePoint3d m_min{kBig, kBig, kBig};
  OdGePoint3d m_max{-kBig, -kBig, -kBig};
};
