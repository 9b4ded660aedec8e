#pragma once

#include "DbDimension.h"

// The angle at a centre point between two points.
class OdDb3PointAngularDimension : public OdDbDimension {
  OD_DXF_CLASS(OdDb3PointAngularDimension);

 public:
  OdDb3PointAngularDimension();

  OdGePoint3d xLine1Point() const { return m_xLine1; }
  void setXLine1Point(const OdGePoint3d& p) { m_xLine1 = p; }
  OdGePoint3d xLine2Point() const { return m_xLine2; }
  void setXLine2Point(const OdGePoint3d& p) { m_xLine2 = p; }
  OdGePoint3d centerPoint() const { return m_center; }
  void setCenterPoint(const OdGePoint3d& p) { m_center = p; }
  // A point on the dimension arc.
  OdGePoint3d arcPoint() const { return m_defPoint; }
  void setArcPoint(const OdGePoint3d& p) { m_defPoint = p; }

 private:
  OdGePoint3d m_xLine1;
  OdGePoint3d m_xLine2;
  OdGePoint3d m_center;
};
using OdDb3PointAngularDimensionPtr = OdSmartPtr<OdDb3PointAngularDimension>;
