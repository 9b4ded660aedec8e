#pragma once

#include "DbEntity.h"
#include "GePoint3d.h"

// A circular arc, counterclockwise from its start angle to its end angle
// about its normal. Like the circle in files (its fields follow the circle's),
// but a curve of its own as a class.
class OdDbArc : public OdDbCurve {
  OD_DXF_CLASS(OdDbArc);

 public:
  OdDbArc();

  // Centre in the object coordinate system of the normal (as in files).
  OdGePoint3d center() const { return m_center; }
  void setCenter(const OdGePoint3d& c) { m_center = c; }
  double radius() const { return m_radius; }
  void setRadius(double r) { m_radius = r; }
  double thickness() const { return m_thickness; }
  void setThickness(double t) { m_thickness = t; }
  OdGeVector3d normal() const { return m_normal; }
  void setNormal(const OdGeVector3d& n) { m_normal = n; }
  // Angles in radians from the X axis of the arc's plane.
  double startAngle() const;
  void setStartAngle(double radians);
  double endAngle() const;
  void setEndAngle(double radians);
  // The angle swept from start to end, in (0, 2π].
  double totalAngle() const;
  double length() const { return m_radius * totalAngle(); }
  bool isClosed() const { return false; }
  // End points in world coordinates.
  OdGePoint3d startPoint() const { return pointAt(m_startAngle); }
  OdGePoint3d endPoint() const { return pointAt(m_endAngle); }
  // The arc in its plane, without its thickness.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  OdGePoint3d pointAt(double degrees) const;

  double m_thickness;
  OdGePoint3d m_center;
  double m_radius;
  OdGeVector3d m_normal;
  double m_startAngle;  // degrees, as in the file
  double m_endAngle;
};
using OdDbArcPtr = OdSmartPtr<OdDbArc>;
