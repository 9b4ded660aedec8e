#pragma once

#include "HostCommandRegistry.h"
#include "ICmdFactory.h"

// The factory new_ICmdFactory hands out: adds to the host's registry, with
// the group given (the host's own commands use "HOST").
class HostCmdFactory : public UnknownImpl<ICmdFactory> {
 public:
  explicit HostCmdFactory(HostCommandRegistry& registry) : m_registry(registry) {}

  bool addCommand(const char* name, HostCmdCreator creator, const wchar_t* group, int flags, int contextFlags,
                  int helpId) override;
  bool removeCommand(const char* name) override;
  bool queryInterface(const char* iid, void** out) override;

 private:
  HostCommandRegistry& m_registry;
};
