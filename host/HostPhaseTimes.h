#pragma once

#include <chrono>
#include <cstdio>

// The phases of a long job as whoever asked to see them (dwgcompare
// --timings): each mark prints the wall time since the previous mark, the
// peak memory so far and the memory held now, in megabytes of a million bytes
// as file sizes are given. Marks do nothing until the times are started.
class HostPhaseTimes {
 public:
  void start(std::FILE* out);
  void mark(const char* phase);

 private:
  std::FILE* m_out = nullptr;
  std::chrono::steady_clock::time_point m_last;
};
