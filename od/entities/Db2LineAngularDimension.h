#pragma once

#include "DbDimension.h"

// The angle between two lines.
class OdDb2LineAngularDimension : public OdDbDimension {
  OD_DXF_CLASS(OdDb2LineAngularDimension);

 public:
  OdDb2LineAngularDimension();

  OdGePoint3d xLine1Start() const { return m_xLine1Start; }
  void setXLine1Start(const OdGePoint3d& p) { m_xLine1Start = p; }
  OdGePoint3d xLine1End() const { return m_xLine1End; }
  void setXLine1End(const OdGePoint3d& p) { m_xLine1End = p; }
  OdGePoint3d xLine2Start() const { return m_xLine2Start; }
  void setXLine2Start(const OdGePoint3d& p) { m_xLine2Start = p; }
  OdGePoint3d xLine2End() const { return m_defPoint; }
  void setXLine2End(const OdGePoint3d& p) { m_defPoint = p; }
  // A point on the dimension arc.
  OdGePoint3d arcPoint() const { return m_arcPoint; }
  void setArcPoint(const OdGePoint3d& p) { m_arcPoint = p; }

 private:
  OdGePoint3d m_xLine1Start;
  OdGePoint3d m_xLine1End;
  OdGePoint3d m_xLine2Start;
  OdGePoint3d m_arcPoint;
};
using OdDb2LineAngularDimensionPtr = OdSmartPtr<OdDb2LineAngularDimension>;
