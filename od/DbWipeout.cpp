#include "DbWipeout.h"

ODRX_DEFINE_NAMED(OdDbWipeout, "AcDbWipeout", OdDbRasterImage, "WIPEOUT", odrxNewReferenced<OdDbWipeout>)

// The image's fields, under the wipeout's own subclass marker.
const dxf::ClassLayout& OdDbWipeout::layout() {
  static const std::vector<dxf::Field> fields = imageFields("AcDbWipeout");
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
  return layout;
}

OdDbWipeout::OdDbWipeout() { layout().applyOwnDefaults(this); }
