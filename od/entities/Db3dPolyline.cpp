#include "Db3dPolyline.h"

#include "Db3dPolylineVertex.h"
#include "Db2dVertex.h"
#include "GiWorldDraw.h"

ODRX_DEFINE_NAMED(OdDb3dPolyline, "AcDb3dPolyline", OdDbCurve, "POLYLINE", odrxNewReferenced<OdDb3dPolyline>)

const dxf::ClassLayout& OdDb3dPolyline::layout() {
  static const dxf::Field fields[] = {
      dxf::custom(OdDbPolylineSequence::verticesFollowField()),
      dxf::field<&OdDb3dPolyline::m_origin>(10),
      dxf::field<&OdDb3dPolyline::m_flags>(70, dxf::defInt(k3dPolyline)),
      dxf::optional<&OdDb3dPolyline::m_curveType>(75),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDb3dPolyline::OdDb3dPolyline() { layout().applyOwnDefaults(this); }

OdDb::Poly3dType OdDb3dPolyline::polyType() const {
  if (!(m_flags & kSplineFit)) return OdDb::k3dSimplePoly;
  return m_curveType == 5 ? OdDb::k3dQuadSplinePoly : OdDb::k3dCubicSplinePoly;
}

std::vector<OdGePoint3d> OdDb3dPolyline::vertexPositions() const {
  std::vector<OdGePoint3d> points;
  for (OdDbObjectId id : m_sequence.subentityIds()) {
    OdDbObjectPtr obj = id.openObject();
    if (OdDb3dPolylineVertexPtr v = OdDb3dPolylineVertex::cast(obj.get())) points.push_back(v->position());
    else if (OdDb2dVertexPtr flat = OdDb2dVertex::cast(obj.get())) points.push_back(flat->position());
  }
  return points;
}

OdDbObjectId OdDb3dPolyline::appendVertex(OdDb3dPolylineVertex* vertex) { return m_sequence.append(this, vertex); }

bool OdDb3dPolyline::subWorldDraw(OdGiWorldDraw* wd) const {
  constexpr int16_t kFrameControl = 16;  // vertex flag of a spline frame's control point
  std::vector<OdGePoint3d> fitted, frame;
  for (OdDbObjectId id : m_sequence.subentityIds()) {
    OdDbObjectPtr obj = id.openObject();
    if (OdDb3dPolylineVertexPtr v = OdDb3dPolylineVertex::cast(obj.get()))
      (v->flags() & kFrameControl ? frame : fitted).push_back(v->position());
    else if (OdDb2dVertexPtr flat = OdDb2dVertex::cast(obj.get()))
      (flat->flags() & kFrameControl ? frame : fitted).push_back(flat->position());
  }
  // A frame whose fitted vertices are missing is all there is to show.
  std::vector<OdGePoint3d>& points = fitted.empty() ? frame : fitted;
  if (points.empty()) return true;
  if (isClosed() || points.size() == 1) points.push_back(points.front());
  wd->geometry().polyline(static_cast<int32_t>(points.size()), points.data());
  return true;
}
