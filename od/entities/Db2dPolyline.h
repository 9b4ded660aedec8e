#pragma once

#include "DbEntity.h"
#include "DbPolylineSequence.h"
#include "GePoint3d.h"

class OdDb2dVertex;

namespace OdDb {
enum Poly2dType { k2dSimplePoly = 0, k2dFitCurvePoly = 1, k2dQuadSplinePoly = 2, k2dCubicSplinePoly = 3 };
}

// A 2D polyline (POLYLINE): a sequence of OdDb2dVertex in the plane of its
// normal at its elevation, with default widths, optionally fitted with a
// curve or spline. Owns its vertices and the SEQEND that ends them.
class OdDb2dPolyline : public OdDbPolylineSequenceOwner<OdDbCurve> {
  OD_DXF_CLASS(OdDb2dPolyline);

 public:
  OdDb2dPolyline();

  enum Flags { kClosed = 1, kCurveFit = 2, kSplineFit = 4, kLinetypeGeneration = 128 };

  OdDb::Poly2dType polyType() const;
  int16_t flags() const { return m_flags; }
  void setFlags(int16_t f) { m_flags = f; }
  bool isClosed() const { return (m_flags & kClosed) != 0; }
  void setClosed(bool closed) { m_flags = static_cast<int16_t>(closed ? m_flags | kClosed : m_flags & ~kClosed); }
  bool isLinetypeGenerationOn() const { return (m_flags & kLinetypeGeneration) != 0; }
  double defaultStartWidth() const { return m_startWidth; }
  void setDefaultStartWidth(double w) { m_startWidth = w; }
  double defaultEndWidth() const { return m_endWidth; }
  void setDefaultEndWidth(double w) { m_endWidth = w; }
  double elevation() const { return m_elevation.z; }
  void setElevation(double e) { m_elevation.z = e; }
  double thickness() const { return m_thickness; }
  void setThickness(double t) { m_thickness = t; }
  OdGeVector3d normal() const { return m_normal; }
  void setNormal(const OdGeVector3d& n) { m_normal = n; }
  // Smooth surface type of a fitted polyline: 5 quadratic, 6 cubic B-spline, 8 Bezier.
  int16_t curveType() const { return m_curveType; }
  void setCurveType(int16_t t) { m_curveType = t; }

  // The positions of the vertices that are not erased, in world coordinates.
  std::vector<OdGePoint3d> vertexPositions() const;
  // The bulges of the same vertices.
  std::vector<double> vertexBulges() const;
  // Appends a vertex; the polyline must be in a database.
  OdDbObjectId appendVertex(OdDb2dVertex* vertex);
  // As a lightweight polyline of its vertices draws; of a spline-fit polyline
  // the fitted vertices, not the frame's control points. Thickness is left out.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  OdGePoint3d m_elevation;  // files give the elevation as the Z of a point
  double m_thickness;
  int16_t m_flags;
  double m_startWidth;
  double m_endWidth;
  int16_t m_curveType;
  OdGeVector3d m_normal;
};
using OdDb2dPolylinePtr = OdSmartPtr<OdDb2dPolyline>;
