#pragma once

#include "DbEntity.h"
#include "GePoint3d.h"

// A point, drawn with the drawing's point style.
class OdDbPoint : public OdDbEntity {
  OD_DXF_CLASS(OdDbPoint);

 public:
  OdDbPoint();
  explicit OdDbPoint(const OdGePoint3d& position);

  OdGePoint3d position() const { return m_position; }
  void setPosition(const OdGePoint3d& p) { m_position = p; }
  double thickness() const { return m_thickness; }
  void setThickness(double t) { m_thickness = t; }
  OdGeVector3d normal() const { return m_normal; }
  void setNormal(const OdGeVector3d& n) { m_normal = n; }
  // Rotation of the point's X axis in its plane, in radians.
  double ecsRotation() const;
  void setEcsRotation(double radians);
  // A polyline of two equal points: a dot whatever the zoom, as the point
  // style's default draws it (other styles and the thickness are left out).
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  OdGePoint3d m_position;
  double m_thickness;
  OdGeVector3d m_normal;
  double m_rotation;  // degrees, as in the file
};
using OdDbPointPtr = OdSmartPtr<OdDbPoint>;
