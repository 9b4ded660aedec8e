#include "OdHashIndex.h"

#include <gtest/gtest.h>

#include <random>
#include <unordered_map>

namespace {

using Index = OdHashIndex<size_t, ~size_t(0)>;

// Inserts, finds and erases keys as an unordered_map does, checking every key after each round.
void checkAgainstAMap(const std::vector<uint64_t>& keys, unsigned granularity) {
  Index index(granularity);
  std::unordered_map<uint64_t, size_t> expected;
  auto checkAll = [&] {
    ASSERT_EQ(index.size(), expected.size());
    for (uint64_t key : keys) {
      auto it = expected.find(key);
      ASSERT_EQ(index.find(key), it == expected.end() ? ~size_t(0) : it->second) << key;
    }
  };
  for (size_t i = 0; i < keys.size(); ++i) {
    auto [value, added] = index.insert(keys[i], i);
    auto [it, expectedAdded] = expected.emplace(keys[i], i);
    ASSERT_EQ(added, expectedAdded);
    ASSERT_EQ(value, it->second);
  }
  checkAll();
  for (size_t i = 0; i < keys.size(); i += 3) ASSERT_EQ(index.erase(keys[i]), expected.erase(keys[i]) == 1);
  checkAll();
  for (size_t i = 0; i < keys.size(); i += 2) {
    index.insert(keys[i], i + 1);
    expected.emplace(keys[i], i + 1);
  }
  checkAll();
  for (uint64_t key : keys) index.erase(key);
  EXPECT_EQ(index.size(), 0u);
  for (uint64_t key : keys) ASSERT_EQ(index.find(key), ~size_t(0));
}

TEST(HashIndex, MapsKeysInRunsAtRandomAndFarApart) {
  std::vector<uint64_t> keys;
  for (uint64_t k = 1; k <= 3000; ++k) keys.push_back(k);                       // handles counted up
  for (uint64_t k = 0; k < 3000; ++k) keys.push_back(0x7f0000001000 + 32 * k);  // stubs side by side
  std::mt19937_64 random(7);
  for (int i = 0; i < 3000; ++i) keys.push_back(random());
  keys.push_back(0);
  keys.push_back(~uint64_t(0));
  checkAgainstAMap(keys, 0);
  checkAgainstAMap(keys, 5);
}

}  // namespace
