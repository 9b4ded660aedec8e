#include "HostHelpService.h"

#include "HostDocManager.h"
#include "HostText.h"

bool HostHelpService::showTopic(const wchar_t* topic) {
  m_lastTopic = hostFromWide(topic);
  m_docs.print("Help: " + m_lastTopic);
  return true;
}

bool HostHelpService::queryInterface(const char* iid, void** out) {
  *out = nullptr;
  if (!sameInterfaceId(iid, kIID_IHelpService) && !sameInterfaceId(iid, kIID_IUnknownLike)) return false;
  addRef();
  *out = static_cast<IHelpService*>(this);
  return true;
}
