#include "DcComparisonModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

using namespace dwgcompare;

namespace {

// The values of a file's fingerprints as they are inserted: unsorted, few
// values over many entries, sorted already, backwards.
std::vector<std::vector<uint32_t>> insertionOrders() {
  std::mt19937 random(7);
  std::vector<uint32_t> fewValues(5000), manyValues(5000);
  for (uint32_t& value : fewValues) value = random() % 40;
  for (uint32_t& value : manyValues) value = static_cast<uint32_t>(random());
  std::vector<uint32_t> ascending(300), descending(300);
  for (uint32_t i = 0; i < 300; ++i) ascending[i] = i / 3, descending[i] = 1000 - i / 3;
  return {{}, {9}, {4, 4, 0, 4}, fewValues, manyValues, ascending, descending};
}

TEST(DcComparisonModelTest, EntriesGoByValueAndEqualValuesStayInTheOrderTheyCame) {
  for (const std::vector<uint32_t>& values : insertionOrders()) {
    ComparedObjectMap map;
    std::vector<ComparedObject> inserted;
    for (uint32_t value : values) {
      inserted.push_back({std::make_shared<hostObjectCompare::Hash>(hostObjectCompare::Hash{value}), OdDbIdPair()});
      map.insert(inserted.back());
    }
    std::vector<ComparedObject> expected = inserted;
    std::stable_sort(expected.begin(), expected.end(),
                     [](const ComparedObject& a, const ComparedObject& b) { return a.hash->value < b.hash->value; });
    ASSERT_EQ(map.size(), expected.size());
    size_t at = 0;
    for (const auto& [value, object] : map) {
      EXPECT_EQ(value, object.hash->value);
      EXPECT_EQ(object.hash, expected[at++].hash) << "entry " << at - 1 << " of " << values.size();
    }
    for (const ComparedObject& object : inserted) {
      auto first = std::find_if(expected.begin(), expected.end(),
                                [&](const ComparedObject& e) { return e.hash->value == object.hash->value; });
      EXPECT_EQ(map.find(object.hash->value)->hash, first->hash) << "a look-up finds the first of its value";
      EXPECT_TRUE(map.contains(object.hash->value));
    }
  }
}

}  // namespace
