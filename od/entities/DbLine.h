#pragma once

#include "DbEntity.h"
#include "GePoint3d.h"

class OdDbLine : public OdDbCurve {
  OD_DXF_CLASS(OdDbLine);

 public:
  OdDbLine();
  OdGePoint3d startPoint() const { return m_start; }
  void setStartPoint(const OdGePoint3d& p) { m_start = p; }
  OdGePoint3d endPoint() const { return m_end; }
  void setEndPoint(const OdGePoint3d& p) { m_end = p; }
  double thickness() const { return m_thickness; }
  void setThickness(double t) { m_thickness = t; }
  OdGeVector3d normal() const { return m_normal; }
  void setNormal(const OdGeVector3d& n) { m_normal = n; }
  // The segment, without its thickness.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  double m_thickness;
  OdGePoint3d m_start;
  OdGePoint3d m_end;
  OdGeVector3d m_normal;
};
using OdDbLinePtr = OdSmartPtr<OdDbLine>;
