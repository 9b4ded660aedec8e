#pragma once

#include <cstddef>
#include <string>

// Writes a large drawing of mixed entities (lines, circles, arcs, polylines,
// texts, block references, points) as ASCII DXF, unless the file exists with
// that many entities already. Answers the file's size in bytes; 0 when it
// cannot be written, or when a file the bench did not make is there: that one
// is someone's drawing and stays as it is.
size_t makeBenchDrawing(const std::string& path, size_t entities, unsigned seed = 1);

// Peak resident memory (bytes) and wall time (seconds) of running work in a child process.
struct ChildRun {
  double seconds = 0;
  size_t peakBytes = 0;
  bool ok = false;
};
template <class Work>
ChildRun runInChild(Work work);

#include "BenchDrawing.inl"
