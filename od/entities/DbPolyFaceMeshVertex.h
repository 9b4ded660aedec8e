#pragma once

#include "DbVertex.h"

// A vertex of a polyface mesh (a corner that face records name by number), in world coordinates.
class OdDbPolyFaceMeshVertex : public OdDbWcsVertex {
  OD_DXF_CLASS(OdDbPolyFaceMeshVertex);

 public:
  OdDbPolyFaceMeshVertex();
  explicit OdDbPolyFaceMeshVertex(const OdGePoint3d& position);
};
using OdDbPolyFaceMeshVertexPtr = OdSmartPtr<OdDbPolyFaceMeshVertex>;
