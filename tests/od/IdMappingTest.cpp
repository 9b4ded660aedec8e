#include "CloneTestDrawing.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

TEST(IdMapping, ManyPairsKeepTheirOrderThroughDeletionsAndReservations) {
  std::deque<OdDbStub> stubs(5000);
  auto id = [&](size_t i) { return OdDbObjectId(&stubs[i]); };
  OdDbIdMappingPtr mapping = OdDbIdMapping::createObject();
  mapping->reserve(100);
  for (size_t i = 0; i < 4000; ++i) mapping->assign(OdDbIdPair(id(i), id(4999 - i), true));
  for (size_t i = 0; i < 4000; i += 2) EXPECT_TRUE(mapping->del(id(i)));
  mapping->reserve(1000);
  for (size_t i = 4000; i < 5000; ++i) mapping->assign(OdDbIdPair(id(i), id(i), false));
  EXPECT_EQ(mapping->size(), 3000u);
  std::vector<OdDbIdPair> pairs = pairsOf(*mapping);
  ASSERT_EQ(pairs.size(), 3000u);
  for (size_t k = 0; k < 2000; ++k) {
    EXPECT_EQ(pairs[k].key(), id(2 * k + 1));
    EXPECT_EQ(pairs[k].value(), id(4998 - 2 * k));
  }
  EXPECT_EQ(pairs[2000].key(), id(4000));
  for (size_t i = 0; i < 5000; ++i) {
    OdDbIdPair pair(id(i));
    EXPECT_EQ(mapping->compute(pair), i % 2 == 1 || i >= 4000) << i;
  }
}

}  // namespace
