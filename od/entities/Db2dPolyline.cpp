#include "Db2dPolyline.h"

#include "Db2dVertex.h"
#include "DbOcs.h"
#include "DbPolyline.h"

ODRX_DEFINE_NAMED(OdDb2dPolyline, "AcDb2dPolyline", OdDbCurve, "POLYLINE", odrxNewReferenced<OdDb2dPolyline>)

const dxf::ClassLayout& OdDb2dPolyline::layout() {
  static const dxf::Field fields[] = {
      dxf::custom(OdDbPolylineSequence::verticesFollowField()),
      dxf::field<&OdDb2dPolyline::m_elevation>(10),
      dxf::optional<&OdDb2dPolyline::m_thickness>(39),
      dxf::optional<&OdDb2dPolyline::m_flags>(70),
      dxf::optional<&OdDb2dPolyline::m_startWidth>(40),
      dxf::optional<&OdDb2dPolyline::m_endWidth>(41),
      dxf::optional<&OdDb2dPolyline::m_curveType>(75),
      dxf::optional<&OdDb2dPolyline::m_normal>(210, dxf::kNormal),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDb2dPolyline::OdDb2dPolyline() { layout().applyOwnDefaults(this); }

OdDb::Poly2dType OdDb2dPolyline::polyType() const {
  if (m_flags & kSplineFit) return m_curveType == 5 ? OdDb::k2dQuadSplinePoly : OdDb::k2dCubicSplinePoly;
  if (m_flags & kCurveFit) return OdDb::k2dFitCurvePoly;
  return OdDb::k2dSimplePoly;
}

std::vector<OdGePoint3d> OdDb2dPolyline::vertexPositions() const {
  std::vector<OdGePoint3d> points;
  for (OdDbObjectId id : m_sequence.subentityIds())
    if (OdDb2dVertexPtr v = OdDb2dVertex::cast(id.openObject().get())) {
      OdGePoint3d p = v->position();
      points.push_back(odOcsToWcs(OdGePoint3d(p.x, p.y, m_elevation.z), m_normal));
    }
  return points;
}

std::vector<double> OdDb2dPolyline::vertexBulges() const {
  std::vector<double> bulges;
  for (OdDbObjectId id : m_sequence.subentityIds())
    if (OdDb2dVertexPtr v = OdDb2dVertex::cast(id.openObject().get())) bulges.push_back(v->bulge());
  return bulges;
}

OdDbObjectId OdDb2dPolyline::appendVertex(OdDb2dVertex* vertex) { return m_sequence.append(this, vertex); }

bool OdDb2dPolyline::subWorldDraw(OdGiWorldDraw* wd) const {
  std::vector<OdDbPolyline::Vertex> fitted, frame;
  for (OdDbObjectId id : m_sequence.subentityIds())
    if (OdDb2dVertexPtr v = OdDb2dVertex::cast(id.openObject().get())) {
      OdDbPolyline::Vertex drawn;
      drawn.point = OdGePoint2d(v->position().x, v->position().y);
      drawn.bulge = v->bulge();
      drawn.startWidth = v->startWidth();
      drawn.endWidth = v->endWidth();
      (v->flags() & OdDb2dVertex::kSplineFrameControl ? frame : fitted).push_back(drawn);
    }
  // A frame whose fitted vertices are missing is all there is to show.
  OdDbPolyline::drawVertices(wd, fitted.empty() ? frame : fitted, isClosed(), m_elevation.z, m_normal);
  return true;
}
