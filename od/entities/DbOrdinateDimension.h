#pragma once

#include "DbDimension.h"

// The X or Y distance of a feature from an origin.
class OdDbOrdinateDimension : public OdDbDimension {
  OD_DXF_CLASS(OdDbOrdinateDimension);

 public:
  OdDbOrdinateDimension();

  OdGePoint3d origin() const { return m_defPoint; }
  void setOrigin(const OdGePoint3d& p) { m_defPoint = p; }
  OdGePoint3d definingPoint() const { return m_definingPoint; }
  void setDefiningPoint(const OdGePoint3d& p) { m_definingPoint = p; }
  OdGePoint3d leaderEndPoint() const { return m_leaderEnd; }
  void setLeaderEndPoint(const OdGePoint3d& p) { m_leaderEnd = p; }
  bool isUsingXAxis() const { return (m_flags & 64) != 0; }
  void useXAxis() { m_flags = static_cast<int16_t>(m_flags | 64); }
  void useYAxis() { m_flags = static_cast<int16_t>(m_flags & ~64); }

 private:
  OdGePoint3d m_definingPoint;
  OdGePoint3d m_leaderEnd;
};
using OdDbOrdinateDimensionPtr = OdSmartPtr<OdDbOrdinateDimension>;
