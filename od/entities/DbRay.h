#pragma once

#include "DbUnboundedLine.h"

// A half-infinite line from a base point along a unit direction, in world coordinates.
class OdDbRay : public OdDbUnboundedLine {
  OD_DXF_CLASS(OdDbRay);

 public:
  OdDbRay();

  // A segment reaching far from the base point; nothing when measuring
  // extents, which an infinite line has none of.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;
};
using OdDbRayPtr = OdSmartPtr<OdDbRay>;
