#include "DbRadialDimension.h"

ODRX_DEFINE_NAMED(OdDbRadialDimension, "AcDbRadialDimension", OdDbDimension, "DIMENSION",
                  odrxNewReferenced<OdDbRadialDimension>)

const dxf::ClassLayout& OdDbRadialDimension::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDbRadialDimension::m_chordPoint>(15),
      dxf::field<&OdDbRadialDimension::m_leaderLength>(40),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbDimension::layout(), fields);
  return layout;
}

OdDbRadialDimension::OdDbRadialDimension() {
  layout().applyOwnDefaults(this);
  m_flags = 4;  // the type in the flags, for readers that go by them
}
