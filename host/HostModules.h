#pragma once

#include "OdRxModule.h"

#include <vector>

class HostCommandRegistry;

// The plug-ins the host loaded, in the order it loaded them.
class HostModules {
 public:
  explicit HostModules(HostCommandRegistry& commands) : m_commands(commands) {}
  ~HostModules() { unloadAll(); }
  HostModules(const HostModules&) = delete;
  HostModules& operator=(const HostModules&) = delete;

  // Loads a module and calls its initApp; false and a message naming the
  // file when it cannot.
  bool load(const OdString& path, OdString& error);
  // Loads every .so of the folder in name order; answers the errors. A
  // missing folder has nothing to load.
  std::vector<OdString> loadFolder(const OdString& folder);
  // Last loaded first: uninitApp, its commands dropped, unloaded.
  void unloadAll();
  std::vector<OdString> loaded() const;

  // CADHOST_MODULES, else the folder "modules" beside the program.
  static OdString defaultFolder();

 private:
  struct Loaded {
    OdString path;
    void* handle;
    const void* base;  // where it is mapped: its commands' creators lie there
    OdRxModulePtr module;
  };
  void unload(Loaded& m);

  HostCommandRegistry& m_commands;
  std::vector<Loaded> m_modules;
};
