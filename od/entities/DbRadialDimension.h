#pragma once

#include "DbDimension.h"

// The radius of an arc or circle.
class OdDbRadialDimension : public OdDbDimension {
  OD_DXF_CLASS(OdDbRadialDimension);

 public:
  OdDbRadialDimension();

  OdGePoint3d center() const { return m_defPoint; }
  void setCenter(const OdGePoint3d& p) { m_defPoint = p; }
  OdGePoint3d chordPoint() const { return m_chordPoint; }
  void setChordPoint(const OdGePoint3d& p) { m_chordPoint = p; }
  double leaderLength() const { return m_leaderLength; }
  void setLeaderLength(double l) { m_leaderLength = l; }

 private:
  OdGePoint3d m_chordPoint;
  double m_leaderLength;
};
using OdDbRadialDimensionPtr = OdSmartPtr<OdDbRadialDimension>;
