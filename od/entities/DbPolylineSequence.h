#pragma once

#include "DbEntity.h"

#include <vector>

class OdDbVertex;

// The vertices and the SEQEND a POLYLINE owns, written after it in DXF
// files. Each polyline class keeps one through OdDbPolylineSequenceOwner.
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

// What the POLYLINE classes share around their sequence: its accessors and
// OdDbEntity's subentity calls. A template because 2D and 3D polylines are
// curves and meshes are not.
template <class Base>
class OdDbPolylineSequenceOwner : public Base {
 public:
  // Every vertex in order (spline frame control points and a polyface mesh's
  // face records included), erased ones too.
  const std::vector<OdDbObjectId>& vertexIds() const { return m_sequence.vertexIds(); }
  OdDbObjectId seqendId() const { return m_sequence.seqendId(); }

  std::vector<OdDbObjectId> subentityIds() const override { return m_sequence.subentityIds(); }
  bool appendSubentity(OdDbObjectId id) override { return m_sequence.take(id); }
  OdResult erase(bool erasing = true) override {
    OdResult result = Base::erase(erasing);
    if (result == eOk) m_sequence.erase(erasing);
    return result;
  }

 protected:
  OdDbPolylineSequence m_sequence;
};
