#include "DbTrace.h"

#include "DbCorners.h"
#include "DbOcs.h"
#include "GiWorldDraw.h"

ODRX_DEFINE_NAMED(OdDbTrace, "AcDbTrace", OdDbEntity, "TRACE", odrxNewReferenced<OdDbTrace>)

const dxf::ClassLayout& OdDbTrace::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDbTrace::m_p0>(10),
      dxf::field<&OdDbTrace::m_p1>(11),
      dxf::field<&OdDbTrace::m_p2>(12),
      dxf::field<&OdDbTrace::m_p3>(13),
      dxf::optional<&OdDbTrace::m_thickness>(39),
      dxf::optional<&OdDbTrace::m_normal>(210, dxf::kNormal),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbTrace::OdDbTrace() { layout().applyOwnDefaults(this); }

OdDbTrace::OdDbTrace(const OdGePoint3d& p0, const OdGePoint3d& p1, const OdGePoint3d& p2, const OdGePoint3d& p3) : OdDbTrace() {
  m_p0 = p0;
  m_p1 = p1;
  m_p2 = p2;
  m_p3 = p3;
}

OdGePoint3d& OdDbTrace::corner(int index) { return odCornerAt(index, m_p0, m_p1, m_p2, m_p3); }

OdGePoint3d OdDbTrace::getPointAt(int index) const { return const_cast<OdDbTrace*>(this)->corner(index); }
void OdDbTrace::setPointAt(int index, const OdGePoint3d& p) { corner(index) = p; }

bool OdDbTrace::subWorldDraw(OdGiWorldDraw* wd) const {
  const OdGePoint3d outline[] = {odOcsToWcs(m_p0, m_normal), odOcsToWcs(m_p1, m_normal), odOcsToWcs(m_p3, m_normal),
                                 odOcsToWcs(m_p2, m_normal)};
  wd->geometry().polygon(4, outline);
  return true;
}
