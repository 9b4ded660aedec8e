#pragma once

#include "DbAttribute.h"

// The definition of an attribute in a block (ATTDEF): its tag, prompt and default text.
class OdDbAttributeDefinition : public OdDbText {
  OD_DXF_CLASS(OdDbAttributeDefinition);

 public:
  OdDbAttributeDefinition();

  OdString tag() const { return m_attr.tag; }
  void setTag(const OdString& tag) { m_attr.tag = tag; }
  OdString prompt() const { return m_attr.prompt; }
  void setPrompt(const OdString& prompt) { m_attr.prompt = prompt; }
  bool isInvisible() const { return (m_attr.flags & 1) != 0; }
  void setInvisible(bool on) { setFlag(1, on); }
  bool isConstant() const { return (m_attr.flags & 2) != 0; }
  void setConstant(bool on) { setFlag(2, on); }
  bool isVerifiable() const { return (m_attr.flags & 4) != 0; }
  void setVerifiable(bool on) { setFlag(4, on); }
  bool isPreset() const { return (m_attr.flags & 8) != 0; }
  void setPreset(bool on) { setFlag(8, on); }
  int16_t attributeFlags() const { return m_attr.flags; }
  int16_t fieldLength() const { return m_attr.fieldLength; }
  void setFieldLength(int16_t length) { m_attr.fieldLength = length; }
  bool lockPositionInBlock() const { return m_attr.lockPosition; }
  void setLockPositionInBlock(bool on) { m_attr.lockPosition = on; }
  bool isMTextAttributeDefinition() const { return m_attr.isMText(); }
  // The R2018 groups after the lock position, the embedded MTEXT among them.
  const dxf::GroupList& embeddedGroups() const { return m_attr.tail; }

  // Its tag; inside a block reference only a constant definition shows, with its text.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  void setFlag(int16_t bit, bool on) { m_attr.flags = static_cast<int16_t>(on ? m_attr.flags | bit : m_attr.flags & ~bit); }
  static bool readSection(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeSection(const OdDbObject* obj, OdDbDxfFiler* filer);

  OdDbAttributeFields m_attr;
};
using OdDbAttributeDefinitionPtr = OdSmartPtr<OdDbAttributeDefinition>;
