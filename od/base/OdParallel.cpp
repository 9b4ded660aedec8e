#include "OdParallel.h"

#include <algorithm>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

void odRunInParallel(size_t parts, const std::function<void(size_t part)>& part) {
  std::vector<std::exception_ptr> failures(parts);
  auto run = [&](size_t index) {
    try {
      part(index);
    } catch (...) {
      failures[index] = std::current_exception();
    }
  };
  std::vector<std::thread> helpers;
  std::vector<size_t> leftOver;
  for (size_t index = 1; index < parts; ++index) {
    try {
      helpers.emplace_back(run, index);
    } catch (const std::system_error&) {
      leftOver.push_back(index);
    }
  }
  if (parts > 0) run(0);
  for (size_t index : leftOver) run(index);
  for (std::thread& helper : helpers) helper.join();
  for (const std::exception_ptr& failure : failures)
    if (failure) std::rethrow_exception(failure);
}

size_t odCoreCount() { return std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 8); }
