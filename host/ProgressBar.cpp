#include "ProgressBar.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

std::atomic<bool> ProgressBar::s_cancelAll{false};
ProgressDisplay* ProgressBar::s_display = nullptr;

ProgressBar::ProgressBar() : m_toTerminal(::isatty(STDERR_FILENO) == 1) {}

ProgressBar::~ProgressBar() { finish(); }

void ProgressBar::start(const OdString& text, int range, int position) {
  m_text = text;
  m_range = std::max(range, 0);
  m_position = std::clamp(position, 0, m_range);
  m_active = true;
  m_drawnPercent = -1;
  if (s_display) s_display->start(m_text, m_range);
  draw();
}

bool ProgressBar::isCancelled() const {
  return m_cancelled || s_cancelAll || (m_active && s_display && s_display->isCancelled());
}

void ProgressBar::step(int count) {
  if (!m_active) return;
  m_position = std::clamp(m_position + count, 0, m_range);
  draw();
}

void ProgressBar::setText(const OdString& text) {
  m_text = text;
  m_drawnPercent = -1;
  if (m_active && s_display) s_display->setText(text);
  draw();
}

void ProgressBar::finish() {
  if (!m_active) return;
  m_active = false;
  if (s_display) s_display->finish();
  if (m_toTerminal) std::fputs("\n", stderr);
}

void ProgressBar::draw() {
  if (!m_active || (!m_toTerminal && !s_display)) return;
  int percent = m_range ? static_cast<int>(100LL * m_position / m_range) : 0;
  // Redrawing only when the percentage moves keeps a million steps cheap.
  if (percent == m_drawnPercent) return;
  m_drawnPercent = percent;
  if (s_display) {
    s_display->setPosition(m_position);
    return;
  }
  std::fprintf(stderr, "\r\033[K%s %3d%%", m_text.utf8().c_str(), percent);
  std::fflush(stderr);
}
