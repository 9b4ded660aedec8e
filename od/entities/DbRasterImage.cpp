#include "DbRasterImage.h"

#include "GiWorldDraw.h"

ODRX_DEFINE_NAMED(OdDbRasterImage, "AcDbRasterImage", OdDbEntity, "IMAGE", odrxNewReferenced<OdDbRasterImage>)

std::vector<dxf::Field> OdDbRasterImage::imageFields(const char* marker) {
  static const dxf::Custom boundary{&OdDbRasterImage::readBoundary, &OdDbRasterImage::writeBoundary};
  return {
      dxf::marker(marker),
      dxf::field<&OdDbRasterImage::m_classVersion>(90),
      dxf::field<&OdDbRasterImage::m_origin>(10),
      dxf::field<&OdDbRasterImage::m_uPixel>(11, dxf::def(1, 0, 0)),
      dxf::field<&OdDbRasterImage::m_vPixel>(12, dxf::def(0, 1, 0)),
      dxf::field<&OdDbRasterImage::m_size>(13),
      dxf::field<&OdDbRasterImage::m_imageDef>(340),
      dxf::field<&OdDbRasterImage::m_displayOptions>(70, dxf::defInt(kShow | kShowUnAligned | kClip)),
      dxf::field<&OdDbRasterImage::m_clipping>(280),
      dxf::field<&OdDbRasterImage::m_brightness>(281, dxf::defInt(50)),
      dxf::field<&OdDbRasterImage::m_contrast>(282, dxf::defInt(50)),
      dxf::field<&OdDbRasterImage::m_fade>(283),
      dxf::field<&OdDbRasterImage::m_clipInverted>(290),
      dxf::optional<&OdDbRasterImage::m_reactor>(360),
      dxf::field<&OdDbRasterImage::m_boundaryType>(71, dxf::defInt(kRect)),
      dxf::custom(boundary),
  };
}

const dxf::ClassLayout& OdDbRasterImage::layout() {
  static const std::vector<dxf::Field> fields = imageFields("AcDbRasterImage");
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
  return layout;
}

OdDbRasterImage::OdDbRasterImage() { layout().applyOwnDefaults(this); }

// The count follows from the list; the one read is not needed.
bool OdDbRasterImage::readBoundary(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext&) {
  auto& points = static_cast<OdDbRasterImage*>(obj)->m_boundary;
  switch (g.code) {
    case 91: return true;
    case 14: points.emplace_back(dxf::toDouble(g), 0.0); return true;
    case 24:
      if (points.empty()) return false;
      points.back().y = dxf::toDouble(g);
      return true;
    default: return false;
  }
}

void OdDbRasterImage::writeBoundary(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto& points = static_cast<const OdDbRasterImage*>(obj)->m_boundary;
  filer->wrInt32(91, static_cast<int32_t>(points.size()));
  for (const OdGePoint2d& p : points) filer->wrPoint2d(14, p);
}

void OdDbRasterImage::getOrientation(OdGePoint3d& origin, OdGeVector3d& u, OdGeVector3d& v) const {
  origin = m_origin;
  u = m_uPixel * m_size.x;
  v = m_vPixel * m_size.y;
}

std::vector<OdGePoint3d> OdDbRasterImage::getVertices() const {
  OdGePoint3d o;
  OdGeVector3d u, v;
  getOrientation(o, u, v);
  return {o, o + u, o + u + v, o + v};
}

void OdDbRasterImage::setDisplayOpt(ImageDisplayOpt opt, bool on) {
  m_displayOptions = static_cast<int16_t>(on ? m_displayOptions | opt : m_displayOptions & ~opt);
}

void OdDbRasterImage::setClipBoundary(ClipBoundaryType type, const std::vector<OdGePoint2d>& points) {
  m_boundaryType = static_cast<int16_t>(type);
  m_boundary = points;
}

std::vector<OdGePoint3d> OdDbRasterImage::clipBoundaryWcs() const {
  std::vector<OdGePoint2d> pixels = m_boundary;
  if (pixels.size() == 2) {  // two opposite corners of a rectangle
    OdGePoint2d a = pixels[0], b = pixels[1];
    pixels = {a, OdGePoint2d(b.x, a.y), b, OdGePoint2d(a.x, b.y)};
  }
  // Pixel centres sit half a pixel inside the image; rows count down from its top.
  std::vector<OdGePoint3d> out;
  out.reserve(pixels.size());
  for (const OdGePoint2d& p : pixels)
    out.push_back(m_origin + m_uPixel * (p.x + 0.5) + m_vPixel * (m_size.y - p.y - 0.5));
  return out;
}

std::vector<OdGePoint3d> OdDbRasterImage::frameVertices() const {
  return isClipped() && m_boundary.size() >= 2 ? clipBoundaryWcs() : getVertices();
}

bool OdDbRasterImage::subWorldDraw(OdGiWorldDraw* wd) const {
  std::vector<OdGePoint3d> frame = frameVertices();
  frame.push_back(frame.front());
  wd->geometry().polyline(static_cast<int32_t>(frame.size()), frame.data());
  return true;
}
