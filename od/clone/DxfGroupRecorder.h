#pragma once

#include "DxfGroupList.h"
#include "DxfTextFormat.h"

#include <span>
#include <vector>

// A filer that keeps the groups an object writes through dxfOutFields, each
// as the text a DXF file would hold; references keep their id beside the
// handle text. What it keeps reads back through dxf::readObjectGroups.
class OdDbDxfGroupRecorder : public dxf::TextFormatFiler<OdDbDxfGroupRecorder> {
 public:
  explicit OdDbDxfGroupRecorder(OdDbDatabase* db, OdDb::FilerType type = OdDb::kCopyFiler)
      : m_db(db), m_type(type) {}

  OdDb::FilerType filerType() const override { return m_type; }
  OdDbDatabase* database() const override { return m_db; }
  void seek(int64_t, OdDb::FilerSeekType) override {}
  uint64_t tell() const override { return m_groups.size(); }

  // The groups kept so far, in the order written; their section is 0.
  const dxf::GroupList& groups() const { return m_groups; }
  dxf::GroupList takeGroups() { return std::move(m_groups); }

  void put(int code, std::string_view text);
  void putId(int code, OdDbObjectId id, std::string_view text);

 private:
  OdDbDatabase* m_db;
  OdDb::FilerType m_type;
  dxf::GroupList m_groups;
};

namespace dxf {
// The groups an object writes, kept by a recorder.
GroupList recordGroups(const OdDbObject* obj, OdDb::FilerType type = OdDb::kCopyFiler);
// Views of kept groups as a reader takes them; valid while the list is unchanged.
std::vector<Group> groupViews(const GroupList& groups);
}  // namespace dxf
