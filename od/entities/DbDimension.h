#pragma once

#include "DbEntity.h"
#include "GePoint3d.h"

// Base of the dimensions. Each shows itself through an anonymous block
// (*D...) and takes its look from a dimension style, with overrides kept
// as extended data of the application ACAD (DSTYLE). Angles are given in
// radians.
class OdDbDimension : public OdDbEntity {
  OD_DXF_CLASS(OdDbDimension);

 public:
  // The block that shows the dimension.
  OdDbObjectId dimBlockId() const { return m_block; }
  void setDimBlockId(OdDbObjectId id) { m_block = id; }
  OdDbObjectId dimensionStyle() const { return m_dimStyle; }
  void setDimensionStyle(OdDbObjectId id) { m_dimStyle = id; }
  OdGePoint3d textPosition() const { return m_textPosition; }
  void setTextPosition(const OdGePoint3d& p) { m_textPosition = p; }
  // Where the dimension text sits when the user did not move it.
  bool isUsingDefaultTextPosition() const { return (m_flags & 128) == 0; }
  // "<>" stands for the measurement; empty shows the measurement alone.
  OdString dimensionText() const { return m_text; }
  void setDimensionText(const OdString& text) { m_text = text; }
  // The measured value as stored; nothing recomputes it from the points, so
  // whoever builds a dimension sets it with its block.
  double measurement() const { return m_measurement; }
  void setMeasurement(double value) { m_measurement = value; }
  double textRotation() const;
  void setTextRotation(double radians);
  double horizontalRotation() const;
  void setHorizontalRotation(double radians);
  OdGeVector3d normal() const { return m_normal; }
  void setNormal(const OdGeVector3d& n) { m_normal = n; }
  // Group 70: the type in the low bits (0 rotated, 1 aligned, 2 angular,
  // 3 diameter, 4 radius, 5 angular by three points, 6 ordinate), with 32
  // block used by this dimension only, 64 ordinate along X, 128 text moved.
  int16_t dimensionFlags() const { return m_flags; }
  void setDimensionFlags(int16_t flags) { m_flags = flags; }
  int16_t textAttachment() const { return m_attachment; }
  void setTextAttachment(int16_t a) { m_attachment = a; }
  int16_t textLineSpacingStyle() const { return m_lineSpacingStyle; }
  double textLineSpacingFactor() const { return m_lineSpacingFactor; }
  bool flipArrow1() const { return m_flipArrow1 != 0; }
  bool flipArrow2() const { return m_flipArrow2 != 0; }

  // Background of the dimension text: flags 0 none, 1 the drawing's
  // background colour, 2 the given colour. Stored as the dimension's
  // overrides of DIMTFILL and DIMTFILLCLR, as an index colour; without
  // overrides there is no background and the colour is by block.
  void setBgrndTxtColor(const OdCmColor& color, int flags);
  void getBgrndTxtColor(OdCmColor& color, int& flags) const;

  // Its block, whose entities are in world coordinates, moved to the
  // insertion point. Without the block (files of some programs have none)
  // only its text, at the text position.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 protected:
  OdDbDimension();
  // The text at its position, the measurement standing for "<>".
  void drawTextOnly(OdGiWorldDraw* wd) const;

  int8_t m_version;
  OdDbObjectId m_block;
  OdGePoint3d m_defPoint;  // what it defines depends on the dimension
  OdGePoint3d m_textPosition;
  OdGePoint3d m_clonePoint;
  int16_t m_flags;
  OdString m_text;
  int16_t m_attachment;
  int16_t m_lineSpacingStyle;
  double m_lineSpacingFactor;
  double m_measurement;
  int16_t m_unknown73;
  int16_t m_flipArrow1;
  int16_t m_flipArrow2;
  double m_textRotation;  // degrees, as files hold it
  double m_horizontalRotation;
  OdGeVector3d m_normal;
  OdDbObjectId m_dimStyle;
};
using OdDbDimensionPtr = OdSmartPtr<OdDbDimension>;
