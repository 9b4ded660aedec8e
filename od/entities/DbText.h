#pragma once

#include "DbEntity.h"
#include "GePoint3d.h"

#include <array>

namespace OdDb {
enum TextHorzMode : int16_t { kTextLeft = 0, kTextCenter = 1, kTextRight = 2, kTextAlign = 3, kTextMid = 4, kTextFit = 5 };
enum TextVertMode : int16_t { kTextBase = 0, kTextBottom = 1, kTextVertMid = 2, kTextTop = 3 };
}

// A single line of text (TEXT). Angles are given in radians.
class OdDbText : public OdDbEntity {
  OD_DXF_CLASS(OdDbText);

 public:
  OdDbText();

  OdGePoint3d position() const { return m_position; }
  void setPosition(const OdGePoint3d& p) { m_position = p; }
  // The second point of justified text (all but left/baseline).
  OdGePoint3d alignmentPoint() const { return m_alignment; }
  void setAlignmentPoint(const OdGePoint3d& p) { m_alignment = p; }
  bool isDefaultAlignment() const { return m_horizontalMode == OdDb::kTextLeft && m_verticalMode == OdDb::kTextBase; }
  OdString textString() const { return m_text; }
  void setTextString(const OdString& text) { m_text = text; }
  double height() const { return m_height; }
  void setHeight(double h) { m_height = h; }
  double widthFactor() const { return m_widthFactor; }
  void setWidthFactor(double f) { m_widthFactor = f; }
  double rotation() const;
  void setRotation(double radians);
  double oblique() const;
  void setOblique(double radians);
  OdDbObjectId textStyle() const { return m_style; }
  void setTextStyle(OdDbObjectId id) { m_style = id; }
  OdDb::TextHorzMode horizontalMode() const { return static_cast<OdDb::TextHorzMode>(m_horizontalMode); }
  void setHorizontalMode(OdDb::TextHorzMode mode) { m_horizontalMode = mode; }
  OdDb::TextVertMode verticalMode() const { return static_cast<OdDb::TextVertMode>(m_verticalMode); }
  void setVerticalMode(OdDb::TextVertMode mode) { m_verticalMode = mode; }
  // Generation flags: 2 backward (mirrored in X), 4 upside down (mirrored in Y).
  bool isMirroredInX() const { return (m_generation & 2) != 0; }
  void mirrorInX(bool on) { m_generation = static_cast<int16_t>(on ? m_generation | 2 : m_generation & ~2); }
  bool isMirroredInY() const { return (m_generation & 4) != 0; }
  void mirrorInY(bool on) { m_generation = static_cast<int16_t>(on ? m_generation | 4 : m_generation & ~4); }
  double thickness() const { return m_thickness; }
  void setThickness(double t) { m_thickness = t; }
  OdGeVector3d normal() const { return m_normal; }
  void setNormal(const OdGeVector3d& n) { m_normal = n; }

  // One text primitive, placed by the alignment.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 protected:
  // Draws the given text (a definition's tag, say) as this text is placed.
  void drawText(OdGiWorldDraw* wd, const OdString& shown) const;

  // The fields of the first AcDbText section, which attributes and their
  // definitions repeat under their own layout.
  static std::array<dxf::Field, 12> firstSectionFields();

  double m_thickness;
  OdGePoint3d m_position;
  double m_height;
  OdString m_text;
  double m_rotation;  // degrees, as files hold it
  double m_widthFactor;
  double m_oblique;   // degrees
  OdDbObjectId m_style;
  int16_t m_generation;
  int16_t m_horizontalMode;
  OdGePoint3d m_alignment;
  OdGeVector3d m_normal;
  int16_t m_verticalMode;

 private:
  static bool readAlignment(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeAlignment(const OdDbObject* obj, OdDbDxfFiler* filer);
  static void copyAlignment(const OdDbObject* from, OdDbObject* to, dxf::CopyContext& ctx);
};
using OdDbTextPtr = OdSmartPtr<OdDbText>;
