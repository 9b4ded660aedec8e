#pragma once

#include "ICmdProcess.h"
#include "ICmdRun.h"
#include "OdString.h"

// One run of a command object.
class HostCmdProcess : public UnknownImpl<ICmdProcess> {
 public:
  HostCmdProcess(HostRefPtr<ICmdRun> command, const OdString& globalName, void* context)
      : m_command(std::move(command)), m_globalName(globalName), m_context(context) {}

  int run() override;
  int state() const override { return m_state; }
  void* getContext() const override { return m_context; }
  void setContext(void* context) override { m_context = context; }
  int isTransparent() const override { return 0; }
  int nestingLevel() const override { return 0; }
  bool queryInterface(const char* iid, void** out) override;

  // The name reactors hear; a command may change it once it knows what it
  // does (ZOOM with "All" is "ViewZoomAll").
  const OdString& globalName() const { return m_globalName; }
  void setGlobalName(const OdString& name) { m_globalName = name; }
  // Set by the processor when the command threw.
  void setFailed() { m_state = kFailed; }

 private:
  HostRefPtr<ICmdRun> m_command;
  OdString m_globalName;
  void* m_context;
  int m_state = kNotStarted;
};
