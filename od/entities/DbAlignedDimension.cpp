#include "DbAlignedDimension.h"

#include "DxfGroupList.h"

ODRX_DEFINE_NAMED(OdDbAlignedDimension, "AcDbAlignedDimension", OdDbDimension, "DIMENSION",
                  odrxNewReferenced<OdDbAlignedDimension>)

const dxf::ClassLayout& OdDbAlignedDimension::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDbAlignedDimension::m_xLine1>(13),
      dxf::field<&OdDbAlignedDimension::m_xLine2>(14),
      dxf::angle<&OdDbAlignedDimension::m_rotation>(50, 0, dxf::kOmitDefault),
      dxf::angle<&OdDbAlignedDimension::m_oblique>(52, 0, dxf::kOmitDefault),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbDimension::layout(), fields);
  return layout;
}

OdDbAlignedDimension::OdDbAlignedDimension() {
  layout().applyOwnDefaults(this);
  m_flags = 1;  // the type in the flags, for readers that go by them
}

double OdDbAlignedDimension::oblique() const { return dxf::toRadians(m_oblique); }
void OdDbAlignedDimension::setOblique(double radians) { m_oblique = dxf::toDegrees(radians); }
