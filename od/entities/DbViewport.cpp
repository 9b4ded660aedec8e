#include "DbViewport.h"

ODRX_DEFINE_NAMED(OdDbViewport, "AcDbViewport", OdDbEntity, "VIEWPORT", odrxNewReferenced<OdDbViewport>)

const dxf::ClassLayout& OdDbViewport::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDbViewport::m_center>(10),
      dxf::field<&OdDbViewport::m_width>(40),
      dxf::field<&OdDbViewport::m_height>(41),
      dxf::field<&OdDbViewport::m_status>(68),
      dxf::field<&OdDbViewport::m_number>(69, dxf::defInt(2)),
      // Files before R13 have no view centre of their own (it is in their extended data).
      dxf::optional<&OdDbViewport::m_viewCenter>(12),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbViewport::OdDbViewport() { layout().applyOwnDefaults(this); }
