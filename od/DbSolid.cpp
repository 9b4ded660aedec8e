#include "DbSolid.h"

ODRX_DEFINE_NAMED(OdDbSolid, "AcDbSolid", OdDbEntity, "SOLID", odrxNewReferenced<OdDbSolid>)

const dxf::ClassLayout& OdDbSolid::layout() {
  static const dxf::Field fields[] = {
      dxf::marker("AcDbTrace"),  // SOLID shares TRACE's subclass in files
      dxf::field<&OdDbSolid::m_p0>(10),
      dxf::field<&OdDbSolid::m_p1>(11),
      dxf::field<&OdDbSolid::m_p2>(12),
      dxf::field<&OdDbSolid::m_p3>(13),
      dxf::optional<&OdDbSolid::m_thickness>(39),
      dxf::optional<&OdDbSolid::m_normal>(210, dxf::kNormal),
  };
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
  return layout;
}

OdDbSolid::OdDbSolid() { layout().applyOwnDefaults(this); }

OdDbSolid::OdDbSolid(const OdGePoint3d& p0, const OdGePoint3d& p1, const OdGePoint3d& p2, const OdGePoint3d& p3) : OdDbSolid() {
  m_p0 = p0;
  m_p1 = p1;
  m_p2 = p2;
  m_p3 = p3;
}

OdGePoint3d& OdDbSolid::corner(int index) {
  switch (index) {
    case 0: return m_p0;
    case 1: return m_p1;
    case 2: return m_p2;
    case 3: return m_p3;
    default: throw OdError_InvalidIndex();
  }
}

OdGePoint3d OdDbSolid::getPointAt(int index) const { return const_cast<OdDbSolid*>(this)->corner(index); }
void OdDbSolid::setPointAt(int index, const OdGePoint3d& p) { corner(index) = p; }
