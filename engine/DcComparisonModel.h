#pragma once

#include "DbHandle.h"
#include "DbIdPair.h"
#include "Hash.h"
#include "OdString.h"

#include <cstdint>
#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

class OdDbDatabase;

namespace dwgcompare {

// One fingerprinted object of a file: its hash and the id pair its clone
// came with (all null when the entry was read back from a saved result).
struct ComparedObject {
  hostObjectCompare::HashPtr hash;
  OdDbIdPair idPair;
};

// The fingerprints of one file, by hash value. Equal values are all kept,
// each new one after those already there. Entries are appended and sorted
// once, when first looked up: a file's fingerprints come all at once.
class ComparedObjectMap {
 public:
  using Entry = std::pair<uint32_t, ComparedObject>;
  using Entries = std::vector<Entry>;
  using const_iterator = Entries::const_iterator;

  void insert(const ComparedObject& object) {
    uint32_t value = object.hash->value;
    if (!m_entries.empty() && value < m_entries.back().first) m_sorted = false;
    m_entries.emplace_back(value, object);
    m_values.clear();
  }
  // The first entry of the value, or null.
  const ComparedObject* find(uint32_t value) const {
    sort();
    auto found = std::lower_bound(m_entries.begin(), m_entries.end(), value,
                                  [](const Entry& entry, uint32_t v) { return entry.first < v; });
    return found != m_entries.end() && found->first == value ? &found->second : nullptr;
  }
  // Asked for every entity drawn: a look-up in a table of the values alone
  // costs a cache miss or two, a binary search over the entries about twenty.
  bool contains(uint32_t value) const {
    if (value == kNoValue) return find(value) != nullptr;
    if (m_values.empty()) indexValues();
    for (size_t slot = slotOf(value);; slot = (slot + 1) & (m_values.size() - 1)) {
      if (m_values[slot] == value) return true;
      if (m_values[slot] == kNoValue) return false;
    }
  }
  // Room for count more entries: a file's fingerprints come all at once, and
  // a vector that doubles past a million of them holds both copies a moment.
  void reserve(size_t count) { m_entries.reserve(m_entries.size() + count); }
  // Sorts and indexes the entries now, as the first look-ups would: threads
  // may then read the map together.
  void prepareForReaders() const {
    sort();
    if (m_values.empty()) indexValues();
  }
  size_t size() const { return m_entries.size(); }
  bool empty() const { return m_entries.empty(); }
  void clear() {
    m_entries.clear();
    m_values.clear();
    m_sorted = true;
  }
  const_iterator begin() const {
    sort();
    return m_entries.begin();
  }
  const_iterator end() const {
    sort();
    return m_entries.end();
  }

 private:
  void sort() const {
    if (m_sorted) return;
    sortEntries();
    m_sorted = true;
  }
  void sortEntries() const;

  static constexpr uint32_t kNoValue = 0;  // marks a free slot; the value itself is looked up in the entries
  size_t slotOf(uint32_t value) const { return (value * 2654435761u) >> m_shift; }
  void indexValues() const {
    int bits = 4;  // at most two thirds full: a look-up probes a slot or two of one cache line
    while (2 * (size_t(1) << bits) < 3 * m_entries.size()) ++bits;
    m_shift = 32 - bits;
    m_values.assign(size_t(1) << bits, kNoValue);
    for (const Entry& entry : m_entries) {
      if (entry.first == kNoValue) continue;
      size_t slot = slotOf(entry.first);
      while (m_values[slot] != kNoValue && m_values[slot] != entry.first) slot = (slot + 1) & (m_values.size() - 1);
      m_values[slot] = entry.first;
    }
  }

  mutable Entries m_entries;
  mutable bool m_sorted = true;
  mutable std::vector<uint32_t> m_values;  // open addressing, empty until first asked
  mutable int m_shift = 0;
};

// Where an object of the result drawing belongs, read off the two maps.
enum class ObjectState : int { None = 0, File1Only = 1, File2Only = 2, Shared = 3 };

inline ObjectState objectState(uint32_t value, const ComparedObjectMap& file1Objects,
                               const ComparedObjectMap& file2Objects) {
  bool inFile1 = file1Objects.contains(value);
  bool inFile2 = file2Objects.contains(value);
  if (inFile1 && inFile2) return ObjectState::Shared;
  if (inFile1) return ObjectState::File1Only;
  return inFile2 ? ObjectState::File2Only : ObjectState::None;
}

// How many objects fall in each group: File 1's entries not in File 2's
// map, File 2's entries not in File 1's, and File 1's entries found in File 2's.
struct GroupCounts {
  size_t file1Only = 0;
  size_t file2Only = 0;
  size_t shared = 0;
};

// What the display paints a result drawing by. The maps are the comparison's,
// read in place: their owner has the display let go of them before they go.
struct DcDisplayContext {
  const ComparedObjectMap* file1Objects = nullptr;
  const ComparedObjectMap* file2Objects = nullptr;
  OdDbHandle file1Block;
  OdDbHandle file2Block;
  OdDbDatabase* result = nullptr;
  bool restored = false;  // read back from a saved result drawing
};

// The identity of one compared file, as the user sees it.
struct FileInfo {
  OdString path;
  OdString fileName;
  OdString savedBy;
  OdString dateSaved;
};
using FileInfoPtr = std::shared_ptr<FileInfo>;

}  // namespace dwgcompare
