#pragma once

#include "OdString.h"

#include <atomic>

// Where a window shows progress, with a way for the user to cancel.
class ProgressDisplay {
 public:
  virtual ~ProgressDisplay() = default;
  virtual void start(const OdString& text, int range) = 0;
  virtual void setPosition(int position) = 0;
  virtual void setText(const OdString& text) = 0;
  virtual void finish() = 0;
  virtual bool isCancelled() const = 0;
};

// Progress of a long operation: shown by the window's display when there is
// one, else drawn on standard error when that is a terminal and silent
// otherwise (scripts, tests, redirected output).
class ProgressBar {
 public:
  ProgressBar();
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  void start(const OdString& text, int range, int position = 0);
  void step(int count = 1);
  void setText(const OdString& text);
  // Ends the line drawn on the terminal.
  void finish();

  int position() const { return m_position; }
  int range() const { return m_range; }
  bool isActive() const { return m_active; }

  // Whether the user asked to stop: this bar's flag, the one for every bar,
  // or the display's Cancel button.
  bool isCancelled() const;
  void setCancelled(bool cancelled) { m_cancelled = cancelled; }
  // Cancels every bar (how a test stops an operation it cannot reach).
  static void setCancelAll(bool cancelled) { s_cancelAll = cancelled; }
  // The window's display, or null; not owned.
  static void setDisplay(ProgressDisplay* display) { s_display = display; }
  static ProgressDisplay* display() { return s_display; }

 private:
  void draw();

  OdString m_text;
  int m_range = 0;
  int m_position = 0;
  int m_drawnPercent = -1;
  bool m_active = false;
  bool m_cancelled = false;
  bool m_toTerminal;
  static std::atomic<bool> s_cancelAll;
  static ProgressDisplay* s_display;
};
