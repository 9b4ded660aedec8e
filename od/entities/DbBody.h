#pragma once

#include "DbModelerGeometry.h"

// A body: ACIS geometry that is neither a region nor a solid.
class OdDbBody : public OdDbModelerGeometryEntity {
  OD_DXF_CLASS(OdDbBody);

 public:
  OdDbBody();
};
using OdDbBodyPtr = OdSmartPtr<OdDbBody>;
