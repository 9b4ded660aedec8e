#pragma once

#include "DbEntity.h"
#include "DbPolylineSequence.h"
#include "GePoint3d.h"

class OdDbPolygonMeshVertex;

namespace OdDb {
enum PolyMeshType { kSimpleMesh = 0, kQuadSurfaceMesh = 5, kCubicSurfaceMesh = 6, kBezierSurfaceMesh = 8 };
}

// A polygon mesh (POLYLINE): an M by N grid of vertices in world
// coordinates, row by row, optionally closed in either direction and
// smoothed. Owns its vertices and the SEQEND.
class OdDbPolygonMesh : public OdDbPolylineSequenceOwner<OdDbEntity> {
  OD_DXF_CLASS(OdDbPolygonMesh);

 public:
  OdDbPolygonMesh();

  enum Flags { kMClosed = 1, kSmoothed = 4, kPolygonMesh = 16, kNClosed = 32 };

  OdDb::PolyMeshType polyMeshType() const;
  void setPolyMeshType(OdDb::PolyMeshType type);
  int16_t flags() const { return m_flags; }
  int16_t mSize() const { return m_mSize; }
  int16_t nSize() const { return m_nSize; }
  void setMSize(int16_t m) { m_mSize = m; }
  void setNSize(int16_t n) { m_nSize = n; }
  bool isMClosed() const { return (m_flags & kMClosed) != 0; }
  bool isNClosed() const { return (m_flags & kNClosed) != 0; }
  void setMClosed(bool on) { m_flags = static_cast<int16_t>(on ? m_flags | kMClosed : m_flags & ~kMClosed); }
  void setNClosed(bool on) { m_flags = static_cast<int16_t>(on ? m_flags | kNClosed : m_flags & ~kNClosed); }
  int16_t mSurfaceDensity() const { return m_mDensity; }
  int16_t nSurfaceDensity() const { return m_nDensity; }
  void setMSurfaceDensity(int16_t d) { m_mDensity = d; }
  void setNSurfaceDensity(int16_t d) { m_nDensity = d; }

  // The positions of the vertices that are not erased, row by row.
  std::vector<OdGePoint3d> vertexPositions() const;
  // Appends a vertex; the mesh must be in a database.
  OdDbObjectId appendVertex(OdDbPolygonMeshVertex* vertex);
  // The grid's lines, each row and each column one polyline: of a smoothed
  // mesh the surface's density grid when its vertices are there, else the M by N frame.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  OdGePoint3d m_origin;  // always the origin in files
  int16_t m_flags;
  int16_t m_mSize;
  int16_t m_nSize;
  int16_t m_mDensity;
  int16_t m_nDensity;
  int16_t m_surfaceType;
  OdGeVector3d m_normal;
};
using OdDbPolygonMeshPtr = OdSmartPtr<OdDbPolygonMesh>;
