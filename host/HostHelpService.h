#pragma once

#include "IHelpService.h"
#include "OdString.h"

class HostDocManager;

#include <functional>
#include <vector>

// A topic is the page TOPIC.html in a "help" folder beside a loaded module.
// The window opens it in the desktop's browser; without a window the topic
// and its page are written on the command line.
class HostHelpService : public UnknownImpl<IHelpService> {
 public:
  using Folders = std::function<std::vector<OdString>()>;
  using PageOpener = std::function<bool(const OdString& page)>;

  HostHelpService(HostDocManager& docs, Folders folders) : m_docs(docs), m_folders(std::move(folders)) {}
  void setPageOpener(PageOpener opener) { m_opener = std::move(opener); }
  // The topic's page, or empty when no module has one.
  OdString pageOf(const OdString& topic) const;

  bool showTopic(const wchar_t* topic) override;
  bool queryInterface(const char* iid, void** out) override;
  const OdString& lastTopic() const { return m_lastTopic; }

 private:
  HostDocManager& m_docs;
  Folders m_folders;
  PageOpener m_opener;
  OdString m_lastTopic;
};
