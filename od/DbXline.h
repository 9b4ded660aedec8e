#pragma once

#include "DbEntity.h"
#include "GePoint3d.h"

// An infinite line through a base point along a unit direction, in world coordinates.
class OdDbXline : public OdDbCurve {
  OD_DXF_CLASS(OdDbXline);

 public:
  OdDbXline();

  OdGePoint3d basePoint() const { return m_basePoint; }
  void setBasePoint(const OdGePoint3d& p) { m_basePoint = p; }
  OdGeVector3d unitDir() const { return m_unitDir; }
  void setUnitDir(const OdGeVector3d& v) { m_unitDir = v; }
  // A point the line passes through after its base point.
  OdGePoint3d secondPoint() const { return m_basePoint + m_unitDir; }
  bool isClosed() const { return false; }
  // A segment reaching far both ways from the base point; nothing when
  // measuring extents, which an infinite line has none of.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  OdGePoint3d m_basePoint;
  OdGeVector3d m_unitDir;
};
using OdDbXlinePtr = OdSmartPtr<OdDbXline>;
