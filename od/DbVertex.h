#pragma once

#include "DbEntity.h"
#include "GePoint3d.h"

// Base of the vertices a POLYLINE owns (VERTEX records written after it).
// Vertices draw nothing themselves: their polyline draws them.
class OdDbVertex : public OdDbEntity {
  OD_DXF_CLASS(OdDbVertex);

 public:
  OdDbVertex();
};
using OdDbVertexPtr = OdSmartPtr<OdDbVertex>;
