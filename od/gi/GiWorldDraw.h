#pragma once

#include "GiCommonDraw.h"
#include "GiGeometry.h"
#include "GiSubEntityTraits.h"

// The context of a world draw: geometry the same in every viewport.
class OdGiWorldDraw : public OdGiCommonDraw {
  ODRX_DECLARE_MEMBERS(OdGiWorldDraw);

 public:
  virtual OdGiWorldGeometry& geometry() const = 0;
  OdGiGeometry& rawGeometry() const override { return geometry(); }
};
