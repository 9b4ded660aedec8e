#pragma once

#include "DbEntity.h"
#include "GePoint3d.h"

// An ellipse or elliptical arc, in world coordinates: centre, major axis
// (half the major diameter, as a vector), ratio of minor to major axis and
// the start and end parameters (radians; 0 and 2π for a full ellipse).
class OdDbEllipse : public OdDbCurve {
  OD_DXF_CLASS(OdDbEllipse);

 public:
  OdDbEllipse();

  OdGePoint3d center() const { return m_center; }
  void setCenter(const OdGePoint3d& c) { m_center = c; }
  OdGeVector3d majorAxis() const { return m_majorAxis; }
  void setMajorAxis(const OdGeVector3d& v) { m_majorAxis = v; }
  OdGeVector3d minorAxis() const;
  double majorRadius() const { return m_majorAxis.length(); }
  double minorRadius() const { return m_majorAxis.length() * m_radiusRatio; }
  double radiusRatio() const { return m_radiusRatio; }
  void setRadiusRatio(double r) { m_radiusRatio = r; }
  OdGeVector3d normal() const { return m_normal; }
  void setNormal(const OdGeVector3d& n) { m_normal = n; }
  double startParam() const { return m_startParam; }
  void setStartParam(double p) { m_startParam = p; }
  double endParam() const { return m_endParam; }
  void setEndParam(double p) { m_endParam = p; }
  // Angles from the major axis, in radians, of the start and end points.
  double startAngle() const { return angleAtParam(m_startParam); }
  double endAngle() const { return angleAtParam(m_endParam); }
  bool isClosed() const;
  OdGePoint3d pointAtParam(double param) const;
  OdGePoint3d startPoint() const { return pointAtParam(m_startParam); }
  OdGePoint3d endPoint() const { return pointAtParam(m_endParam); }
  void set(const OdGePoint3d& center, const OdGeVector3d& normal, const OdGeVector3d& majorAxis, double radiusRatio,
           double startParam = 0, double endParam = 6.283185307179586);
  // A polyline through points at even parameter steps from start to end.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  double angleAtParam(double param) const;

  OdGePoint3d m_center;
  OdGeVector3d m_majorAxis;
  OdGeVector3d m_normal;
  double m_radiusRatio;
  double m_startParam;
  double m_endParam;
};
using OdDbEllipsePtr = OdSmartPtr<OdDbEllipse>;
