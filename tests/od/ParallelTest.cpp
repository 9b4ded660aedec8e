#include "OdParallel.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>
#include <vector>

namespace {

TEST(ParallelTest, EveryPartRunsOnceAndAFailureComesBackAfterAllAreDone) {
  for (size_t parts : {size_t(1), size_t(2), size_t(5)}) {
    std::vector<int> runs(parts, 0);
    std::vector<std::thread::id> threads(parts);
    odRunInParallel(parts, [&](size_t part) {
      ++runs[part];
      threads[part] = std::this_thread::get_id();
    });
    EXPECT_EQ(runs, std::vector<int>(parts, 1)) << parts << " parts";
    EXPECT_EQ(threads[0], std::this_thread::get_id()) << "part 0 runs on the calling thread";

    std::vector<int> done(parts, 0);
    EXPECT_THROW(odRunInParallel(parts,
                                 [&](size_t part) {
                                   done[part] = 1;
                                   if (part == parts - 1) throw std::runtime_error("last part failed");
                                 }),
                 std::runtime_error);
    EXPECT_EQ(done, std::vector<int>(parts, 1)) << "a failure stops no other part";
  }
}

}  // namespace
