#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// A map from 64-bit keys to small values (pointers, indices) by open
// addressing with linear probing, kept at most three quarters full: a lookup
// is about one memory access and the map one allocation. Neighbouring keys
// (handles counted up, stubs side by side in memory) share a hash by sixteen
// and take entries side by side, so that looking them up in order touches one
// cache line for several keys; as the groups of sixteen are placed by hash,
// runs of keys that meet in the table cost no more than scattered keys do.
// kNone is the value no key may have: it marks free entries.
template <class Value, Value kNone>
class OdHashIndex {
 public:
  // Keys k and k + (1 << granularity) are neighbours (5 for the addresses of 32-byte records).
  explicit OdHashIndex(unsigned granularity = 0) : m_granularity(granularity) {}

  size_t size() const { return m_size; }

  Value find(uint64_t key) const {
    if (m_size == 0) return kNone;
    return m_entries[entryOf(key)].value;
  }
  // Adds the key with its value unless it is there; answers the key's value
  // and whether it was added.
  std::pair<Value&, bool> insert(uint64_t key, Value value) {
    if (!fits(m_size + 1)) rehash(std::max(kMinEntries, 2 * m_entries.size()));
    Entry& e = m_entries[entryOf(key)];
    if (e.value != kNone) return {e.value, false};
    e = Entry{key, value};
    ++m_size;
    return {e.value, true};
  }
  bool erase(uint64_t key) {
    if (m_size == 0) return false;
    size_t at = entryOf(key);
    if (m_entries[at].value == kNone) return false;
    --m_size;
    // Moves back the entries after the hole that could not be found past it.
    size_t mask = m_entries.size() - 1;
    for (size_t next = (at + 1) & mask; m_entries[next].value != kNone; next = (next + 1) & mask) {
      size_t home = homeOf(m_entries[next].key);
      bool reachable = at <= next ? home > at && home <= next : home > at || home <= next;
      if (reachable) continue;
      m_entries[at] = m_entries[next];
      at = next;
    }
    m_entries[at].value = kNone;
    return true;
  }
  // Makes room for count more keys; at least doubling, so that many small
  // reservations cost no more than growing would.
  void reserve(size_t count) {
    if (fits(m_size + count)) return;
    rehash(std::max({kMinEntries, std::bit_ceil((4 * (m_size + count) + 2) / 3), 2 * m_entries.size()}));
  }

 private:
  struct Entry {
    uint64_t key;
    Value value;
  };
  static constexpr unsigned kRunBits = 4;
  static constexpr size_t kMinEntries = size_t(2) << kRunBits;

  bool fits(size_t keys) const { return 4 * keys <= 3 * m_entries.size(); }

  // Runs of 2^kRunBits neighbouring keys lie side by side from an entry their
  // hash picks among every 2^kRunBits-th: Fibonacci's (times 2^64 / phi, the top bits).
  size_t homeOf(uint64_t key) const {
    uint64_t at = key >> m_granularity;
    uint64_t run = (at >> kRunBits) * 0x9E3779B97F4A7C15ull >> (m_shift + kRunBits);
    return static_cast<size_t>((run << kRunBits) | (at & ((1u << kRunBits) - 1)));
  }
  // The key's entry, or the free one where it would go.
  size_t entryOf(uint64_t key) const {
    size_t mask = m_entries.size() - 1;
    size_t at = homeOf(key);
    while (m_entries[at].value != kNone && m_entries[at].key != key) at = (at + 1) & mask;
    return at;
  }
  void rehash(size_t entries) {
    std::vector<Entry> old(entries, Entry{0, kNone});
    old.swap(m_entries);
    m_shift = 64 - static_cast<unsigned>(std::countr_zero(entries));
    for (const Entry& e : old)
      if (e.value != kNone) m_entries[entryOf(e.key)] = e;
  }

  std::vector<Entry> m_entries;  // a power of two long
  unsigned m_shift = 64;         // 64 less the bits of an entry's index (at most 64 - kRunBits - 1)
  unsigned m_granularity;
  size_t m_size = 0;
};
