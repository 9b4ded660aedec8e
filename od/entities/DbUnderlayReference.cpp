#include "DbUnderlayReference.h"

#include "GeMatrix3d.h"
#include "GiWorldDraw.h"

#include <numbers>

ODRX_DEFINE_NAMED(OdDbUnderlayReference, "AcDbUnderlayReference", OdDbEntity, "", nullptr)
ODRX_DEFINE_NAMED(OdDbPdfReference, "AcDbPdfReference", OdDbUnderlayReference, "PDFUNDERLAY",
                  odrxNewReferenced<OdDbPdfReference>)
ODRX_DEFINE_NAMED(OdDbDwfReference, "AcDbDwfReference", OdDbUnderlayReference, "DWFUNDERLAY",
                  odrxNewReferenced<OdDbDwfReference>)
ODRX_DEFINE_NAMED(OdDbDgnReference, "AcDbDgnReference", OdDbUnderlayReference, "DGNUNDERLAY",
                  odrxNewReferenced<OdDbDgnReference>)

const dxf::ClassLayout& OdDbUnderlayReference::layout() {
  static const dxf::Custom boundary{&OdDbUnderlayReference::readBoundary, &OdDbUnderlayReference::writeBoundary};
  static const dxf::Field fields[] = {
      dxf::field<&OdDbUnderlayReference::m_definition>(340),
      dxf::field<&OdDbUnderlayReference::m_position>(10),
      dxf::optional<&OdDbUnderlayReference::m_scaleX>(41, dxf::def(1)),
      dxf::optional<&OdDbUnderlayReference::m_scaleY>(42, dxf::def(1)),
      dxf::optional<&OdDbUnderlayReference::m_scaleZ>(43, dxf::def(1)),
      dxf::angle<&OdDbUnderlayReference::m_rotation>(50, 0, dxf::kOmitDefault),
      dxf::optional<&OdDbUnderlayReference::m_normal>(210, dxf::kNormal),
      dxf::field<&OdDbUnderlayReference::m_flags>(280, dxf::defInt(kOn)),
      dxf::field<&OdDbUnderlayReference::m_contrast>(281, dxf::defInt(100)),
      dxf::field<&OdDbUnderlayReference::m_fade>(282),
      dxf::custom(boundary),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbUnderlayReference::OdDbUnderlayReference() { layout().applyOwnDefaults(this); }

// Every kind writes the underlay's fields under the underlay's marker.
const dxf::ClassLayout& OdDbPdfReference::layout() { return OdDbUnderlayReference::layout(); }
const dxf::ClassLayout& OdDbDwfReference::layout() { return OdDbUnderlayReference::layout(); }
const dxf::ClassLayout& OdDbDgnReference::layout() { return OdDbUnderlayReference::layout(); }

bool OdDbUnderlayReference::readBoundary(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext&) {
  auto& points = static_cast<OdDbUnderlayReference*>(obj)->m_boundary;
  if (g.code == 11) {
    points.emplace_back(dxf::toDouble(g), 0.0);
    return true;
  }
  if (g.code != 21 || points.empty()) return false;
  points.back().y = dxf::toDouble(g);
  return true;
}

void OdDbUnderlayReference::writeBoundary(const OdDbObject* obj, OdDbDxfFiler* filer) {
  for (const OdGePoint2d& p : static_cast<const OdDbUnderlayReference*>(obj)->m_boundary) filer->wrPoint2d(11, p);
}

void OdDbUnderlayReference::setScaleFactors(const OdGeScale3d& s) {
  m_scaleX = s.sx;
  m_scaleY = s.sy;
  m_scaleZ = s.sz;
}

double OdDbUnderlayReference::rotation() const { return m_rotation * std::numbers::pi / 180; }
void OdDbUnderlayReference::setRotation(double radians) { m_rotation = radians * 180 / std::numbers::pi; }

bool OdDbUnderlayReference::subWorldDraw(OdGiWorldDraw* wd) const {
  if (m_boundary.size() < 2) return true;
  std::vector<OdGePoint2d> outline = m_boundary;
  if (outline.size() == 2) {  // two opposite corners of a rectangle
    OdGePoint2d a = outline[0], b = outline[1];
    outline = {a, OdGePoint2d(b.x, a.y), b, OdGePoint2d(a.x, b.y)};
  }
  // Scaled, turned about the normal in the plane of the normal, then moved to the insertion point.
  OdGeMatrix3d toWorld = OdGeMatrix3d::translation(m_position - OdGePoint3d::kOrigin) *
                         OdGeMatrix3d::planeToWorld(m_normal) *
                         OdGeMatrix3d::rotation(rotation(), OdGeVector3d::kZAxis) * OdGeMatrix3d::scaling(scaleFactors());
  std::vector<OdGePoint3d> frame;
  frame.reserve(outline.size() + 1);
  for (const OdGePoint2d& p : outline) frame.push_back(toWorld * OdGePoint3d(p.x, p.y, 0));
  frame.push_back(frame.front());
  wd->geometry().polyline(static_cast<int32_t>(frame.size()), frame.data());
  return true;
}
