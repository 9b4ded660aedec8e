#include "Db2LineAngularDimension.h"

ODRX_DEFINE_NAMED(OdDb2LineAngularDimension, "AcDb2LineAngularDimension", OdDbDimension, "DIMENSION",
                  odrxNewReferenced<OdDb2LineAngularDimension>)

const dxf::ClassLayout& OdDb2LineAngularDimension::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDb2LineAngularDimension::m_xLine1Start>(13),
      dxf::field<&OdDb2LineAngularDimension::m_xLine1End>(14),
      dxf::field<&OdDb2LineAngularDimension::m_xLine2Start>(15),
      dxf::field<&OdDb2LineAngularDimension::m_arcPoint>(16),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbDimension::layout(), fields);
  return layout;
}

OdDb2LineAngularDimension::OdDb2LineAngularDimension() {
  layout().applyOwnDefaults(this);
  m_flags = 2;  // the type in the flags, for readers that go by them
}
