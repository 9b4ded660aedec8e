#include "DbMLeader.h"

ODRX_DEFINE_NAMED(OdDbMLeader, "AcDbMLeader", OdDbEntity, "MULTILEADER", odrxNewReferenced<OdDbMLeader>)

const dxf::ClassLayout& OdDbMLeader::layout() {
  static const dxf::Custom context{&OdDbMLeader::readContext, &OdDbMLeader::writeContext};
  static const dxf::Custom lists{&OdDbMLeader::readLists, &OdDbMLeader::writeLists};
  static const dxf::Field fields[] = {
      dxf::marker("AcDbMLeader"),
      dxf::field<&OdDbMLeader::m_version>(270, dxf::defInt(2)),
      dxf::custom(context),
      dxf::field<&OdDbMLeader::m_style>(340),
      dxf::field<&OdDbMLeader::m_overrideFlags>(90),
      dxf::field<&OdDbMLeader::m_leaderLineType>(170, dxf::defInt(1)),
      dxf::field<&OdDbMLeader::m_leaderLineColor>(91, dxf::defInt(-1056964608)),
      dxf::field<&OdDbMLeader::m_leaderLinetype>(341),
      dxf::field<&OdDbMLeader::m_leaderLineWeight>(171, dxf::defInt(-2)),
      dxf::field<&OdDbMLeader::m_landing>(290, dxf::defInt(1)),
      dxf::field<&OdDbMLeader::m_dogleg>(291, dxf::defInt(1)),
      dxf::field<&OdDbMLeader::m_doglegLength>(41, dxf::def(8)),
      dxf::optional<&OdDbMLeader::m_arrowHead>(342),
      dxf::field<&OdDbMLeader::m_arrowSize>(42, dxf::def(4)),
      dxf::field<&OdDbMLeader::m_contentType>(172, dxf::defInt(kMTextContent)),
      dxf::field<&OdDbMLeader::m_textStyle>(343),
      dxf::field<&OdDbMLeader::m_textLeftAttachment>(173, dxf::defInt(1)),
      dxf::field<&OdDbMLeader::m_textRightAttachment>(95, dxf::defInt(1)),
      dxf::field<&OdDbMLeader::m_textAngleType>(174, dxf::defInt(1)),
      dxf::field<&OdDbMLeader::m_textAlignment>(175),
      dxf::field<&OdDbMLeader::m_textColor>(92, dxf::defInt(-1056964608)),
      dxf::field<&OdDbMLeader::m_textFrame>(292),
      dxf::optional<&OdDbMLeader::m_blockContent>(344),
      dxf::field<&OdDbMLeader::m_blockColor>(93, dxf::defInt(-1056964608)),
      dxf::field<&OdDbMLeader::m_blockScale>(10, dxf::kUnitScale),
      dxf::field<&OdDbMLeader::m_blockRotation>(43),
      dxf::field<&OdDbMLeader::m_blockConnection>(176),
      dxf::field<&OdDbMLeader::m_annotative>(293),
      dxf::custom(lists),
      dxf::field<&OdDbMLeader::m_textDirectionNegative>(294),
      dxf::field<&OdDbMLeader::m_ipeAlign>(178),
      dxf::field<&OdDbMLeader::m_justification>(179, dxf::defInt(1)),
      dxf::field<&OdDbMLeader::m_scale>(45, dxf::def(1)),
      dxf::field<&OdDbMLeader::m_textAttachmentDirection>(271),
      dxf::field<&OdDbMLeader::m_bottomAttachment>(272, dxf::defInt(9)),
      dxf::field<&OdDbMLeader::m_topAttachment>(273, dxf::defInt(9)),
      dxf::field<&OdDbMLeader::m_extendToText>(295),
  };
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
  return layout;
}

OdDbMLeader::OdDbMLeader() { layout().applyOwnDefaults(this); }

bool OdDbMLeader::readContext(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx) {
  auto& context = static_cast<OdDbMLeader*>(obj)->m_context;
  // The context data repeats many codes of the section: all of it up to its
  // closing 301 is taken here.
  bool open = !context.empty() && context.back().code != 301;
  if (!open && !(context.empty() && g.code == 300)) return false;
  dxf::appendGroup(context, g, ctx);
  return true;
}

void OdDbMLeader::writeContext(const OdDbObject* obj, OdDbDxfFiler* filer) {
  dxf::writeGroups(static_cast<const OdDbMLeader*>(obj)->m_context, filer);
}

bool OdDbMLeader::readLists(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx) {
  switch (g.code) {
    case 94: case 345: case 330: case 177: case 44: case 302:
      dxf::appendGroup(static_cast<OdDbMLeader*>(obj)->m_lists, g, ctx);
      return true;
    default: return false;
  }
}

void OdDbMLeader::writeLists(const OdDbObject* obj, OdDbDxfFiler* filer) {
  dxf::writeGroups(static_cast<const OdDbMLeader*>(obj)->m_lists, filer);
}

int OdDbMLeader::contentsIndex() const {
  // The text is the 304 of the context itself, before the first leader;
  // inside leaders 304 opens a leader line.
  for (size_t i = 0; i < m_context.size(); ++i) {
    if (m_context[i].code == 302) break;
    if (m_context[i].code == 304) return static_cast<int>(i);
  }
  return -1;
}

OdString OdDbMLeader::contents() const {
  int i = contentsIndex();
  return i < 0 ? OdString() : OdString(m_context[static_cast<size_t>(i)].text);
}

bool OdDbMLeader::setContents(const OdString& text) {
  int i = contentsIndex();
  if (i < 0) return false;
  m_context[static_cast<size_t>(i)].text = text.utf8();
  return true;
}
