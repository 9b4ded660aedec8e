#pragma once

#include "DbHandle.h"
#include "DbIdPair.h"
#include "Hash.h"
#include "OdString.h"

#include <cstdint>
#include <map>
#include <memory>

class OdDbDatabase;

namespace dwgcompare {

// One fingerprinted object of a file: its hash and the id pair its clone
// came with (all null when the entry was read back from a saved result).
struct ComparedObject {
  hostObjectCompare::HashPtr hash;
  OdDbIdPair idPair;
};

// The fingerprints of one file, by hash value. Equal values are all kept,
// each new one after those already there.
class ComparedObjectMap {
 public:
  using Entries = std::multimap<uint32_t, ComparedObject>;
  using const_iterator = Entries::const_iterator;

  void insert(const ComparedObject& object) { m_entries.emplace(object.hash->value, object); }
  // The first entry of the value, or null.
  const ComparedObject* find(uint32_t value) const {
    auto found = m_entries.lower_bound(value);
    return found != m_entries.end() && found->first == value ? &found->second : nullptr;
  }
  bool contains(uint32_t value) const { return find(value) != nullptr; }
  size_t size() const { return m_entries.size(); }
  bool empty() const { return m_entries.empty(); }
  void clear() { m_entries.clear(); }
  const_iterator begin() const { return m_entries.begin(); }
  const_iterator end() const { return m_entries.end(); }

 private:
  Entries m_entries;
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
