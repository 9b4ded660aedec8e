#include "DbLayout.h"

ODRX_DEFINE_NAMED(OdDbLayout, "AcDbLayout", OdDbObject, "LAYOUT", odrxNewReferenced<OdDbLayout>)

const dxf::ClassLayout& OdDbLayout::layout() {
  static const dxf::Field fields[] = {
      dxf::marker("AcDbPlotSettings"),
      dxf::marker("AcDbLayout"),
      dxf::field<&OdDbLayout::m_name>(1),
      dxf::field<&OdDbLayout::m_flags>(70, dxf::defInt(1)),
      dxf::field<&OdDbLayout::m_tabOrder>(71),
      dxf::field<&OdDbLayout::m_limMin>(10),
      dxf::field<&OdDbLayout::m_limMax>(11, dxf::def(12, 9)),
      dxf::field<&OdDbLayout::m_insBase>(12),
      dxf::field<&OdDbLayout::m_extMin>(14, dxf::def(1e20, 1e20, 1e20)),
      dxf::field<&OdDbLayout::m_extMax>(15, dxf::def(-1e20, -1e20, -1e20)),
      dxf::field<&OdDbLayout::m_elevation>(146),
      dxf::field<&OdDbLayout::m_ucsOrigin>(13),
      dxf::field<&OdDbLayout::m_ucsX>(16, dxf::def(1, 0, 0)),
      dxf::field<&OdDbLayout::m_ucsY>(17, dxf::def(0, 1, 0)),
      dxf::field<&OdDbLayout::m_ucsType>(76, dxf::defInt(1)),
      dxf::field<&OdDbLayout::m_block>(330),
      dxf::optional<&OdDbLayout::m_lastViewport>(331),
      dxf::optional<&OdDbLayout::m_ucs>(345),
      dxf::optional<&OdDbLayout::m_baseUcs>(346),
  };
  static const dxf::ClassLayout layout(&OdDbObject::layout(), fields);
  return layout;
}

OdDbLayout::OdDbLayout() { layout().applyOwnDefaults(this); }
