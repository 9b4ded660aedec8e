#include "DbRotatedDimension.h"

#include "DxfGroupList.h"

ODRX_DEFINE_NAMED(OdDbRotatedDimension, "AcDbRotatedDimension", OdDbAlignedDimension, "DIMENSION",
                  odrxNewReferenced<OdDbRotatedDimension>)

const dxf::ClassLayout& OdDbRotatedDimension::layout() {
  // A marker only: the angle is written in the aligned section before it.
  static const dxf::Field fields[] = {dxf::marker("AcDbRotatedDimension")};
  static const dxf::ClassLayout layout(&OdDbAlignedDimension::layout(), fields);
  return layout;
}

OdDbRotatedDimension::OdDbRotatedDimension() {
  layout().applyOwnDefaults(this);
  m_flags = 0;  // the type in the flags, for readers that go by them
}

double OdDbRotatedDimension::rotation() const { return dxf::toRadians(m_rotation); }
void OdDbRotatedDimension::setRotation(double radians) { m_rotation = dxf::toDegrees(radians); }
