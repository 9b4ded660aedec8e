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

// What the vertices in world coordinates (3D polyline, polyface and polygon
// mesh vertices) share: a position and flags. Each names its own subclass
// and default flags in its field table.
class OdDbWcsVertex : public OdDbVertex {
 public:
  OdGePoint3d position() const { return m_position; }
  void setPosition(const OdGePoint3d& p) { m_position = p; }
  int16_t flags() const { return m_flags; }
  void setFlags(int16_t f) { m_flags = f; }

 protected:
  OdGePoint3d m_position;
  int16_t m_flags;
};
