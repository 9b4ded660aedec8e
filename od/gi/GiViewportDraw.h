#pragma once

#include "GiCommonDraw.h"
#include "GiGeometry.h"
#include "GiSubEntityTraits.h"

// The context of a viewport draw: geometry for one viewport, drawn after the world draw.
class OdGiViewportDraw : public OdGiCommonDraw {
  ODRX_DECLARE_MEMBERS(OdGiViewportDraw);

 public:
  virtual OdGiViewportGeometry& geometry() const = 0;
  OdGiGeometry& rawGeometry() const override { return geometry(); }
};
