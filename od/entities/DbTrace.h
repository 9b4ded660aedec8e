#pragma once

#include "DbEntity.h"
#include "GePoint3d.h"

// A trace, the wide line segment of early drawings, filled: four corners in
// the plane of its normal (object coordinates). The corners go 0, 1, 3, 2
// around the outline.
class OdDbTrace : public OdDbEntity {
  OD_DXF_CLASS(OdDbTrace);

 public:
  OdDbTrace();
  OdDbTrace(const OdGePoint3d& p0, const OdGePoint3d& p1, const OdGePoint3d& p2, const OdGePoint3d& p3);

  // Corner 0 to 3; throws the invalid-index error for others.
  OdGePoint3d getPointAt(int index) const;
  void setPointAt(int index, const OdGePoint3d& p);
  double thickness() const { return m_thickness; }
  void setThickness(double t) { m_thickness = t; }
  OdGeVector3d normal() const { return m_normal; }
  void setNormal(const OdGeVector3d& n) { m_normal = n; }
  // The filled outline, without the thickness.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  OdGePoint3d& corner(int index);

  OdGePoint3d m_p0, m_p1, m_p2, m_p3;
  double m_thickness;
  OdGeVector3d m_normal;
};
using OdDbTracePtr = OdSmartPtr<OdDbTrace>;
