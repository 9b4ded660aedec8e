#include "DbBody.h"

ODRX_DEFINE_NAMED(OdDbBody, "AcDbBody", OdDbEntity, "BODY", odrxNewReferenced<OdDbBody>)

const dxf::ClassLayout& OdDbBody::layout() {
  static const dxf::Field fields[] = {
      dxf::marker("AcDbModelerGeometry"),
      dxf::custom(modelerDataField()),
  };
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
  return layout;
}

OdDbBody::OdDbBody() { layout().applyOwnDefaults(this); }
