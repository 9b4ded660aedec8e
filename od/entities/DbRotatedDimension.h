#pragma once

#include "DbAlignedDimension.h"

// A linear dimension measured along a given direction (horizontal, vertical or rotated).
class OdDbRotatedDimension : public OdDbAlignedDimension {
  OD_DXF_CLASS(OdDbRotatedDimension);

 public:
  OdDbRotatedDimension();

  // The direction of the dimension line.
  double rotation() const;
  void setRotation(double radians);
};
using OdDbRotatedDimensionPtr = OdSmartPtr<OdDbRotatedDimension>;
