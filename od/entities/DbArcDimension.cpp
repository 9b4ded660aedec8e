#include "DbArcDimension.h"

ODRX_DEFINE_NAMED(OdDbArcDimension, "AcDbArcDimension", OdDbDimension, "ARC_DIMENSION",
                  odrxNewReferenced<OdDbArcDimension>)

const dxf::ClassLayout& OdDbArcDimension::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDbArcDimension::m_xLine1>(13),
      dxf::field<&OdDbArcDimension::m_xLine2>(14),
      dxf::field<&OdDbArcDimension::m_center>(15),
      dxf::field<&OdDbArcDimension::m_partial>(70),
      dxf::field<&OdDbArcDimension::m_startParam>(40),
      dxf::field<&OdDbArcDimension::m_endParam>(41),
      dxf::field<&OdDbArcDimension::m_hasLeader>(71),
      dxf::field<&OdDbArcDimension::m_leader1>(16),
      dxf::field<&OdDbArcDimension::m_leader2>(17),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbDimension::layout(), fields);
  return layout;
}

OdDbArcDimension::OdDbArcDimension() {
  layout().applyOwnDefaults(this);
  m_flags = 5;  // the type in the flags, for readers that go by them
}
