#include "DbLine.h"

#include "GiWorldDraw.h"

ODRX_DEFINE_NAMED(OdDbLine, "AcDbLine", OdDbCurve, "LINE", odrxNewReferenced<OdDbLine>)

const dxf::ClassLayout& OdDbLine::layout() {
  static const dxf::Field fields[] = {
      dxf::optional<&OdDbLine::m_thickness>(39),
      dxf::field<&OdDbLine::m_start>(10),
      dxf::field<&OdDbLine::m_end>(11),
      dxf::optional<&OdDbLine::m_normal>(210, dxf::kNormal),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbLine::OdDbLine() { layout().applyOwnDefaults(this); }

bool OdDbLine::subWorldDraw(OdGiWorldDraw* wd) const {
  const OdGePoint3d points[] = {m_start, m_end};
  wd->geometry().polyline(2, points);
  return true;
}
