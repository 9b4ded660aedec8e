#pragma once

#include "HostCommandContext.h"
#include "ICmdProcess.h"

// The reference-counted base of command objects: holds the context and
// answers the queries as a plain enabled command.
class HostCmdProcessImpl : public UnknownImpl<ICmdProcess> {
 public:
  int isTransparent() override { return 0; }
  int nestingLevel() override { return 0; }
  int state() override { return kCmdEnabled; }
  int getContext(IUnknownLike** context) override;
  int setContext(IUnknownLike* context) override;
  bool queryInterface(const char* iid, void** out) override;

 protected:
  // The host's context of the run, or null when none was handed in.
  HostCommandContext* hostContext() const;

 private:
  HostRefPtr<IUnknownLike> m_context;
};

// The creator of a command class made with new.
template <class Command>
int hostCreateCommand(ICmdProcess** made) {
  *made = new Command;
  return 1;
}
