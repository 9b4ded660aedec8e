#include "Crc32.h"

#include <array>

namespace hostObjectCompare {
namespace {

constexpr uint32_t kPolynomial = 0xEDB88320u;
constexpr size_t kSlices = 16;

using CrcTable = std::array<uint32_t, 256>;

constexpr CrcTable byteTable() {
  CrcTable table{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t c = i;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? (c >> 1) ^ kPolynomial : c >> 1;
    table[i] = c;
  }
  return table;
}

// Table k gives the CRC of a byte followed by k zero bytes, so that sixteen
// bytes combine into one step of sixteen independent look-ups.
constexpr std::array<CrcTable, kSlices> sliceTables() {
  std::array<CrcTable, kSlices> tables{};
  tables[0] = byteTable();
  for (size_t k = 1; k < kSlices; ++k)
    for (size_t i = 0; i < 256; ++i) {
      uint32_t previous = tables[k - 1][i];
      tables[k][i] = (previous >> 8) ^ tables[0][previous & 0xFF];
    }
  return tables;
}

constexpr std::array<CrcTable, kSlices> kTables = sliceTables();

// Little-endian whatever the machine: compilers make it one load where they can.
inline uint32_t loadLittleEndian32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// The look-ups of one word whose last byte is followed by `after` more bytes of the step.
inline uint32_t wordTerm(uint32_t word, size_t after) {
  return (kTables[after + 3][word & 0xFF] ^ kTables[after + 2][(word >> 8) & 0xFF]) ^
         (kTables[after + 1][(word >> 16) & 0xFF] ^ kTables[after][word >> 24]);
}

}  // namespace

uint32_t crc32(uint32_t crc, const void* data, size_t length) {
  const auto* p = static_cast<const uint8_t*>(data);
  uint32_t c = ~crc;
  for (; length >= kSlices; length -= kSlices, p += kSlices) {
    // Only the first word depends on the previous step: the other twelve
    // look-ups go first, so that they overlap with the previous step.
    uint32_t rest = (wordTerm(loadLittleEndian32(p + 4), 8) ^ wordTerm(loadLittleEndian32(p + 8), 4)) ^
                    wordTerm(loadLittleEndian32(p + 12), 0);
    c = rest ^ wordTerm(loadLittleEndian32(p) ^ c, 12);
  }
  for (; length; --length, ++p) c = (c >> 8) ^ kTables[0][(c ^ *p) & 0xFF];
  return ~c;
}

}  // namespace hostObjectCompare
