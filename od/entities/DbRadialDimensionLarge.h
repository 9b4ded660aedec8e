#pragma once

#include "DbDimension.h"

// A jogged radius dimension of a large arc, drawn from an override centre
// (LARGE_RADIAL_DIMENSION).
class OdDbRadialDimensionLarge : public OdDbDimension {
  OD_DXF_CLASS(OdDbRadialDimensionLarge);

 public:
  OdDbRadialDimensionLarge();

  OdGePoint3d center() const { return m_defPoint; }
  void setCenter(const OdGePoint3d& p) { m_defPoint = p; }
  OdGePoint3d chordPoint() const { return m_chordPoint; }
  void setChordPoint(const OdGePoint3d& p) { m_chordPoint = p; }
  OdGePoint3d overrideCenter() const { return m_overrideCenter; }
  void setOverrideCenter(const OdGePoint3d& p) { m_overrideCenter = p; }
  OdGePoint3d jogPoint() const { return m_jogPoint; }
  void setJogPoint(const OdGePoint3d& p) { m_jogPoint = p; }
  double jogAngle() const { return m_jogAngle; }
  void setJogAngle(double radians) { m_jogAngle = radians; }

 private:
  OdGePoint3d m_chordPoint;
  OdGePoint3d m_overrideCenter;
  OdGePoint3d m_jogPoint;
  double m_jogAngle;  // radians: this group is not in degrees
};
using OdDbRadialDimensionLargePtr = OdSmartPtr<OdDbRadialDimensionLarge>;
