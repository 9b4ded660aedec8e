#pragma once

#include "DbEntity.h"
#include "DbPolylineSequence.h"
#include "GePoint3d.h"

#include <array>

class OdDbFaceRecord;
class OdDbPolyFaceMeshVertex;

// A polyface mesh (POLYLINE): vertices in world coordinates followed by face
// records that name three or four of them each. Owns both and the SEQEND.
class OdDbPolyFaceMesh : public OdDbPolylineSequenceOwner<OdDbEntity> {
  OD_DXF_CLASS(OdDbPolyFaceMesh);

 public:
  OdDbPolyFaceMesh();

  // The counts the mesh declares (as the file gave them).
  int16_t numVertices() const { return m_numVertices; }
  int16_t numFaces() const { return m_numFaces; }
  int16_t flags() const { return m_flags; }

  // The positions of the mesh's vertices (face records left out), not erased.
  std::vector<OdGePoint3d> vertexPositions() const;
  // Each face as its four vertex numbers (from 1; negative for a hidden edge; 0 for none).
  std::vector<std::array<int16_t, 4>> faces() const;
  // Append a vertex or a face record and count it; the mesh must be in a database.
  OdDbObjectId appendVertex(OdDbPolyFaceMeshVertex* vertex);
  OdDbObjectId appendFaceRecord(OdDbFaceRecord* face);
  // Each face's visible edges, as few polylines as they make.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  OdGePoint3d m_origin;  // always the origin in files
  int16_t m_flags;
  int16_t m_numVertices;
  int16_t m_numFaces;
};
using OdDbPolyFaceMeshPtr = OdSmartPtr<OdDbPolyFaceMesh>;
