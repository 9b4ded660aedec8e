#include "Db2dVertex.h"

#include "Db2dPolyline.h"

#include <numbers>

ODRX_DEFINE_NAMED(OdDb2dVertex, "AcDb2dVertex", OdDbVertex, "VERTEX", odrxNewReferenced<OdDb2dVertex>)

const dxf::ClassLayout& OdDb2dVertex::layout() {
  static const dxf::Custom widths{&OdDb2dVertex::readWidths, &OdDb2dVertex::writeWidths};
  static const dxf::Field fields[] = {
      dxf::field<&OdDb2dVertex::m_position>(10),
      dxf::custom(widths),
      dxf::optional<&OdDb2dVertex::m_bulge>(42),
      dxf::optional<&OdDb2dVertex::m_flags>(70),
      dxf::angle<&OdDb2dVertex::m_tangent>(50, 0, dxf::kOmitDefault),
      dxf::optional<&OdDb2dVertex::m_id>(91),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbVertex::layout(), fields);
  return layout;
}

OdDb2dVertex::OdDb2dVertex() {
  layout().applyOwnDefaults(this);
  m_startWidth = m_endWidth = 0;
  m_hasStartWidth = m_hasEndWidth = false;
}

bool OdDb2dVertex::readWidths(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext&) {
  auto* v = static_cast<OdDb2dVertex*>(obj);
  if (g.code == 40) v->setStartWidth(dxf::toDouble(g));
  else if (g.code == 41) v->setEndWidth(dxf::toDouble(g));
  else return false;
  return true;
}

// A width of 0 that the file gave must stay: leaving it out would mean the polyline's default.
void OdDb2dVertex::writeWidths(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* v = static_cast<const OdDb2dVertex*>(obj);
  bool all = filer->includesDefaultValues();
  if (all || v->m_hasStartWidth || v->m_startWidth != 0) filer->wrDouble(40, v->m_startWidth);
  if (all || v->m_hasEndWidth || v->m_endWidth != 0) filer->wrDouble(41, v->m_endWidth);
}

double OdDb2dVertex::startWidth() const {
  if (m_hasStartWidth) return m_startWidth;
  OdDb2dPolylinePtr owner = OdDb2dPolyline::cast(ownerId().openObject().get());
  return owner ? owner->defaultStartWidth() : m_startWidth;
}

double OdDb2dVertex::endWidth() const {
  if (m_hasEndWidth) return m_endWidth;
  OdDb2dPolylinePtr owner = OdDb2dPolyline::cast(ownerId().openObject().get());
  return owner ? owner->defaultEndWidth() : m_endWidth;
}

void OdDb2dVertex::setStartWidth(double w) {
  m_startWidth = w;
  m_hasStartWidth = true;
}

void OdDb2dVertex::setEndWidth(double w) {
  m_endWidth = w;
  m_hasEndWidth = true;
}

OdDb2dVertex::OdDb2dVertex(const OdGePoint3d& position, double bulge) : OdDb2dVertex() {
  m_position = position;
  m_bulge = bulge;
}

OdDb::Vertex2dType OdDb2dVertex::vertexType() const {
  if (m_flags & kSplineFrameControl) return OdDb::k2dSplineCtlVertex;
  if (m_flags & kSplineFit) return OdDb::k2dSplineFitVertex;
  if (m_flags & kCurveFitExtra) return OdDb::k2dCurveFitVertex;
  return OdDb::k2dVertex;
}

double OdDb2dVertex::tangent() const { return m_tangent * std::numbers::pi / 180; }
void OdDb2dVertex::setTangent(double radians) { m_tangent = radians * 180 / std::numbers::pi; }
