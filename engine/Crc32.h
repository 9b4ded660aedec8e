#pragma once

#include <cstddef>
#include <cstdint>

namespace hostObjectCompare {

// The CRC-32 of IEEE 802.3 and zlib (reflected polynomial 0xEDB88320), continued
// from crc, the value of the bytes before these (0 for none): the same values
// as zlib's crc32. Sixteen bytes per step through sixteen tables.
uint32_t crc32(uint32_t crc, const void* data, size_t length);

}  // namespace hostObjectCompare
