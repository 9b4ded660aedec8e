#pragma once

#include "DbVertex.h"

// A vertex of a 3D polyline, in world coordinates.
class OdDb3dPolylineVertex : public OdDbWcsVertex {
  OD_DXF_CLASS(OdDb3dPolylineVertex);

 public:
  OdDb3dPolylineVertex();
  explicit OdDb3dPolylineVertex(const OdGePoint3d& position);
};
using OdDb3dPolylineVertexPtr = OdSmartPtr<OdDb3dPolylineVertex>;
