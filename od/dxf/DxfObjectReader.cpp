#include "DxfObjectReader.h"

#include "DbEntity.h"

namespace dxf {
namespace {

// Some writers put the common properties after the subclass data: the
// entity's first section takes them wherever they come.
bool readCommonEntityGroup(OdDbObject* obj, const ClassLayout& layout, bool isEntity, const Group& g,
                           ReadContext& ctx) {
  return isEntity && layout.readInSection(obj, g, 0, ctx);
}

class ObjectGroupReader {
 public:
  ObjectGroupReader(OdDbObject* obj, std::span<const Group> groups, ReadContext& ctx)
      : m_obj(obj), m_groups(groups), m_ctx(ctx), m_layout(obj->dxfLayout()),
        m_handleCode(obj->dxfHandleCode()), m_isEntity(obj->isKindOf(OdDbEntity::desc())) {}

  OdDbHandle read();

 private:
  size_t readAppData(size_t first);
  void readMarker(const Group& g);
  void readField(const Group& g);
  void keep(uint8_t section, const Group& g) { m_obj->keptGroups().push_back(keepGroup(section, g, m_ctx)); }

  OdDbObject* m_obj;
  std::span<const Group> m_groups;
  ReadContext& m_ctx;
  const ClassLayout& m_layout;
  const int m_handleCode;
  const bool m_isEntity;
  int m_section = -1;
  uint8_t m_keepSection = KeptGroup::kAfterHeader;
  bool m_markersSeen = false;
};

OdDbHandle ObjectGroupReader::read() {
  OdDbHandle handle;
  bool inHeader = true, handleSeen = false, ownerSeen = false, inXData = false;
  for (size_t i = 0; i < m_groups.size(); ++i) {
    const Group& g = m_groups[i];
    if (inXData || (g.code >= 1000 && g.code <= 1071)) {
      inXData = true;
      m_obj->xdataGroups().push_back(keepGroup(0, g, m_ctx));
    } else if (g.code == m_handleCode && !handleSeen) {
      handle = handleOf(g);
      handleSeen = true;
    } else if (inHeader && g.code == 102 && !g.value.empty() && g.value.front() == '{') {
      i = readAppData(i);
    } else if (inHeader && g.code == 330 && !ownerSeen) {
      m_obj->setOwnerId(m_ctx.idOf(g));
      ownerSeen = true;
    } else {
      inHeader = false;
      if (g.code == 100) readMarker(g);
      else readField(g);
    }
  }
  return handle;
}

// A 102 group list of the header, from "{NAME" to "}": reactors, the extension
// dictionary, or data of another application kept as read. Answers its last index.
size_t ObjectGroupReader::readAppData(size_t first) {
  std::string_view app = m_groups[first].value;
  size_t end = first + 1;
  while (end < m_groups.size() && !(m_groups[end].code == 102 && m_groups[end].value.substr(0, 1) == "}")) ++end;
  for (size_t k = first + 1; k < end; ++k) {
    if (app == "{ACAD_XDICTIONARY" && m_groups[k].code == 360)
      m_obj->setExtensionDictionary(m_ctx.idOf(m_groups[k]));
    else if (app == "{ACAD_REACTORS" && m_groups[k].code == 330)
      m_obj->addPersistentReactor(m_ctx.idOf(m_groups[k]));
  }
  if (app != "{ACAD_XDICTIONARY" && app != "{ACAD_REACTORS")
    for (size_t k = first; k <= end && k < m_groups.size(); ++k) keep(KeptGroup::kAppData, m_groups[k]);
  return end;
}

void ObjectGroupReader::readMarker(const Group& g) {
  m_markersSeen = true;
  int found = m_layout.findSection(g.value, m_section);
  if (found >= 0) {
    m_section = found;
    m_keepSection = static_cast<uint8_t>(found);
    return;
  }
  m_section = -2;  // a subclass this library does not know: its groups are kept
  keep(m_keepSection, g);
}

void ObjectGroupReader::readField(const Group& g) {
  if (m_section != -2 && m_layout.readGroup(m_obj, g, m_section, m_markersSeen, m_ctx)) {
    if (m_section >= 0) m_keepSection = static_cast<uint8_t>(m_section);
    return;
  }
  if (readCommonEntityGroup(m_obj, m_layout, m_isEntity, g, m_ctx)) return;
  keep(m_keepSection, g);
}

}  // namespace

OdDbHandle readObjectGroups(OdDbObject* obj, std::span<const Group> groups, ReadContext& ctx) {
  return ObjectGroupReader(obj, groups, ctx).read();
}

void readSectionGroup(OdDbObject* obj, const Group& g, int section, ReadContext& ctx) {
  const ClassLayout& layout = obj->dxfLayout();
  int at = section;
  if (layout.readGroup(obj, g, at, true, ctx)) return;
  if (readCommonEntityGroup(obj, layout, obj->isKindOf(OdDbEntity::desc()), g, ctx)) return;
  obj->keptGroups().push_back(keepGroup(static_cast<uint8_t>(section), g, ctx));
}

}  // namespace dxf
