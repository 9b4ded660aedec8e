#include "HostPhaseTimes.h"

#include <sys/resource.h>
#include <unistd.h>

#include <fstream>

namespace {

// What the process holds now, beside the peak: memory freed after a phase shows here only.
double residentMegabytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
}

}  // namespace

void HostPhaseTimes::start(std::FILE* out) {
  m_out = out;
  m_last = std::chrono::steady_clock::now();
}

void HostPhaseTimes::mark(const char* phase) {
  if (!m_out) return;
  auto now = std::chrono::steady_clock::now();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::fprintf(m_out, "time: %-26s %8.2f s  peak %6.0f MB  now %6.0f MB\n", phase,
               std::chrono::duration<double>(now - m_last).count(), usage.ru_maxrss * 1024.0 / 1e6, residentMegabytes());
  m_last = now;
}
