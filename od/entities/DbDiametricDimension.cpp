#include "DbDiametricDimension.h"

ODRX_DEFINE_NAMED(OdDbDiametricDimension, "AcDbDiametricDimension", OdDbDimension, "DIMENSION",
                  odrxNewReferenced<OdDbDiametricDimension>)

const dxf::ClassLayout& OdDbDiametricDimension::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDbDiametricDimension::m_farChordPoint>(15),
      dxf::field<&OdDbDiametricDimension::m_leaderLength>(40),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbDimension::layout(), fields);
  return layout;
}

OdDbDiametricDimension::OdDbDiametricDimension() {
  layout().applyOwnDefaults(this);
  m_flags = 3;  // the type in the flags, for readers that go by them
}
