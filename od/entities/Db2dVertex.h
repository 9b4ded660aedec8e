#pragma once

#include "DbVertex.h"

namespace OdDb {
enum Vertex2dType { k2dVertex = 0, k2dSplineCtlVertex = 1, k2dSplineFitVertex = 2, k2dCurveFitVertex = 3 };
}

// A vertex of a 2D polyline: a position in the polyline's object coordinate
// system (its Z is the polyline's elevation in files, usually 0 here),
// widths, the bulge of the segment that starts here, and flags.
class OdDb2dVertex : public OdDbVertex {
  OD_DXF_CLASS(OdDb2dVertex);

 public:
  OdDb2dVertex();
  explicit OdDb2dVertex(const OdGePoint3d& position, double bulge = 0);

  enum Flags { kCurveFitExtra = 1, kTangentUsed = 2, kSplineFit = 8, kSplineFrameControl = 16 };

  OdGePoint3d position() const { return m_position; }
  void setPosition(const OdGePoint3d& p) { m_position = p; }
  // A width the vertex does not give is its polyline's default width.
  double startWidth() const;
  void setStartWidth(double w);
  double endWidth() const;
  void setEndWidth(double w);
  double bulge() const { return m_bulge; }
  void setBulge(double b) { m_bulge = b; }
  int16_t flags() const { return m_flags; }
  void setFlags(int16_t f) { m_flags = f; }
  OdDb::Vertex2dType vertexType() const;
  bool isTangentUsed() const { return (m_flags & kTangentUsed) != 0; }
  // The curve-fit tangent direction, in radians.
  double tangent() const;
  void setTangent(double radians);
  int32_t vertexIdentifier() const { return m_id; }
  void setVertexIdentifier(int32_t id) { m_id = id; }

 private:
  static bool readWidths(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeWidths(const OdDbObject* obj, OdDbDxfFiler* filer);

  OdGePoint3d m_position;
  double m_startWidth;
  double m_endWidth;
  bool m_hasStartWidth;  // given by the file or set; else the polyline's default applies
  bool m_hasEndWidth;
  double m_bulge;
  int16_t m_flags;
  double m_tangent;  // degrees, as in the file
  int32_t m_id;
};
using OdDb2dVertexPtr = OdSmartPtr<OdDb2dVertex>;
