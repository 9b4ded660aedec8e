#include "CloneTestDrawing.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

TEST(IdMapping, IteratesInOrderOfAssignmentAndSkipsDeletedPairs) {
  CloneTestDrawing a, b;
  OdDbIdMappingPtr mapping = OdDbIdMapping::createObject();
  const OdDbObjectId keys[] = {a.polyline, a.line, a.insert, a.walls};
  const OdDbObjectId values[] = {b.polyline, b.line, b.insert, b.walls};
  for (int i = 0; i < 4; ++i) mapping->assign(OdDbIdPair(keys[i], values[i], true));
  mapping->assign(OdDbIdPair(a.line, b.door, false));  // a key assigned again keeps its place
  EXPECT_TRUE(mapping->del(a.insert));
  EXPECT_FALSE(mapping->del(a.insert));
  std::vector<OdDbIdPair> pairs = pairsOf(*mapping);
  ASSERT_EQ(pairs.size(), 3u);
  EXPECT_EQ(pairs[0].key(), a.polyline);
  EXPECT_EQ(pairs[1].key(), a.line);
  EXPECT_EQ(pairs[1].value(), b.door);
  EXPECT_FALSE(pairs[1].isCloned());
  EXPECT_EQ(pairs[2].key(), a.walls);

  mapping->assign(OdDbIdPair(a.insert, b.insert, true));  // back, now last
  pairs = pairsOf(*mapping);
  ASSERT_EQ(pairs.size(), 4u);
  EXPECT_EQ(pairs[3].key(), a.insert);
}

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
