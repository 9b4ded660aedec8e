#pragma once

#include "DbEntity.h"
#include "GePoint3d.h"

// What XLINE and RAY share: a base point and a unit direction in world
// coordinates. Each keeps its own subclass and drawing.
class OdDbUnboundedLine : public OdDbCurve {
 public:
  OdGePoint3d basePoint() const { return m_basePoint; }
  void setBasePoint(const OdGePoint3d& p) { m_basePoint = p; }
  OdGeVector3d unitDir() const { return m_unitDir; }
  void setUnitDir(const OdGeVector3d& v) { m_unitDir = v; }
  // A point the line passes through after its base point.
  OdGePoint3d secondPoint() const { return m_basePoint + m_unitDir; }
  bool isClosed() const { return false; }

 protected:
  OdGePoint3d m_basePoint;
  OdGeVector3d m_unitDir;
};
