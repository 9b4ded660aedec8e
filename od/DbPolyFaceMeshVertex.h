#pragma once

#include "DbVertex.h"

// A vertex of a polyface mesh (a corner that face records name by number), in world coordinates.
class OdDbPolyFaceMeshVertex : public OdDbVertex {
  OD_DXF_CLASS(OdDbPolyFaceMeshVertex);

 public:
  OdDbPolyFaceMeshVertex();
  explicit OdDbPolyFaceMeshVertex(const OdGePoint3d& position);

  OdGePoint3d position() const { return m_position; }
  void setPosition(const OdGePoint3d& p) { m_position = p; }
  int16_t flags() const { return m_flags; }
  void setFlags(int16_t f) { m_flags = f; }

 private:
  OdGePoint3d m_position;
  int16_t m_flags;
};
using OdDbPolyFaceMeshVertexPtr = OdSmartPtr<OdDbPolyFaceMeshVertex>;
