#pragma once

#include "DbModelerGeometry.h"

// A region: a bounded planar area, as ACIS data.
class OdDbRegion : public OdDbModelerGeometryEntity {
  OD_DXF_CLASS(OdDbRegion);

 public:
  OdDbRegion();
};
using OdDbRegionPtr = OdSmartPtr<OdDbRegion>;
