#pragma once

#include "DbVertex.h"

// A vertex of a 3D polyline, in world coordinates.
class OdDb3dPolylineVertex : public OdDbVertex {
  OD_DXF_CLASS(OdDb3dPolylineVertex);

 public:
  OdDb3dPolylineVertex();
  explicit OdDb3dPolylineVertex(const OdGePoint3d& position);

  OdGePoint3d position() const { return m_position; }
  void setPosition(const OdGePoint3d& p) { m_position = p; }
  int16_t flags() const { return m_flags; }
  void setFlags(int16_t f) { m_flags = f; }

 private:
  OdGePoint3d m_position;
  int16_t m_flags;
};
using OdDb3dPolylineVertexPtr = OdSmartPtr<OdDb3dPolylineVertex>;
