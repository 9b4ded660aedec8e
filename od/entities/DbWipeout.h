#pragma once

#include "DbRasterImage.h"

// A wipeout: a polygon that hides what lies under it, stored as an image
// with no image definition whose clipping boundary is the polygon.
class OdDbWipeout : public OdDbRasterImage {
  OD_DXF_CLASS(OdDbWipeout);

 public:
  OdDbWipeout();
  // Its polygon filled (with the entity's colour: hosts paint it with the background).
  bool subWorldDraw(OdGiWorldDraw* wd) const override;
};
using OdDbWipeoutPtr = OdSmartPtr<OdDbWipeout>;
