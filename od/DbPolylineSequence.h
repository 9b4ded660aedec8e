#pragma once

#include "DbEntity.h"

#include <vector>

class OdDbVertex;

// The vertices and the SEQEND a POLYLINE owns, written after it in DXF
// files. Each polyline class keeps one and answers OdDbEntity's subentity
// calls through it.
class OdDbPolylineSequence {
 public:
  // Every vertex in order, erased ones included.
  const std::vector<OdDbObjectId>& vertexIds() const { return m_vertices; }
  OdDbObjectId seqendId() const { return m_seqend; }
  // Takes a vertex or the SEQEND read after the polyline; false for anything else.
  bool take(OdDbObjectId id);
  // The vertices that are not erased, then the SEQEND.
  std::vector<OdDbObjectId> subentityIds() const;
  // Adds a vertex after the others to the owner's database (which the owner
  // must be in), with the owner's layer unless it has one, and makes the
  // SEQEND when there is none.
  OdDbObjectId append(OdDbEntity* owner, OdDbVertex* vertex);
  // Erases or unerases the vertices and the SEQEND with their owner.
  void erase(bool erasing);

  // Group 66, "vertices follow": always 1 in files written.
  static const dxf::Custom& verticesFollowField();

 private:
  std::vector<OdDbObjectId> m_vertices;
  OdDbObjectId m_seqend;
};
