#pragma once

#include "CmColor.h"
#include "DbEntity.h"
#include "GePoint3d.h"

// What one primitive looks like once by-layer and by-block are resolved.
struct OdGiResolvedTraits {
  uint32_t rgb = 0xFFFFFF;  // 0xRRGGBB
  uint8_t alpha = 255;      // 255 opaque
  OdDb::LineWeight lineWeight = OdDb::kLnWtByLwDefault;
  OdDbStub* layer = nullptr;
  OdDbStub* linetype = nullptr;
  // Set by a host while it draws under one of its highlight styles; 0 for none.
  int highlightType = 0;
};

// Receives the primitives of a drawing in world coordinates: a device paints
// them, an extents pass measures them.
class OdGiGeometrySink {
 public:
  virtual ~OdGiGeometrySink() = default;
  virtual void polyline(const OdGePoint3d* points, int count, const OdGiResolvedTraits& traits) = 0;
  // A filled, closed outline, by the even-odd rule (a hatch's loops come as
  // one outline, its islands left empty).
  virtual void polygon(const OdGePoint3d* points, int count, const OdGiResolvedTraits& traits) = 0;
  // direction runs along the baseline and up across it; both are as long as the text's height.
  virtual void text(const OdGePoint3d& position, const OdGeVector3d& direction, const OdGeVector3d& up,
                    double widthFactor, const OdString& message, const OdGiResolvedTraits& traits) = 0;
};
