#include "DbRadialDimensionLarge.h"

ODRX_DEFINE_NAMED(OdDbRadialDimensionLarge, "AcDbRadialDimensionLarge", OdDbDimension, "LARGE_RADIAL_DIMENSION",
                  odrxNewReferenced<OdDbRadialDimensionLarge>)

const dxf::ClassLayout& OdDbRadialDimensionLarge::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDbRadialDimensionLarge::m_chordPoint>(13),
      dxf::field<&OdDbRadialDimensionLarge::m_overrideCenter>(14),
      dxf::field<&OdDbRadialDimensionLarge::m_jogPoint>(15),
      dxf::field<&OdDbRadialDimensionLarge::m_jogAngle>(40),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbDimension::layout(), fields);
  return layout;
}

OdDbRadialDimensionLarge::OdDbRadialDimensionLarge() {
  layout().applyOwnDefaults(this);
  m_flags = 9;  // the type in the flags, for readers that go by them
}
