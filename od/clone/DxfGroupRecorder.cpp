#include "DxfGroupRecorder.h"

#include "DbObject.h"

void OdDbDxfGroupRecorder::put(int code, std::string_view text) {
  m_groups.push_back(dxf::KeptGroup{0, static_cast<int16_t>(code), OdDbObjectId(), std::string(text)});
}

void OdDbDxfGroupRecorder::putId(int code, OdDbObjectId id, std::string_view text) {
  m_groups.push_back(dxf::KeptGroup{0, static_cast<int16_t>(code), id, std::string(text)});
}

namespace dxf {

GroupList recordGroups(const OdDbObject* obj, OdDb::FilerType type) {
  OdStaticRxObject<OdDbDxfGroupRecorder> recorder(obj->database(), type);
  obj->dxfOutFields(&recorder);
  return recorder.takeGroups();
}

std::vector<Group> groupViews(const GroupList& groups) {
  std::vector<Group> views;
  views.reserve(groups.size());
  for (const KeptGroup& g : groups) views.push_back(Group{g.code, g.text});
  return views;
}

}  // namespace dxf
