#pragma once

#include "HostWindow.h"

class HostDocManager;

// No window: the documents' views draw offscreen, so that their devices'
// listeners hear of drawings as with a window; it also counts what views
// were asked to do.
class HostHeadlessWindow : public HostWindow {
 public:
  explicit HostHeadlessWindow(HostDocManager& docs) : m_docs(docs) {}

  void* handle() const override { return nullptr; }
  bool isHeadless() const override { return true; }
  void zoomAll(HostDocument* doc) override;
  void regen(int mode) override;
  void updateView(HostDocument* doc) override;
  int appearanceFlag() const override { return 0; }

  int zoomAllCount() const { return m_zoomAlls; }
  int regenCount() const { return m_regens; }
  int lastRegenMode() const { return m_lastRegenMode; }

 private:
  HostDocManager& m_docs;
  int m_zoomAlls = 0;
  int m_regens = 0;
  int m_lastRegenMode = -1;
};
