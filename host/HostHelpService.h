#pragma once

#include "IHelpService.h"
#include "OdString.h"

class HostDocManager;

// Without a window the topic is written on the command line.
class HostHelpService : public UnknownImpl<IHelpService> {
 public:
  explicit HostHelpService(HostDocManager& docs) : m_docs(docs) {}

  bool showTopic(const wchar_t* topic) override;
  bool queryInterface(const char* iid, void** out) override;
  const OdString& lastTopic() const { return m_lastTopic; }

 private:
  HostDocManager& m_docs;
  OdString m_lastTopic;
};
