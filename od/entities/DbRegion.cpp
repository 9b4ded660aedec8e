#include "DbRegion.h"

ODRX_DEFINE_NAMED(OdDbRegion, "AcDbRegion", OdDbEntity, "REGION", odrxNewReferenced<OdDbRegion>)

const dxf::ClassLayout& OdDbRegion::layout() {
  static const dxf::Field fields[] = {
      dxf::marker("AcDbModelerGeometry"),
      dxf::custom(modelerDataField()),
  };
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
  return layout;
}

OdDbRegion::OdDbRegion() { layout().applyOwnDefaults(this); }
