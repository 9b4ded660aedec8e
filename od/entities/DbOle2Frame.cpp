#include "DbOle2Frame.h"

#include "GiWorldDraw.h"

ODRX_DEFINE_NAMED(OdDbOle2Frame, "AcDbOle2Frame", OdDbOleFrame, "OLE2FRAME", odrxNewReferenced<OdDbOle2Frame>)

// Files give the frame's fields and the data under one subclass marker.
const dxf::ClassLayout& OdDbOle2Frame::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDbOle2Frame::m_oleVersion>(70, dxf::defInt(2)),
      dxf::field<&OdDbOle2Frame::m_userType>(3),
      dxf::field<&OdDbOle2Frame::m_upperLeft>(10),
      dxf::field<&OdDbOle2Frame::m_lowerRight>(11),
      dxf::field<&OdDbOle2Frame::m_type>(71, dxf::defInt(kEmbedded)),
      dxf::field<&OdDbOle2Frame::m_tileMode>(72),
      dxf::custom(dataField()),
      dxf::field<&OdDbOle2Frame::m_endMarker>(1, dxf::defStr("OLE")),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbOle2Frame::OdDbOle2Frame() { layout().applyOwnDefaults(this); }

void OdDbOle2Frame::setCorners(const OdGePoint3d& upperLeft, const OdGePoint3d& lowerRight) {
  m_upperLeft = upperLeft;
  m_lowerRight = lowerRight;
}

bool OdDbOle2Frame::subWorldDraw(OdGiWorldDraw* wd) const {
  const OdGePoint3d& a = m_upperLeft;
  const OdGePoint3d& b = m_lowerRight;
  if (a == b) return true;  // no frame was given
  const OdGePoint3d frame[] = {a, {b.x, a.y, a.z}, b, {a.x, b.y, b.z}, a};
  wd->geometry().polyline(5, frame);
  return true;
}
