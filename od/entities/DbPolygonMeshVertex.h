#pragma once

#include "DbVertex.h"

// A vertex of a polygon mesh (row by row), in world coordinates.
class OdDbPolygonMeshVertex : public OdDbWcsVertex {
  OD_DXF_CLASS(OdDbPolygonMeshVertex);

 public:
  OdDbPolygonMeshVertex();
  explicit OdDbPolygonMeshVertex(const OdGePoint3d& position);
};
using OdDbPolygonMeshVertexPtr = OdSmartPtr<OdDbPolygonMeshVertex>;
