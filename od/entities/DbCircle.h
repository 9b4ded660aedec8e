#pragma once

#include "DbEntity.h"
#include "GePoint3d.h"

// A full circle in the plane of its normal.
class OdDbCircle : public OdDbCurve {
  OD_DXF_CLASS(OdDbCircle);

 public:
  OdDbCircle();

  // Centre in the object coordinate system of the normal (as in files).
  OdGePoint3d center() const { return m_center; }
  void setCenter(const OdGePoint3d& c) { m_center = c; }
  double radius() const { return m_radius; }
  void setRadius(double r) { m_radius = r; }
  double diameter() const { return 2 * m_radius; }
  double circumference() const;
  double area() const;
  double thickness() const { return m_thickness; }
  void setThickness(double t) { m_thickness = t; }
  OdGeVector3d normal() const { return m_normal; }
  void setNormal(const OdGeVector3d& n) { m_normal = n; }
  bool isClosed() const { return true; }
  // The circle in its plane, without its thickness.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  double m_thickness;
  OdGePoint3d m_center;  // object coordinates, as in the file
  double m_radius;
  OdGeVector3d m_normal;
};
using OdDbCirclePtr = OdSmartPtr<OdDbCircle>;
