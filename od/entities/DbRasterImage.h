#pragma once

#include "DbEntity.h"
#include "GePoint2d.h"
#include "GePoint3d.h"
#include "GeVector2d.h"

#include <vector>

// A raster image placed in the drawing (IMAGE): its insertion point (the
// lower left corner), the vectors of one pixel along its bottom and left
// edges, its size in pixels, the image definition it shows and an optional
// clipping boundary in pixel coordinates.
class OdDbRasterImage : public OdDbEntity {
  OD_DXF_CLASS(OdDbRasterImage);

 public:
  OdDbRasterImage();

  enum ImageDisplayOpt { kShow = 1, kShowUnAligned = 2, kClip = 4, kTransparent = 8 };
  enum ClipBoundaryType { kInvalid = 0, kRect = 1, kPoly = 2 };

  OdGePoint3d position() const { return m_origin; }
  void setPosition(const OdGePoint3d& p) { m_origin = p; }
  OdGeVector3d uPixel() const { return m_uPixel; }
  OdGeVector3d vPixel() const { return m_vPixel; }
  void setPixelVectors(const OdGeVector3d& u, const OdGeVector3d& v) {
    m_uPixel = u;
    m_vPixel = v;
  }
  // Whole-image edge vectors: the pixel vectors times the size in pixels.
  void getOrientation(OdGePoint3d& origin, OdGeVector3d& u, OdGeVector3d& v) const;
  OdGeVector2d imageSize() const { return OdGeVector2d(m_size.x, m_size.y); }
  void setImageSize(const OdGeVector2d& size) { m_size = OdGePoint2d(size.x, size.y); }
  // The four corners in world coordinates, counterclockwise from the insertion point.
  std::vector<OdGePoint3d> getVertices() const;

  OdDbObjectId imageDefId() const { return m_imageDef; }
  void setImageDefId(OdDbObjectId id) { m_imageDef = id; }
  OdDbObjectId reactorId() const { return m_reactor; }
  void setReactorId(OdDbObjectId id) { m_reactor = id; }
  int16_t displayOptions() const { return m_displayOptions; }
  void setDisplayOptions(int16_t flags) { m_displayOptions = flags; }
  bool isSetDisplayOpt(ImageDisplayOpt opt) const { return (m_displayOptions & opt) != 0; }
  void setDisplayOpt(ImageDisplayOpt opt, bool on);
  bool isClipped() const { return m_clipping != 0; }
  void setClipped(bool on) { m_clipping = on ? 1 : 0; }
  bool isClipInverted() const { return m_clipInverted; }
  void setClipInverted(bool on) { m_clipInverted = on; }
  int8_t brightness() const { return m_brightness; }
  void setBrightness(int8_t value) { m_brightness = value; }
  int8_t contrast() const { return m_contrast; }
  void setContrast(int8_t value) { m_contrast = value; }
  int8_t fade() const { return m_fade; }
  void setFade(int8_t value) { m_fade = value; }

  ClipBoundaryType clipBoundaryType() const { return static_cast<ClipBoundaryType>(m_boundaryType); }
  // In pixel coordinates, from the upper left corner of the image downwards:
  // two opposite corners for a rectangle, or a polygon.
  const std::vector<OdGePoint2d>& clipBoundary() const { return m_boundary; }
  void setClipBoundary(ClipBoundaryType type, const std::vector<OdGePoint2d>& points);
  // The clipping boundary in world coordinates (a rectangle as its four corners).
  std::vector<OdGePoint3d> clipBoundaryWcs() const;
  // The outline shown in world coordinates: the clipping boundary while clipping
  // is on and there is one, else the image's corners.
  std::vector<OdGePoint3d> frameVertices() const;
  // The frame, closed; the pixels are the host's to paint.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 protected:
  // The fields of images, under the given subclass marker (wipeouts use their own).
  static std::vector<dxf::Field> imageFields(const char* marker);

 private:
  static bool readBoundary(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeBoundary(const OdDbObject* obj, OdDbDxfFiler* filer);

  int32_t m_classVersion;
  OdGePoint3d m_origin;
  OdGeVector3d m_uPixel;
  OdGeVector3d m_vPixel;
  OdGePoint2d m_size;
  OdDbObjectId m_imageDef;
  int16_t m_displayOptions;
  int8_t m_clipping;
  int8_t m_brightness;
  int8_t m_contrast;
  int8_t m_fade;
  bool m_clipInverted;
  OdDbObjectId m_reactor;
  int16_t m_boundaryType;
  std::vector<OdGePoint2d> m_boundary;
};
using OdDbRasterImagePtr = OdSmartPtr<OdDbRasterImage>;
