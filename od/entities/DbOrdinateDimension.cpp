#include "DbOrdinateDimension.h"

ODRX_DEFINE_NAMED(OdDbOrdinateDimension, "AcDbOrdinateDimension", OdDbDimension, "DIMENSION",
                  odrxNewReferenced<OdDbOrdinateDimension>)

const dxf::ClassLayout& OdDbOrdinateDimension::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDbOrdinateDimension::m_definingPoint>(13),
      dxf::field<&OdDbOrdinateDimension::m_leaderEnd>(14),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbDimension::layout(), fields);
  return layout;
}

OdDbOrdinateDimension::OdDbOrdinateDimension() {
  layout().applyOwnDefaults(this);
  m_flags = 6;  // the type in the flags, for readers that go by them
}
