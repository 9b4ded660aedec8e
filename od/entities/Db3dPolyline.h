#pragma once

#include "DbEntity.h"
#include "DbPolylineSequence.h"
#include "GePoint3d.h"

class OdDb3dPolylineVertex;

namespace OdDb {
enum Poly3dType { k3dSimplePoly = 0, k3dQuadSplinePoly = 1, k3dCubicSplinePoly = 2 };
}

// A 3D polyline (POLYLINE): straight segments through OdDb3dPolylineVertex
// in world coordinates, optionally spline fitted. Owns its vertices and the
// SEQEND that ends them.
class OdDb3dPolyline : public OdDbPolylineSequenceOwner<OdDbCurve> {
  OD_DXF_CLASS(OdDb3dPolyline);

 public:
  OdDb3dPolyline();

  enum Flags { kClosed = 1, kSplineFit = 4, k3dPolyline = 8 };

  OdDb::Poly3dType polyType() const;
  int16_t flags() const { return m_flags; }
  void setFlags(int16_t f) { m_flags = f; }
  bool isClosed() const { return (m_flags & kClosed) != 0; }
  void setClosed(bool closed) { m_flags = static_cast<int16_t>(closed ? m_flags | kClosed : m_flags & ~kClosed); }
  // Smooth surface type of a fitted polyline: 5 quadratic, 6 cubic B-spline.
  int16_t curveType() const { return m_curveType; }
  void setCurveType(int16_t t) { m_curveType = t; }

  // The positions of the vertices that are not erased.
  std::vector<OdGePoint3d> vertexPositions() const;
  // Appends a vertex; the polyline must be in a database.
  OdDbObjectId appendVertex(OdDb3dPolylineVertex* vertex);
  // Straight segments through the vertices; of a spline-fit polyline the
  // fitted vertices, not the frame's control points.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  OdGePoint3d m_origin;  // always the origin in files
  int16_t m_flags;
  int16_t m_curveType;
};
using OdDb3dPolylinePtr = OdSmartPtr<OdDb3dPolyline>;
