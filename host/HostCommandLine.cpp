#include "HostCommandLine.h"

#include <cstdio>
#include <string>

void HostCommandLine::print(const OdString& text) {
  OdString line = text;
  while (!line.isEmpty() && line.units().back() == u'\n') line = line.left(line.getLength() - 1);
  m_log.push_back(line);
  if (m_echo) {
    std::string out = line.utf8() + "\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
  }
  if (m_observer) m_observer->linePrinted(line);
}
