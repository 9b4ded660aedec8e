#pragma once

#include "DbRasterImage.h"

// A wipeout: a polygon that hides what lies under it, stored as an image
// with no image definition whose clipping boundary is the polygon.
class OdDbWipeout : public OdDbRasterImage {
  OD_DXF_CLASS(OdDbWipeout);

 public:
  OdDbWipeout();
};
using OdDbWipeoutPtr = OdSmartPtr<OdDbWipeout>;
