#include "Db3PointAngularDimension.h"

ODRX_DEFINE_NAMED(OdDb3PointAngularDimension, "AcDb3PointAngularDimension", OdDbDimension, "DIMENSION",
                  odrxNewReferenced<OdDb3PointAngularDimension>)

const dxf::ClassLayout& OdDb3PointAngularDimension::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDb3PointAngularDimension::m_xLine1>(13),
      dxf::field<&OdDb3PointAngularDimension::m_xLine2>(14),
      dxf::field<&OdDb3PointAngularDimension::m_center>(15),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbDimension::layout(), fields);
  return layout;
}

OdDb3PointAngularDimension::OdDb3PointAngularDimension() {
  layout().applyOwnDefaults(this);
  m_flags = 5;  // the type in the flags, for readers that go by them
}
