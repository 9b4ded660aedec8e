#include "HostCmdProcess.h"

int HostCmdProcess::run() {
  m_state = kRunning;
  int result = m_command->run(this);
  m_state = result == kCmdOk ? kEnded : result == kCmdCancelled ? kCancelled : kFailed;
  return result;
}

bool HostCmdProcess::queryInterface(const char* iid, void** out) {
  *out = nullptr;
  if (!sameInterfaceId(iid, kIID_ICmdProcess) && !sameInterfaceId(iid, kIID_IUnknownLike)) return false;
  addRef();
  *out = static_cast<ICmdProcess*>(this);
  return true;
}
