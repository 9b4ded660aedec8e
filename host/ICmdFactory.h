#pragma once

#include "ICmdRun.h"

// Registers commands with the host. Plug-ins find new_ICmdFactory with
// dlsym, so they need not link to the host for it.
class ICmdFactory : public IUnknownLike {
 public:
  // Adds or replaces a command; flags and the two further numbers are kept
  // for the host's menus. Answers false for an empty name or no creator.
  virtual bool addCommand(const char* name, HostCmdCreator creator, const wchar_t* group, int flags,
                          int contextFlags, int helpId) = 0;
  // Answers false when there was no such command.
  virtual bool removeCommand(const char* name) = 0;
};

extern "C" {
// A new factory with one reference for the caller.
ICmdFactory* new_ICmdFactory();
}
