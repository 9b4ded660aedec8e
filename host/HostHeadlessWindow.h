#pragma once

#include "HostWindow.h"

class HostDocManager;

// No window: the documents' views draw offscreen, so that their devices'
// listeners hear of drawings as with a window.
class HostHeadlessWindow : public HostWindow {
 public:
  explicit HostHeadlessWindow(HostDocManager& docs) : m_docs(docs) {}

  void* handle() const override { return nullptr; }
  bool isHeadless() const override { return true; }
  void zoomAll(HostDocument* doc) override;
  void regen(int mode) override;
  void updateView(HostDocument* doc) override;
  int appearanceFlag() const override { return 0; }

 private:
  HostDocManager& m_docs;
};
