#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A map from the few short texts a reader meets over and over (record types,
// layer names) to values, looked up by the bytes of the file: open addressing
// in one array kept at most half full, so that a look-up is a hash and mostly
// one comparison, with no division and no list to follow.
template <class Value>
class DxfTextMap {
 public:
  Value* find(std::string_view key) {
    if (m_entries.empty()) return nullptr;
    Entry& e = m_entries[slotOf(key)];
    return e.used ? &e.value : nullptr;
  }
  // The key's value, made default when the key is new.
  Value& operator[](std::string_view key) {
    if (2 * (m_size + 1) > m_entries.size()) grow();
    Entry& e = m_entries[slotOf(key)];
    if (!e.used) {
      e = Entry{std::string(key), Value(), true};
      ++m_size;
    }
    return e.value;
  }

 private:
  struct Entry {
    std::string key;
    Value value{};
    bool used = false;
  };

  // FNV-1a, spread over the index by Fibonacci's multiplier.
  size_t slotOf(std::string_view key) const {
    uint64_t hash = 0xcbf29ce484222325ull;
    for (unsigned char c : key) hash = (hash ^ c) * 0x100000001b3ull;
    size_t mask = m_entries.size() - 1;
    size_t at = static_cast<size_t>((hash * 0x9E3779B97F4A7C15ull) >> m_shift);
    while (m_entries[at].used && m_entries[at].key != key) at = (at + 1) & mask;
    return at;
  }
  void grow() {
    std::vector<Entry> old(m_entries.empty() ? 16 : 2 * m_entries.size());
    old.swap(m_entries);
    m_shift = 64 - static_cast<unsigned>(std::countr_zero(m_entries.size()));
    for (Entry& e : old)
      if (e.used) m_entries[slotOf(e.key)] = std::move(e);
  }

  std::vector<Entry> m_entries;  // a power of two long
  unsigned m_shift = 64;
  size_t m_size = 0;
};
