#pragma once

#include "DbEntity.h"
#include "GePoint2d.h"
#include "GePoint3d.h"

#include <vector>

// A lightweight polyline (LWPOLYLINE): 2D vertices in the plane of its
// normal at its elevation, each with a bulge (tangent of a quarter of the
// arc angle to the next vertex; 0 for a straight segment) and start and end
// widths.
class OdDbPolyline : public OdDbCurve {
  OD_DXF_CLASS(OdDbPolyline);

 public:
  OdDbPolyline();

  struct Vertex {
    OdGePoint2d point;
    double startWidth = 0;
    double endWidth = 0;
    double bulge = 0;
    int32_t id = 0;  // vertex identifier of newer files; 0 when none
  };

  unsigned numVerts() const { return static_cast<unsigned>(m_vertices.size()); }
  const std::vector<Vertex>& vertices() const { return m_vertices; }
  OdGePoint2d getPointAt(unsigned index) const { return vertex(index).point; }
  // A vertex in world coordinates (elevation and normal applied).
  OdGePoint3d getPointAt3d(unsigned index) const;
  double getBulgeAt(unsigned index) const { return vertex(index).bulge; }
  void getWidthsAt(unsigned index, double& startWidth, double& endWidth) const;
  int32_t getVertexIdentifierAt(unsigned index) const { return vertex(index).id; }
  // Inserts a vertex before index (index numVerts() appends); negative widths give it none of its own.
  void addVertexAt(unsigned index, const OdGePoint2d& point, double bulge = 0, double startWidth = -1,
                   double endWidth = -1);
  void removeVertexAt(unsigned index);
  void setPointAt(unsigned index, const OdGePoint2d& point) { vertex(index).point = point; }
  void setBulgeAt(unsigned index, double bulge) { vertex(index).bulge = bulge; }
  void setWidthsAt(unsigned index, double startWidth, double endWidth);
  void setVertexIdentifierAt(unsigned index, int32_t id) { vertex(index).id = id; }
  void reset() { m_vertices.clear(); }

  bool isClosed() const { return (m_flags & 1) != 0; }
  void setClosed(bool closed) { m_flags = static_cast<int16_t>(closed ? m_flags | 1 : m_flags & ~1); }
  // Linetype pattern generated along the whole polyline rather than per segment.
  bool hasPlinegen() const { return (m_flags & 128) != 0; }
  void setPlinegen(bool on) { m_flags = static_cast<int16_t>(on ? m_flags | 128 : m_flags & ~128); }
  int16_t flags() const { return m_flags; }
  bool hasBulges() const;
  bool hasWidth() const;
  // The width of every segment when no vertex has widths of its own.
  double constantWidth() const { return m_constantWidth; }
  void setConstantWidth(double width);
  double elevation() const { return m_elevation; }
  void setElevation(double e) { m_elevation = e; }
  double thickness() const { return m_thickness; }
  void setThickness(double t) { m_thickness = t; }
  OdGeVector3d normal() const { return m_normal; }
  void setNormal(const OdGeVector3d& n) { m_normal = n; }

  // Bulged segments as arcs, wide ones filled, in the plane of the normal; thickness is left out.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;
  // Draws 2D vertices at an elevation in the plane of a normal, each to the
  // next (the last to the first when closed): segments with a start or end
  // width above 0 as filled outlines, the others as arcs where they bulge and
  // as polylines where they run straight. Both kinds of 2D polyline draw so.
  static void drawVertices(OdGiWorldDraw* wd, const std::vector<Vertex>& vertices, bool closed, double elevation,
                           const OdGeVector3d& normal);

 private:
  Vertex& vertex(unsigned index);
  const Vertex& vertex(unsigned index) const;
  bool widthsPerVertex() const { return m_vertexWidths || hasWidth(); }
  void spreadConstantWidth();
  static bool readCount(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeCount(const OdDbObject* obj, OdDbDxfFiler* filer);
  static bool readWidth(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeWidth(const OdDbObject* obj, OdDbDxfFiler* filer);
  static bool readVertices(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeVertices(const OdDbObject* obj, OdDbDxfFiler* filer);
  static void copyCount(const OdDbObject* from, OdDbObject* to, dxf::CopyContext& ctx);
  static void copyWidth(const OdDbObject* from, OdDbObject* to, dxf::CopyContext& ctx);
  static void copyVertices(const OdDbObject* from, OdDbObject* to, dxf::CopyContext& ctx);

  int16_t m_flags;
  double m_elevation;
  double m_thickness;
  OdGeVector3d m_normal;
  double m_constantWidth;  // group 43, written only when the vertices give no widths
  bool m_vertexWidths;     // the vertices give widths (40, 41), even if all 0
  std::vector<Vertex> m_vertices;
};
using OdDbPolylinePtr = OdSmartPtr<OdDbPolyline>;
