#include "HostCmdProcess.h"

int HostCmdProcessImpl::getContext(IUnknownLike** context) {
  *context = m_context.get();
  if (!*context) return 0;
  (*context)->addRef();
  return 1;
}

int HostCmdProcessImpl::setContext(IUnknownLike* context) {
  if (context != m_context.get()) m_context = HostRefPtr<IUnknownLike>(context);
  return 1;
}

bool HostCmdProcessImpl::queryInterface(const char* iid, void** out) {
  *out = nullptr;
  if (!sameInterfaceId(iid, kIID_ICmdProcess) && !sameInterfaceId(iid, kIID_ICmdRun) &&
      !sameInterfaceId(iid, kIID_IUnknownLike))
    return false;
  addRef();
  *out = static_cast<ICmdProcess*>(this);
  return true;
}

HostCommandContext* HostCmdProcessImpl::hostContext() const {
  void* found = nullptr;
  if (!m_context || !m_context->queryInterface(kIID_HostCommandContext, &found)) return nullptr;
  auto* context = static_cast<HostCommandContext*>(found);
  context->release();  // still held by m_context
  return context;
}
