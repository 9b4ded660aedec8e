#include "DbVertex.h"

ODRX_DEFINE_NAMED(OdDbVertex, "AcDbVertex", OdDbEntity, "", nullptr)

const dxf::ClassLayout& OdDbVertex::layout() {
  static const dxf::Field fields[] = {dxf::marker("AcDbVertex")};
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
  return layout;
}

OdDbVertex::OdDbVertex() = default;
