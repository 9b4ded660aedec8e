#pragma once

#include "ICmdRun.h"
#include "OdString.h"

#include <map>
#include <vector>

// The commands the host knows, by name (case-insensitive).
class HostCommandRegistry {
 public:
  struct Entry {
    OdString name;
    // The name reactors hear; the same as the name unless given.
    OdString globalName;
    HostCmdCreator creator = nullptr;
    OdString group;
    int flags = 0, contextFlags = 0, helpId = 0;
  };

  // Adds or replaces a command; false for an empty name or no creator.
  bool add(const Entry& entry);
  bool remove(const OdString& name);
  // Drops every command whose creator lives in the given shared object
  // (before it is unloaded); answers how many went.
  int removeCommandsOf(const void* sharedObjectBase);
  const Entry* find(const OdString& name) const;
  // How menus show the command (ICmdProcess::state of a new command
  // object); 0 for an unknown command.
  int commandState(const OdString& name) const;
  std::vector<OdString> names() const;

 private:
  std::map<OdString, Entry, OdStringLessNoCase> m_entries;
};
