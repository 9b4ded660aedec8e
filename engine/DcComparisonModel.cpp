#include "DcComparisonModel.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace dwgcompare {

namespace {
constexpr uint64_t kPlaceMask = 0xFFFFFFFFu;

// A value and the place its entry has: sorted, equal values keep their order.
uint64_t keyOf(uint32_t value, size_t place) { return uint64_t(value) << 32 | place; }
size_t placeIn(uint64_t key) { return static_cast<size_t>(key & kPlaceMask); }
void markInPlace(uint64_t& key, size_t place) { key = (key & ~kPlaceMask) | place; }
}  // namespace

// By value, equal values in the order they came. The values and places alone
// are sorted, a sixth of the entries' bytes, and each entry is then moved
// once, cycle by cycle, to its place: a stable sort of the entries themselves
// would take a buffer as large as the map and copy it over many passes.
void ComparedObjectMap::sortEntries() const {
  size_t count = m_entries.size();
  if (count > std::numeric_limits<uint32_t>::max()) {
    std::stable_sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) { return a.first < b.first; });
    return;
  }
  std::vector<uint64_t> keys(count);
  for (size_t place = 0; place < count; ++place) keys[place] = keyOf(m_entries[place].first, place);
  std::sort(keys.begin(), keys.end());
  // keys[place] now tells where the entry that belongs at place is.
  for (size_t start = 0; start < count; ++start) {
    size_t from = placeIn(keys[start]);
    if (from == start) continue;  // in its place already, or moved there
    Entry held = std::move(m_entries[start]);
    size_t to = start;
    while (from != start) {
      m_entries[to] = std::move(m_entries[from]);
      markInPlace(keys[to], to);
      to = from;
      from = placeIn(keys[to]);
    }
    m_entries[to] = std::move(held);
    markInPlace(keys[to], to);
  }
}

}  // namespace dwgcompare
