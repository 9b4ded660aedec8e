#include "HostPhaseTimes.h"

#include <sys/resource.h>

void HostPhaseTimes::start(std::FILE* out) {
  m_out = out;
  m_last = std::chrono::steady_clock::now();
}

void HostPhaseTimes::mark(const char* phase) {
  if (!m_out) return;
  auto now = std::chrono::steady_clock::now();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::fprintf(m_out, "time: %-26s %8.2f s  peak %6.0f MB\n", phase,
               std::chrono::duration<double>(now - m_last).count(), usage.ru_maxrss / 1024.0);
  m_last = now;
}
