#pragma once

#include "DbText.h"
#include "DxfGroupList.h"

// What attributes and attribute definitions add to their text: the
// AcDbAttribute or AcDbAttributeDefinition section.
struct OdDbAttributeFields {
  OdString tag;
  OdString prompt;  // definitions only
  int16_t flags = 0;  // 1 invisible, 2 constant, 4 verify, 8 preset
  int16_t fieldLength = 0;
  int8_t version = 0;  // 0: the 2010 format
  bool lockPosition = false;
  // The R2018 additions of multi-line attributes, kept in order: attribute
  // type (71), 72, a second alignment point and the embedded MTEXT
  // (101 "Embedded Object"), with whatever follows the lock position.
  dxf::GroupList tail;

  // Reads one group of the section; verticalMode is the text's (group 74 here).
  bool read(const dxf::Group& g, dxf::ReadContext& ctx, int16_t& verticalMode, bool definition);
  void write(OdDbDxfFiler* filer, int16_t verticalMode, bool definition) const;
  // A multi-line attribute: its text is the embedded MTEXT.
  bool isMText() const;
  // The text as drawn on one line: a multi-line text's lines joined.
  OdString shownText(const OdString& text) const;

 private:
  // Version and lock position share group 280 and differ by place: the
  // version comes before the tag.
  enum : uint8_t { kVersionSeen = 1, kTagSeen = 2, kLockSeen = 4 };
  uint8_t m_seen = 0;
};

// What ATTRIB and ATTDEF share: text with the attribute fields and their
// accessors. No run-time class of its own, so each keeps OdDbText as its
// run-time parent.
class OdDbAttributeText : public OdDbText {
 public:
  OdString tag() const { return m_attr.tag; }
  void setTag(const OdString& tag) { m_attr.tag = tag; }
  bool isInvisible() const { return (m_attr.flags & 1) != 0; }
  void setInvisible(bool on) { setFlag(1, on); }
  bool isConstant() const { return (m_attr.flags & 2) != 0; }
  bool isVerifiable() const { return (m_attr.flags & 4) != 0; }
  bool isPreset() const { return (m_attr.flags & 8) != 0; }
  int16_t attributeFlags() const { return m_attr.flags; }
  int16_t fieldLength() const { return m_attr.fieldLength; }
  void setFieldLength(int16_t length) { m_attr.fieldLength = length; }
  bool lockPositionInBlock() const { return m_attr.lockPosition; }
  void setLockPositionInBlock(bool on) { m_attr.lockPosition = on; }
  // The R2018 groups after the lock position, the embedded MTEXT among them.
  const dxf::GroupList& embeddedGroups() const { return m_attr.tail; }

 protected:
  void setFlag(int16_t bit, bool on) { m_attr.flags = static_cast<int16_t>(on ? m_attr.flags | bit : m_attr.flags & ~bit); }

  OdDbAttributeFields m_attr;
};

// An attribute of a block reference (ATTRIB), owned by its INSERT.
class OdDbAttribute : public OdDbAttributeText {
  OD_DXF_CLASS(OdDbAttribute);

 public:
  OdDbAttribute();

  void setAttributeFlags(int16_t flags) { m_attr.flags = flags; }
  bool isMTextAttribute() const { return m_attr.isMText(); }

  // Its text, unless invisible.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  static bool readSection(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeSection(const OdDbObject* obj, OdDbDxfFiler* filer);
};
using OdDbAttributePtr = OdSmartPtr<OdDbAttribute>;
