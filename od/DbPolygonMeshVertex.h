#pragma once

#include "DbVertex.h"

// A vertex of a polygon mesh (row by row), in world coordinates.
class OdDbPolygonMeshVertex : public OdDbVertex {
  OD_DXF_CLASS(OdDbPolygonMeshVertex);

 public:
  OdDbPolygonMeshVertex();
  explicit OdDbPolygonMeshVertex(const OdGePoint3d& position);

  OdGePoint3d position() const { return m_position; }
  void setPosition(const OdGePoint3d& p) { m_position = p; }
  int16_t flags() const { return m_flags; }
  void setFlags(int16_t f) { m_flags = f; }

 private:
  OdGePoint3d m_position;
  int16_t m_flags;
};
using OdDbPolygonMeshVertexPtr = OdSmartPtr<OdDbPolygonMeshVertex>;
