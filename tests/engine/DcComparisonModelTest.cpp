#include "DcComparisonModel.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using dwgcompare::ComparedObject;
using dwgcompare::ComparedObjectMap;

ComparedObject withValue(uint32_t value) {
  return ComparedObject{std::make_shared<hostObjectCompare::Hash>(hostObjectCompare::Hash{value}), OdDbIdPair()};
}

// Values that crowd the table's slots and its edges, and the value 0, which the table cannot hold itself.
TEST(ComparedObjectMap, ContainsExactlyTheValuesInserted) {
  for (bool withZero : {false, true}) {
    ComparedObjectMap map;
    std::set<uint32_t> inserted;
    for (uint32_t i = 1; i < 3000; i += 3) inserted.insert({i, i << 20, 0xFFFFFFFFu - i});
    if (withZero) inserted.insert(0);
    for (uint32_t value : inserted) map.insert(withValue(value));
    EXPECT_TRUE(map.contains(1));  // indexed now; a later insert must be found too
    map.insert(withValue(5));
    inserted.insert(5);
    for (uint32_t probe = 0; probe < 3100; ++probe)
      for (uint32_t value : {probe, probe << 20, 0xFFFFFFFFu - probe})
        EXPECT_EQ(map.contains(value), inserted.count(value) == 1) << value << (withZero ? " with 0" : "");
  }
}

}  // namespace
