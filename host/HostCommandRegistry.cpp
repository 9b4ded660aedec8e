#include "HostCommandRegistry.h"

#include "ICmdProcess.h"

#include <dlfcn.h>

bool HostCommandRegistry::add(const Entry& entry) {
  if (entry.name.isEmpty() || !entry.creator) return false;
  Entry e = entry;
  e.name.makeUpper();
  if (e.globalName.isEmpty()) e.globalName = e.name;
  m_entries[e.name] = e;
  return true;
}

bool HostCommandRegistry::remove(const OdString& name) { return m_entries.erase(name) != 0; }

int HostCommandRegistry::removeCommandsOf(const void* sharedObjectBase) {
  return static_cast<int>(std::erase_if(m_entries, [&](const auto& item) {
    Dl_info info{};
    return dladdr(reinterpret_cast<void*>(item.second.creator), &info) && info.dli_fbase == sharedObjectBase;
  }));
}

const HostCommandRegistry::Entry* HostCommandRegistry::find(const OdString& name) const {
  auto it = m_entries.find(name);
  return it == m_entries.end() ? nullptr : &it->second;
}

std::vector<OdString> HostCommandRegistry::names() const {
  std::vector<OdString> out;
  for (const auto& item : m_entries) out.push_back(item.first);
  return out;
}

int HostCommandRegistry::commandState(const OdString& name) const {
  const Entry* entry = find(name);
  ICmdProcess* made = nullptr;
  if (!entry || !entry->creator(&made) || !made) return 0;
  auto command = HostRefPtr<ICmdProcess>::adopt(made);
  return command->state();
}
