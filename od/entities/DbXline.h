#pragma once

#include "DbUnboundedLine.h"

// An infinite line through a base point along a unit direction, in world coordinates.
class OdDbXline : public OdDbUnboundedLine {
  OD_DXF_CLASS(OdDbXline);

 public:
  OdDbXline();

  // A segment reaching far both ways from the base point; nothing when
  // measuring extents, which an infinite line has none of.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;
};
using OdDbXlinePtr = OdSmartPtr<OdDbXline>;
