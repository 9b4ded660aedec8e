#pragma once

#include "DbIdPair.h"
#include "DbObject.h"
#include "OdHashIndex.h"

#include <vector>

class OdDbIdMappingIter;
using OdDbIdMappingIterPtr = OdSmartPtr<OdDbIdMappingIter>;

namespace OdDb {
// What a clone is made for.
enum DeepCloneType {
  kDcCopy = 0, kDcExplode = 1, kDcBlock = 2, kDcXrefBind = 3, kDcSymTableMerge = 4, kDcInsert = 6,
  kDcWblock = 7, kDcObjects = 8, kDcXrefInsert = 9, kDcInsertCopy = 10, kDcWblkObjects = 11
};
}  // namespace OdDb

// The pairs of ids a clone makes, source id to destination id, in the order
// they were assigned. Made by createObject (reference counted).
class OdDbIdMapping : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdDbIdMapping);

 public:
  OdDbIdMapping();

  // Adds the pair, or replaces the pair of the same key where it stands.
  void assign(const OdDbIdPair& pair);
  // Fills the pair of pair.key(); false when there is none.
  bool compute(OdDbIdPair& pair) const;
  // Removes the pair of the key; false when there was none.
  bool del(const OdDbObjectId& key);
  // Marks the key's pair as having its owner translated, with one look-up; false when there is none.
  bool setOwnerXlated(const OdDbObjectId& key);
  OdDbIdMappingIterPtr newIterator();
  // The number of pairs.
  size_t size() const { return m_index.size(); }
  // Makes room for count more pairs.
  void reserve(size_t count);

  OdDbDatabase* origDb() const { return m_origDb; }
  OdDbDatabase* destDb() const { return m_destDb; }
  void setOrigDb(OdDbDatabase* db) { m_origDb = db; }
  void setDestDb(OdDbDatabase* db) { m_destDb = db; }
  OdDb::DuplicateRecordCloning duplicateRecordCloning() const { return m_drc; }
  void setDuplicateRecordCloning(OdDb::DuplicateRecordCloning drc) { m_drc = drc; }
  OdDb::DeepCloneType deepCloneContext() const { return m_context; }
  void setDeepCloneContext(OdDb::DeepCloneType context) { m_context = context; }

 private:
  friend class OdDbIdMappingIter;
  // A pair and whether it is still mapped; the flag takes the pair's padding.
  struct Slot : OdDbIdPair {
    bool live;
  };
  static_assert(sizeof(Slot) == sizeof(OdDbIdPair), "a mapping holds a million slots");
  static constexpr size_t kNoSlot = ~size_t(0);
  std::vector<Slot> m_slots;  // in order of assignment; deleted pairs stay as dead slots
  // The slot of each key's pair, by the key's stub.
  OdHashIndex<size_t, kNoSlot> m_index{std::bit_width(sizeof(OdDbStub)) - 1};
  OdDbDatabase* m_origDb = nullptr;
  OdDbDatabase* m_destDb = nullptr;
  OdDb::DuplicateRecordCloning m_drc = OdDb::kDrcNotApplicable;
  OdDb::DeepCloneType m_context = OdDb::kDcObjects;
};
using OdDbIdMappingPtr = OdSmartPtr<OdDbIdMapping>;

// Walks the pairs of a mapping in the order they were assigned. Pairs
// assigned while walking are reached too.
class OdDbIdMappingIter : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdDbIdMappingIter);

 public:
  explicit OdDbIdMappingIter(OdDbIdMapping* mapping = nullptr);
  void start();
  bool done() const;
  void next();
  // The pair at the current place; false when done.
  bool getMap(OdDbIdPair& pair) const;

 private:
  void skipDead();
  OdSmartPtr<OdDbIdMapping> m_mapping;
  size_t m_at = 0;
};
