#pragma once

#include "DbAttribute.h"

// The definition of an attribute in a block (ATTDEF): its tag, prompt and default text.
class OdDbAttributeDefinition : public OdDbAttributeText {
  OD_DXF_CLASS(OdDbAttributeDefinition);

 public:
  OdDbAttributeDefinition();

  OdString prompt() const { return m_attr.prompt; }
  void setPrompt(const OdString& prompt) { m_attr.prompt = prompt; }
  void setConstant(bool on) { setFlag(2, on); }
  void setVerifiable(bool on) { setFlag(4, on); }
  void setPreset(bool on) { setFlag(8, on); }
  bool isMTextAttributeDefinition() const { return m_attr.isMText(); }

  // Its tag; inside a block reference only a constant definition shows, with its text.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  static bool readSection(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeSection(const OdDbObject* obj, OdDbDxfFiler* filer);
};
using OdDbAttributeDefinitionPtr = OdSmartPtr<OdDbAttributeDefinition>;
