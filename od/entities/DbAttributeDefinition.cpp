#include "DbAttributeDefinition.h"

#include "GiWorldDraw.h"

ODRX_DEFINE_NAMED(OdDbAttributeDefinition, "AcDbAttributeDefinition", OdDbText, "ATTDEF",
                  odrxNewReferenced<OdDbAttributeDefinition>)

const dxf::ClassLayout& OdDbAttributeDefinition::layout() {
  static const dxf::Custom section{&OdDbAttributeDefinition::readSection, &OdDbAttributeDefinition::writeSection};
  static const auto fields = dxf::joinFields(std::array{dxf::marker("AcDbText")}, firstSectionFields(),
                                             std::array{dxf::marker("AcDbAttributeDefinition"), dxf::custom(section)});
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
  return layout;
}

OdDbAttributeDefinition::OdDbAttributeDefinition() { layout().applyOwnDefaults(this); }

bool OdDbAttributeDefinition::readSection(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx) {
  auto* def = static_cast<OdDbAttributeDefinition*>(obj);
  return def->m_attr.read(g, ctx, def->m_verticalMode, true);
}

void OdDbAttributeDefinition::writeSection(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* def = static_cast<const OdDbAttributeDefinition*>(obj);
  def->m_attr.write(filer, def->m_verticalMode, true);
}

bool OdDbAttributeDefinition::subWorldDraw(OdGiWorldDraw* wd) const {
  // The reference's own attributes stand for the definitions that are not constant.
  const OdGiPathNode* path = wd->currentGiPath();
  bool inReference = path && path->parent();
  if (!inReference) drawText(wd, m_attr.tag);
  else if (isConstant() && !isInvisible()) drawText(wd, m_attr.shownText(m_text));
  return true;
}
