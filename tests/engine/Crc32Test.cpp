#include "Crc32.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string_view>
#include <vector>

using hostObjectCompare::crc32;

namespace {

uint32_t crcOf(std::string_view text) { return crc32(0, text.data(), text.size()); }

// One bit at a time, straight from the polynomial: nothing shared with the tables.
uint32_t bitwiseCrc32(const uint8_t* data, size_t length) {
  uint32_t c = 0xFFFFFFFFu;
  for (size_t i = 0; i < length; ++i) {
    c ^= data[i];
    for (int bit = 0; bit < 8; ++bit) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
  }
  return ~c;
}

}  // namespace

TEST(Crc32Test, GivesThePublishedCheckValues) {
  EXPECT_EQ(crcOf(""), 0u);
  EXPECT_EQ(crcOf("a"), 0xE8B7BE43u);
  EXPECT_EQ(crcOf("123456789"), 0xCBF43926u);
  EXPECT_EQ(crcOf("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
  const std::vector<uint8_t> zeros(32, 0), ones(32, 0xFF);
  EXPECT_EQ(crc32(0, zeros.data(), zeros.size()), 0x190A55ADu);
  EXPECT_EQ(crc32(0, ones.data(), ones.size()), 0xFF6CAB0Bu);
}

TEST(Crc32Test, ContinuesFromThePreviousValue) {
  const std::string_view text = "The quick brown fox jumps over the lazy dog";
  for (size_t split = 0; split <= text.size(); ++split) {
    uint32_t first = crc32(0, text.data(), split);
    EXPECT_EQ(crc32(first, text.data() + split, text.size() - split), 0x414FA339u) << "split at " << split;
  }
  EXPECT_EQ(crc32(0x12345678u, nullptr, 0), 0x12345678u);
}

TEST(Crc32Test, AgreesWithABitwiseReferenceOnEveryLengthAndAlignment) {
  std::mt19937 random(7);
  std::vector<uint8_t> buffer(4096 + 16);
  for (uint8_t& b : buffer) b = static_cast<uint8_t>(random());
  for (size_t offset = 0; offset < 16; ++offset)
    for (size_t length = 0; length <= 80; ++length)
      ASSERT_EQ(crc32(0, buffer.data() + offset, length), bitwiseCrc32(buffer.data() + offset, length))
          << "offset " << offset << ", length " << length;
  std::uniform_int_distribution<size_t> offsets(0, 15), lengths(0, 4096);
  for (int i = 0; i < 200; ++i) {
    size_t offset = offsets(random), length = lengths(random);
    ASSERT_EQ(crc32(0, buffer.data() + offset, length), bitwiseCrc32(buffer.data() + offset, length))
        << "offset " << offset << ", length " << length;
  }
}
