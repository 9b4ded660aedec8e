#include "HostHelpService.h"

#include "HostDocManager.h"
#include "HostText.h"

#include <filesystem>

OdString HostHelpService::pageOf(const OdString& topic) const {
  for (const OdString& folder : m_folders ? m_folders() : std::vector<OdString>()) {
    std::filesystem::path page = std::filesystem::path(folder.utf8()) / (topic.utf8() + ".html");
    if (std::filesystem::is_regular_file(page)) return OdString(page.string());
  }
  return OdString();
}

bool HostHelpService::showTopic(const wchar_t* topic) {
  m_lastTopic = hostFromWide(topic);
  OdString page = pageOf(m_lastTopic);
  if (page.isEmpty()) {
    m_docs.print("Help: no page for " + m_lastTopic);
    return false;
  }
  if (m_opener) return m_opener(page);
  m_docs.print("Help: " + m_lastTopic + " (" + page + ")");
  return true;
}

bool HostHelpService::queryInterface(const char* iid, void** out) {
  *out = nullptr;
  if (!sameInterfaceId(iid, kIID_IHelpService) && !sameInterfaceId(iid, kIID_IUnknownLike)) return false;
  addRef();
  *out = static_cast<IHelpService*>(this);
  return true;
}
