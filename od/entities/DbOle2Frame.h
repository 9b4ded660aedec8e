#pragma once

#include "DbOleFrame.h"
#include "GePoint3d.h"

// An OLE object in a frame (OLE2FRAME): the frame's corners, the kind of
// object and the OLE data.
class OdDbOle2Frame : public OdDbOleFrame {
  OD_DXF_CLASS(OdDbOle2Frame);

 public:
  OdDbOle2Frame();

  enum Type { kUnknown = 0, kLink = 1, kEmbedded = 2, kStatic = 3 };

  // What the object is ("Paintbrush Picture").
  OdString getUserType() const { return m_userType; }
  void setUserType(const OdString& type) { m_userType = type; }
  Type getType() const { return static_cast<Type>(m_type); }
  void setType(Type type) { m_type = static_cast<int16_t>(type); }
  OdGePoint3d upperLeft() const { return m_upperLeft; }
  OdGePoint3d lowerRight() const { return m_lowerRight; }
  void setCorners(const OdGePoint3d& upperLeft, const OdGePoint3d& lowerRight);
  // 0 in model space, 1 in paper space.
  int16_t tileMode() const { return m_tileMode; }
  void setTileMode(int16_t mode) { m_tileMode = mode; }
  // The frame's rectangle, closed; the OLE object itself is the host's to show.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  OdString m_userType;
  OdGePoint3d m_upperLeft;
  OdGePoint3d m_lowerRight;
  int16_t m_type;
  int16_t m_tileMode;
};
using OdDbOle2FramePtr = OdSmartPtr<OdDbOle2Frame>;
