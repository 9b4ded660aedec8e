#include "DbWipeout.h"

#include "GiWorldDraw.h"

ODRX_DEFINE_NAMED(OdDbWipeout, "AcDbWipeout", OdDbRasterImage, "WIPEOUT", odrxNewReferenced<OdDbWipeout>)

// The image's fields, under the wipeout's own subclass marker.
const dxf::ClassLayout& OdDbWipeout::layout() {
  static const std::vector<dxf::Field> fields = imageFields("AcDbWipeout");
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
  return layout;
}

OdDbWipeout::OdDbWipeout() { layout().applyOwnDefaults(this); }

bool OdDbWipeout::subWorldDraw(OdGiWorldDraw* wd) const {
  // The polygon is the clipping boundary, whether or not the clipping flag is set.
  std::vector<OdGePoint3d> outline = clipBoundary().size() >= 2 ? clipBoundaryWcs() : getVertices();
  wd->geometry().polygon(static_cast<int32_t>(outline.size()), outline.data());
  return true;
}
