#pragma once

#include "DbDimension.h"

// The diameter of an arc or circle, between two opposite chord points.
class OdDbDiametricDimension : public OdDbDimension {
  OD_DXF_CLASS(OdDbDiametricDimension);

 public:
  OdDbDiametricDimension();

  OdGePoint3d chordPoint() const { return m_defPoint; }
  void setChordPoint(const OdGePoint3d& p) { m_defPoint = p; }
  OdGePoint3d farChordPoint() const { return m_farChordPoint; }
  void setFarChordPoint(const OdGePoint3d& p) { m_farChordPoint = p; }
  double leaderLength() const { return m_leaderLength; }
  void setLeaderLength(double l) { m_leaderLength = l; }

 private:
  OdGePoint3d m_farChordPoint;
  double m_leaderLength;
};
using OdDbDiametricDimensionPtr = OdSmartPtr<OdDbDiametricDimension>;
