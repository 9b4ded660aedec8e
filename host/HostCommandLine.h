#pragma once

#include "OdString.h"

#include <vector>

// Hears the lines a command line prints (a window shows them). Not owned.
class HostCommandLineObserver {
 public:
  virtual ~HostCommandLineObserver() = default;
  virtual void linePrinted(const OdString& /*line*/) {}
};

// The text a document (or the application, with no document) shows its
// user: kept line by line, and echoed to standard output when headless.
class HostCommandLine {
 public:
  explicit HostCommandLine(bool echo = false) : m_echo(echo) {}

  void print(const OdString& text);
  // printf-style, as OdString::format (%ls takes an OdString*).
  template <class... Args>
  void printf(const char* fmt, Args... args) { print(OdString::format(fmt, args...)); }

  const std::vector<OdString>& log() const { return m_log; }
  void clearLog() { m_log.clear(); }
  void setEcho(bool echo) { m_echo = echo; }
  // Null for none.
  void setObserver(HostCommandLineObserver* observer) { m_observer = observer; }

 private:
  std::vector<OdString> m_log;
  bool m_echo;
  HostCommandLineObserver* m_observer = nullptr;
};
