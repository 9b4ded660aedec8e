#pragma once

#include "DbEntity.h"
#include "GePoint2d.h"
#include "GePoint3d.h"

#include <vector>

// An underlay: a PDF, DWF or DGN file shown under the drawing, placed by
// insertion point, scale, rotation and normal, and clipped by an optional
// boundary in the underlay's own coordinates.
class OdDbUnderlayReference : public OdDbEntity {
  OD_DXF_CLASS(OdDbUnderlayReference);

 public:
  OdDbUnderlayReference();

  enum Flags { kClipOn = 1, kOn = 2, kMonochrome = 4, kAdjustForBackground = 8, kClipInverted = 16 };

  OdGePoint3d position() const { return m_position; }
  void setPosition(const OdGePoint3d& p) { m_position = p; }
  OdGeScale3d scaleFactors() const { return OdGeScale3d(m_scaleX, m_scaleY, m_scaleZ); }
  void setScaleFactors(const OdGeScale3d& s);
  // Rotation about the normal, in radians.
  double rotation() const;
  void setRotation(double radians);
  OdGeVector3d normal() const { return m_normal; }
  void setNormal(const OdGeVector3d& n) { m_normal = n; }
  // The underlay definition object (PDFDEFINITION...).
  OdDbObjectId definitionId() const { return m_definition; }
  void setDefinitionId(OdDbObjectId id) { m_definition = id; }
  int8_t flags() const { return m_flags; }
  void setFlags(int8_t flags) { m_flags = flags; }
  bool isOn() const { return (m_flags & kOn) != 0; }
  bool isClipped() const { return (m_flags & kClipOn) != 0; }
  bool isClipInverted() const { return (m_flags & kClipInverted) != 0; }
  bool isMonochrome() const { return (m_flags & kMonochrome) != 0; }
  int8_t contrast() const { return m_contrast; }
  void setContrast(int8_t value) { m_contrast = value; }
  int8_t fade() const { return m_fade; }
  void setFade(int8_t value) { m_fade = value; }
  // Two opposite corners of a rectangle, or a polygon.
  const std::vector<OdGePoint2d>& clipBoundary() const { return m_boundary; }
  void setClipBoundary(const std::vector<OdGePoint2d>& points) { m_boundary = points; }
  // The clipping boundary, closed, placed in the world. Nothing without a
  // boundary: the size of the underlay's page is in its file, not in the database.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  static bool readBoundary(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeBoundary(const OdDbObject* obj, OdDbDxfFiler* filer);

  OdDbObjectId m_definition;
  OdGePoint3d m_position;
  double m_scaleX;
  double m_scaleY;
  double m_scaleZ;
  double m_rotation;  // degrees, as in the file
  OdGeVector3d m_normal;
  int8_t m_flags;
  int8_t m_contrast;
  int8_t m_fade;
  std::vector<OdGePoint2d> m_boundary;
};
using OdDbUnderlayReferencePtr = OdSmartPtr<OdDbUnderlayReference>;

// The underlay kinds differ by the file they show; their fields are the underlay's.
class OdDbPdfReference : public OdDbUnderlayReference {
  OD_DXF_CLASS(OdDbPdfReference);
};
using OdDbPdfReferencePtr = OdSmartPtr<OdDbPdfReference>;

class OdDbDwfReference : public OdDbUnderlayReference {
  OD_DXF_CLASS(OdDbDwfReference);
};
using OdDbDwfReferencePtr = OdSmartPtr<OdDbDwfReference>;

class OdDbDgnReference : public OdDbUnderlayReference {
  OD_DXF_CLASS(OdDbDgnReference);
};
using OdDbDgnReferencePtr = OdSmartPtr<OdDbDgnReference>;
