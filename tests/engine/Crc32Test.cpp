#include "Crc32.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using hostObjectCompare::crc32;

namespace {

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
