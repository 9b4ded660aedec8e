#pragma once

#include "DbDimension.h"

// A linear dimension parallel to the line between its extension line points.
class OdDbAlignedDimension : public OdDbDimension {
  OD_DXF_CLASS(OdDbAlignedDimension);

 public:
  OdDbAlignedDimension();

  OdGePoint3d xLine1Point() const { return m_xLine1; }
  void setXLine1Point(const OdGePoint3d& p) { m_xLine1 = p; }
  OdGePoint3d xLine2Point() const { return m_xLine2; }
  void setXLine2Point(const OdGePoint3d& p) { m_xLine2 = p; }
  // A point on the dimension line.
  OdGePoint3d dimLinePoint() const { return m_defPoint; }
  void setDimLinePoint(const OdGePoint3d& p) { m_defPoint = p; }
  // The angle of the extension lines against the dimension line's normal.
  double oblique() const;
  void setOblique(double radians);

 protected:
  OdGePoint3d m_xLine1;
  OdGePoint3d m_xLine2;
  // Rotated dimensions keep their angle here: files write it before their marker.
  double m_rotation;  // degrees, as files hold it
  double m_oblique;
};
using OdDbAlignedDimensionPtr = OdSmartPtr<OdDbAlignedDimension>;
