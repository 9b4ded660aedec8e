#pragma once

#include "DbEntity.h"
#include "DxfGroupList.h"
#include "GePoint3d.h"

// Paragraph text (MTEXT). Angles are given in radians.
class OdDbMText : public OdDbEntity {
  OD_DXF_CLASS(OdDbMText);

 public:
  enum AttachmentPoint : int16_t {
    kTopLeft = 1, kTopCenter, kTopRight, kMiddleLeft, kMiddleCenter, kMiddleRight, kBottomLeft, kBottomCenter,
    kBottomRight
  };
  enum FlowDirection : int16_t { kLtoR = 1, kTtoB = 3, kByStyle = 5 };
  enum LineSpacingStyle : int16_t { kAtLeast = 1, kExactly = 2 };
  // Groups of a file hold at most this many characters; longer text is split.
  static constexpr int kChunkLength = 250;

  OdDbMText();

  OdString contents() const { return m_contents; }
  void setContents(const OdString& text) { m_contents = text; }
  OdGePoint3d location() const { return m_location; }
  void setLocation(const OdGePoint3d& p) { m_location = p; }
  double textHeight() const { return m_height; }
  void setTextHeight(double h) { m_height = h; }
  // The reference column width (0 for no wrapping).
  double width() const { return m_width; }
  void setWidth(double w) { m_width = w; }
  double definedHeight() const { return m_definedHeight; }
  void setDefinedHeight(double h) { m_definedHeight = h; }
  AttachmentPoint attachment() const { return static_cast<AttachmentPoint>(m_attachment); }
  void setAttachment(AttachmentPoint a) { m_attachment = a; }
  FlowDirection flowDirection() const { return static_cast<FlowDirection>(m_flowDirection); }
  void setFlowDirection(FlowDirection d) { m_flowDirection = d; }
  // The text's x axis in world coordinates.
  OdGeVector3d direction() const;
  void setDirection(const OdGeVector3d& d) { m_direction = d; }
  // The angle of the x axis; a direction given wins over the rotation group.
  double rotation() const;
  void setRotation(double radians);
  OdDbObjectId textStyle() const { return m_style; }
  void setTextStyle(OdDbObjectId id) { m_style = id; }
  OdGeVector3d normal() const { return m_normal; }
  void setNormal(const OdGeVector3d& n) { m_normal = n; }
  double actualWidth() const { return m_actualWidth; }
  double actualHeight() const { return m_actualHeight; }
  LineSpacingStyle lineSpacingStyle() const { return static_cast<LineSpacingStyle>(m_lineSpacingStyle); }
  void setLineSpacingStyle(LineSpacingStyle s) { m_lineSpacingStyle = s; }
  double lineSpacingFactor() const { return m_lineSpacingFactor; }
  void setLineSpacingFactor(double f) { m_lineSpacingFactor = f; }

  // Background fill (group 90): 1 fill on, 2 use the drawing's background colour, 16 text frame.
  bool backgroundFillOn() const { return (m_bgFlags & 1) != 0; }
  void setBackgroundFill(bool on);
  bool useBackgroundColorOn() const { return (m_bgFlags & 2) != 0; }
  void setUseBackgroundColor(bool on);
  int32_t backgroundFlags() const { return m_bgFlags; }
  OdCmColor getBackgroundFillColor() const;
  void setBackgroundFillColor(const OdCmColor& color);
  double getBackgroundScaleFactor() const { return m_bgScale; }
  void setBackgroundScaleFactor(double scale);
  OdCmTransparency getBackgroundTransparency() const { return OdCmTransparency::fromSerialized(m_bgTransparency); }
  void setBackgroundTransparency(const OdCmTransparency& t);

  // R2018 columns: the groups from 101 "Embedded Object" on, kept in order.
  const dxf::GroupList& embeddedGroups() const { return m_embedded; }

  // One text primitive per line, placed by the attachment point.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  static bool readContents(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeContents(const OdDbObject* obj, OdDbDxfFiler* filer);
  static bool readBackground(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeBackground(const OdDbObject* obj, OdDbDxfFiler* filer);
  static bool readEmbedded(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeEmbedded(const OdDbObject* obj, OdDbDxfFiler* filer);

  // Which background groups the entity has; they are written only then.
  enum : uint8_t { kBgFlags = 1, kBgColor = 2, kBgTrueColor = 4, kBgColorName = 8, kBgScale = 16, kBgTransparency = 32 };

  OdGePoint3d m_location;
  double m_height;
  double m_width;
  double m_definedHeight;
  int16_t m_attachment;
  int16_t m_flowDirection;
  OdString m_contents;
  std::string m_contentsRead;  // the raw parts read so far, until the final group 1
  OdDbObjectId m_style;
  OdGeVector3d m_normal;
  OdGeVector3d m_direction;
  double m_actualWidth;
  double m_actualHeight;
  double m_rotation;  // degrees, as files hold it
  int16_t m_lineSpacingStyle;
  double m_lineSpacingFactor;
  uint8_t m_bgPresent;
  int32_t m_bgFlags;
  int16_t m_bgColorIndex;
  int32_t m_bgTrueColor;  // 0xRRGGBB
  OdString m_bgColorName;
  double m_bgScale;
  int32_t m_bgTransparency;
  dxf::GroupList m_embedded;
};
using OdDbMTextPtr = OdSmartPtr<OdDbMText>;
