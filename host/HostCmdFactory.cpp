#include "HostCmdFactory.h"

#include "HostText.h"

bool HostCmdFactory::addCommand(const char* name, HostCmdCreator creator, const wchar_t* group, int flags,
                                int contextFlags, int helpId) {
  if (!name) return false;
  HostCommandRegistry::Entry entry;
  entry.name = OdString(name);
  entry.creator = creator;
  entry.group = hostFromWide(group);
  entry.flags = flags;
  entry.contextFlags = contextFlags;
  entry.helpId = helpId;
  return m_registry.add(entry);
}

bool HostCmdFactory::removeCommand(const char* name) { return name && m_registry.remove(OdString(name)); }

bool HostCmdFactory::queryInterface(const char* iid, void** out) {
  *out = nullptr;
  if (!sameInterfaceId(iid, kIID_ICmdFactory) && !sameInterfaceId(iid, kIID_IUnknownLike)) return false;
  addRef();
  *out = static_cast<ICmdFactory*>(this);
  return true;
}
