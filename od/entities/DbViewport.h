#pragma once

#include "DbEntity.h"
#include "GePoint2d.h"
#include "GePoint3d.h"

// A viewport of a paper space layout (VIEWPORT). Its view settings after
// the view centre are kept as read.
class OdDbViewport : public OdDbEntity {
  OD_DXF_CLASS(OdDbViewport);

 public:
  OdDbViewport();

  OdGePoint3d centerPoint() const { return m_center; }
  void setCenterPoint(const OdGePoint3d& p) { m_center = p; }
  double width() const { return m_width; }
  void setWidth(double w) { m_width = w; }
  double height() const { return m_height; }
  void setHeight(double h) { m_height = h; }
  // Status: -1 on but off screen, 0 off, otherwise on and its stacking order.
  int16_t status() const { return m_status; }
  void setStatus(int16_t s) { m_status = s; }
  bool isOn() const { return m_status != 0; }
  // Identifier; 1 is the paper space viewport of its layout.
  int16_t number() const { return m_number; }
  void setNumber(int16_t n) { m_number = n; }
  // The centre of the view, in display coordinates.
  OdGePoint2d viewCenter() const { return m_viewCenter; }
  void setViewCenter(const OdGePoint2d& p) { m_viewCenter = p; }

  // Nothing: what a viewport shows is the host's to draw.
  bool subWorldDraw(OdGiWorldDraw*) const override { return true; }

 private:
  OdGePoint3d m_center;
  double m_width;
  double m_height;
  int16_t m_status;
  int16_t m_number;
  OdGePoint2d m_viewCenter;
};
using OdDbViewportPtr = OdSmartPtr<OdDbViewport>;
