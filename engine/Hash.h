#pragma once

#include <cstdint>
#include <memory>

namespace hostObjectCompare {

// The fingerprint of one object: the CRC-32 of what it writes through the
// fingerprint filer. Objects with equal values count as the same object.
struct Hash {
  uint32_t value = 0;
};
using HashPtr = std::shared_ptr<Hash>;

inline bool operator==(const Hash& a, const Hash& b) { return a.value == b.value; }
inline bool operator<(const Hash& a, const Hash& b) { return a.value < b.value; }

}  // namespace hostObjectCompare
