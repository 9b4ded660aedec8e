#pragma once

#include "HostWindow.h"

// No window: views only count what was asked of them.
class HostHeadlessWindow : public HostWindow {
 public:
  void* handle() const override { return nullptr; }
  bool isHeadless() const override { return true; }
  void zoomAll(HostDocument*) override { ++m_zoomAlls; }
  void regen(int mode) override {
    ++m_regens;
    m_lastRegenMode = mode;
  }
  int appearanceFlag() const override { return 0; }

  int zoomAllCount() const { return m_zoomAlls; }
  int regenCount() const { return m_regens; }
  int lastRegenMode() const { return m_lastRegenMode; }

 private:
  int m_zoomAlls = 0;
  int m_regens = 0;
  int m_lastRegenMode = -1;
};
