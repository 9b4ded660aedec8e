#pragma once

#include <cstddef>
#include <functional>

// Runs part(0) .. part(parts - 1) at the same time, part 0 on the calling
// thread, and returns when all are done. A part that cannot get a thread of
// its own runs on the calling thread; the first exception a part throws is
// thrown again here, once all are done. Parts may read what they share; each
// writes only its own.
void odRunInParallel(size_t parts, const std::function<void(size_t part)>& part);

// The parts worth making for work that keeps every core busy.
size_t odCoreCount();
