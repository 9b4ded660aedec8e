#include "DbAttribute.h"

#include "GiTextFormat.h"

ODRX_DEFINE_NAMED(OdDbAttribute, "AcDbAttribute", OdDbText, "ATTRIB", odrxNewReferenced<OdDbAttribute>)

bool OdDbAttributeFields::read(const dxf::Group& g, dxf::ReadContext& ctx, int16_t& verticalMode, bool definition) {
  // R2018 additions (attribute type 71, 72, a second alignment point 11 and
  // the embedded MTEXT) follow the tag; in files without subclass markers
  // (before R13) these codes belong to the text instead.
  bool additions = (m_seen & kTagSeen) && ctx.version() >= 1012 &&
                   (g.code == 71 || g.code == 72 || g.code == 11 || g.code == 21 || g.code == 31);
  if ((m_seen & kLockSeen) || !tail.empty() || g.code == 101 || additions) {
    dxf::appendGroup(tail, g, ctx);
    return true;
  }
  switch (g.code) {
    case 280:
      if (!(m_seen & (kVersionSeen | kTagSeen))) {
        version = static_cast<int8_t>(dxf::toInt(g));
        m_seen |= kVersionSeen;
      } else {
        lockPosition = dxf::toInt(g) != 0;
        m_seen |= kLockSeen;
      }
      return true;
    case 3:
      if (!definition) return false;
      prompt = ctx.decodeString(g.value);
      m_seen |= kTagSeen;
      return true;
    case 2: tag = ctx.decodeString(g.value); m_seen |= kTagSeen; return true;
    case 70: flags = static_cast<int16_t>(dxf::toInt(g)); m_seen |= kTagSeen; return true;
    case 73: fieldLength = static_cast<int16_t>(dxf::toInt(g)); return true;
    case 74: verticalMode = static_cast<int16_t>(dxf::toInt(g)); return true;
    default: return false;
  }
}

void OdDbAttributeFields::write(OdDbDxfFiler* filer, int16_t verticalMode, bool definition) const {
  bool all = filer->includesDefaultValues();
  filer->wrInt8(280, version);
  if (definition) filer->wrString(3, prompt);
  filer->wrString(2, tag);
  filer->wrInt16(70, flags);
  if (all || fieldLength != 0) filer->wrInt16(73, fieldLength);
  if (all || verticalMode != 0) filer->wrInt16(74, verticalMode);
  filer->wrInt8(280, lockPosition ? 1 : 0);
  dxf::writeGroups(tail, filer);
}

bool OdDbAttributeFields::isMText() const {
  for (const dxf::KeptGroup& g : tail) {
    if (g.code == 101) return true;
    // Attribute type: 2 multi-line attribute, 4 multi-line definition.
    if (g.code == 71 && (dxf::toInt(g.text) == 2 || dxf::toInt(g.text) == 4)) return true;
  }
  return false;
}

OdString OdDbAttributeFields::shownText(const OdString& text) const {
  if (!isMText()) return text;
  OdString joined;
  for (const OdString& line : odGiMTextLines(text)) joined += joined.isEmpty() ? line : OdString(" ") + line;
  return joined;
}

const dxf::ClassLayout& OdDbAttribute::layout() {
  static const dxf::Custom section{&OdDbAttribute::readSection, &OdDbAttribute::writeSection};
  // One AcDbText section only: the vertical alignment moves to group 74 here.
  static const auto fields = dxf::joinFields(std::array{dxf::marker("AcDbText")}, firstSectionFields(),
                                             std::array{dxf::marker("AcDbAttribute"), dxf::custom(section)});
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
  return layout;
}

OdDbAttribute::OdDbAttribute() { layout().applyOwnDefaults(this); }

bool OdDbAttribute::readSection(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx) {
  auto* attr = static_cast<OdDbAttribute*>(obj);
  return attr->m_attr.read(g, ctx, attr->m_verticalMode, false);
}

void OdDbAttribute::writeSection(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* attr = static_cast<const OdDbAttribute*>(obj);
  attr->m_attr.write(filer, attr->m_verticalMode, false);
}

bool OdDbAttribute::subWorldDraw(OdGiWorldDraw* wd) const {
  if (!isInvisible()) drawText(wd, m_attr.shownText(m_text));
  return true;
}
