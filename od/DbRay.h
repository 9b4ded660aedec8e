#pragma once

#include "DbEntity.h"
#include "GePoint3d.h"

// A half-infinite line from a base point along a unit direction, in world coordinates.
class OdDbRay : public OdDbCurve {
  OD_DXF_CLASS(OdDbRay);

 public:
  OdDbRay();

  OdGePoint3d basePoint() const { return m_basePoint; }
  void setBasePoint(const OdGePoint3d& p) { m_basePoint = p; }
  OdGeVector3d unitDir() const { return m_unitDir; }
  void setUnitDir(const OdGeVector3d& v) { m_unitDir = v; }
  // A point the line passes through after its base point.
  OdGePoint3d secondPoint() const { return m_basePoint + m_unitDir; }
  bool isClosed() const { return false; }
  // A segment reaching far from the base point; nothing when measuring
  // extents, which an infinite line has none of.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  OdGePoint3d m_basePoint;
  OdGeVector3d m_unitDir;
};
using OdDbRayPtr = OdSmartPtr<OdDbRay>;
