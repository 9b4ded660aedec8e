#include "DbDeepClone.h"

#include "DbBlockTableRecord.h"
#include "DbDictionary.h"
#include "DbGenericObject.h"
#include "DbLayout.h"
#include "DbSymbolTable.h"
#include "DxfGroupRecorder.h"
#include "DxfObjectCopy.h"
#include "RxEvent.h"

#include <algorithm>

namespace {

using Table = OdDbDatabase::Table;
constexpr int kTableCount = static_cast<int>(Table::Count);

bool isOwnerCode(int code) { return code >= 350 && code <= 369; }
bool isHardPointerCode(int code) {
  return (code >= 340 && code <= 349) || (code >= 390 && code <= 399) || code == 480 || code == 481;
}

// The groups of an object that say what it is, leaving out its handle and references.
std::vector<std::pair<int, std::string>> fieldsOf(const OdDbObject* obj) {
  std::vector<std::pair<int, std::string>> fields;
  for (dxf::KeptGroup& g : dxf::recordGroups(obj))
    if (g.code != obj->dxfHandleCode() && g.code != 102 && !dxf::isReferenceCode(g.code))
      fields.emplace_back(g.code, std::move(g.text));
  return fields;
}

template <class Generic>
OdDbObjectPtr genericLike(const Generic* source) {
  OdSmartPtr<Generic> made = Generic::createObject();
  made->setDxfRecordName(source->dxfRecordName());
  if (source->isA()->isDerivedFrom(Generic::desc())) made->setRuntimeClass(source->isA());
  return OdDbObjectPtr(made.get());
}

// The object as a T when its run-time class is T's or derives from it, as T::cast
// answers, without taking a reference: cheaper than a dynamic_cast.
template <class T>
T* as(OdDbObject* obj) {
  return obj && obj->isKindOf(T::desc()) ? static_cast<T*>(obj) : nullptr;
}
template <class T>
const T* as(const OdDbObject* obj) {
  return as<T>(const_cast<OdDbObject*>(obj));
}

// A new, empty object of the source's run-time class; null for a class that cannot be made.
OdDbObjectPtr newObjectLike(const OdDbObject* source) {
  const OdRxClass* cls = source->isA();
  bool modelled = cls->constructor() && !cls->isDerivedFrom(OdDbGenericEntity::desc()) &&
                  !cls->isDerivedFrom(OdDbGenericObject::desc());
  if (modelled) return OdDbObjectPtr::fromObject(cls->create().get());  // the common case, without casts
  if (auto* generic = dynamic_cast<const OdDbGenericEntity*>(source)) return genericLike(generic);
  if (auto* generic = dynamic_cast<const OdDbGenericObject*>(source)) return genericLike(generic);
  OdRxObjectPtr made = source->isA()->create();
  return made ? OdDbObjectPtr::fromObject(made.get()) : OdDbObjectPtr();
}

// A name not yet in the dictionary: the name itself, else name_1, name_2...
OdString freeEntryName(const OdDbDictionary* dict, const OdString& name) {
  OdString candidate = name.isEmpty() ? OdString("*A") : name;
  for (int n = 1; dict->has(candidate); ++n) candidate = name + OdString::format("_%d", n);
  return candidate;
}

void eraseBlockContents(OdDbBlockTableRecord* block) {
  for (OdDbObjectId id : block->entityIds())
    if (OdDbObjectPtr e = id.openObject(OdDb::kForWrite)) e->erase();
  for (OdDbObjectId id : {block->blockBeginId(), block->blockEndId()})
    if (OdDbObjectPtr e = id.openObject(OdDb::kForWrite)) e->erase();
}

}  // namespace

// The copy of a source object into its clone: references are the source's,
// translated through the cloner; strings read back are UTF-8 as recorded.
class OdDbDeepCloner::Context : public dxf::CopyContext {
 public:
  Context(OdDbDeepCloner& cloner, const Work& work, OdDbObjectId sourceOwner)
      : m_cloner(cloner), m_owner(work.owner), m_sourceOwner(sourceOwner.isValid() ? sourceOwner : OdDbObjectId()) {}

  OdString decodeString(std::string_view raw) override { return OdString(raw); }
  OdDbObjectId idFromHandle(std::string_view hex) override {
    return idFromId(m_cloner.m_orig->getOdDbObjectId(OdDbHandle(OdDbHandle::parse(hex))));
  }
  OdDbObjectId idFromId(OdDbObjectId id) override {
    return isSourceOwner(id) ? m_owner : m_cloner.translate(id);
  }
  OdDbObjectId symbolByName(dxf::SymbolTable table, const OdString& name) override {
    return m_cloner.translateSymbolName(table, name);
  }
  OdDbObjectId symbol(dxf::SymbolTable table, OdDbObjectId source, const char* namelessName) override {
    return m_cloner.translateSymbol(table, source, namelessName);
  }
  // Objects that react to the source and are not cloned do not react to the clone.
  OdDbObjectId reactor(OdDbObjectId source) override {
    OdDbObjectId clone = m_cloner.translate(source);
    return !clone.isNull() && isSourceOwner(source) ? m_owner : clone;
  }
  OdDbDatabase* database() override { return m_cloner.m_dest; }
  int version() const override { return 1032; }  // written as the DXF writer writes

 private:
  // The source's owner stands for the owner the clone is given.
  bool isSourceOwner(OdDbObjectId id) const { return !m_owner.isNull() && !id.isNull() && id == m_sourceOwner; }

  OdDbDeepCloner& m_cloner;
  OdDbObjectId m_owner;
  OdDbObjectId m_sourceOwner;
};

OdDbDeepCloner::OdDbDeepCloner(OdDbIdMapping& mapping)
    : m_mapping(mapping), m_references(nullptr, OdDb::kDeepCloneFiler), m_scratch(nullptr, OdDb::kDeepCloneFiler) {}
OdDbDeepCloner::~OdDbDeepCloner() = default;

void OdDbDeepCloner::begin(OdDbDatabase* orig, OdDbDatabase* dest) {
  if (!orig || !dest) throw OdError(eInvalidInput, "A deep clone needs a source and a destination database");
  if ((m_orig && m_orig != orig) || (m_dest && m_dest != dest))
    throw OdError(eInvalidInput, "One deep clone copies from one database into one database");
  m_orig = orig;
  m_dest = dest;
  m_references.setDatabase(orig);
  m_scratch.setDatabase(orig);
  if (m_begun) return;
  m_begun = true;
  m_mapping.setOrigDb(orig);
  m_mapping.setDestDb(dest);
  if (m_firesEvents)
    if (OdRxEventPtr event = odrxEvent()) event->fire_beginDeepClone(dest, m_mapping);
}

void OdDbDeepCloner::cloneObjects(const OdDbObjectIdArray& ids, OdDbObjectId owner) {
  if (ids.empty()) return;
  OdDbDatabase* dest = owner.database() ? owner.database() : m_mapping.destDb();
  begin(ids.front().database(), dest);
  // Room for the objects asked for; what they own or reference comes on top.
  m_mapping.reserve(ids.size());
  m_dest->reserveHandles(ids.size());
  for (OdDbObjectId id : ids) {
    if (id.database() != m_orig) throw OdError(eInvalidInput, "The objects to clone are not all of one database");
    cloneObject(id, owner, true);
  }
}

OdDbObjectId OdDbDeepCloner::cloneObject(OdDbObjectId source, OdDbObjectId owner, bool primary) {
  OdDbIdPair pair(source);
  if (m_mapping.compute(pair)) {
    if (primary && !pair.isPrimary()) {
      pair.setIsPrimary(true);
      m_mapping.assign(pair);
    }
    return pair.value();
  }
  OdDbObjectPtr obj = source.openObject();
  Table t;
  if (!obj) return OdDbObjectId();
  if (tableOfRecord(obj.get(), t)) return cloneSymbol(source, primary);
  OdDbObjectId id;
  if (isMadeWhenFilled(obj.get())) {
    id = m_dest->newObjectId();
  } else {
    OdDbObjectPtr clone = newObjectLike(obj.get());
    if (!clone) return OdDbObjectId();
    id = m_dest->addOdDbObject(clone.get());
  }
  m_mapping.assign(OdDbIdPair(source, id, true, primary, false));
  enqueue(obj, id, Work{source, id, owner, false, primary});
  return id;
}

OdDbObjectId OdDbDeepCloner::cloneSymbol(OdDbObjectId source, bool primary) {
  OdDbIdPair pair(source);
  if (m_mapping.compute(pair)) {
    if (primary && !pair.isPrimary()) {
      pair.setIsPrimary(true);
      m_mapping.assign(pair);
    }
    return pair.value();
  }
  OdDbObjectPtr obj = source.openObject();
  Table t;
  if (!obj || !tableOfRecord(obj.get(), t)) return OdDbObjectId();
  begin(source.database(), m_dest ? m_dest : m_mapping.destDb());
  if (m_orig == m_dest) {
    // Within one database a symbol stands for itself.
    m_mapping.assign(OdDbIdPair(source, source, false, primary, true));
    return source;
  }
  SymbolPlacement place = placeSymbol(static_cast<const OdDbSymbolTableRecord*>(obj.get()), t);
  if (place.action == SymbolPlacement::kUseExisting) {
    if (!place.existing.isNull()) m_mapping.assign(OdDbIdPair(source, place.existing, false, primary, true));
    return place.existing;
  }
  OdDbObjectId id = makeSymbolClone(obj, t, place);
  m_mapping.assign(OdDbIdPair(source, id, true, primary, false));
  m_symbolNames[id.stub()] = place.name;
  enqueue(obj, id, Work{source, id, m_dest->tableId(t), true, primary});
  return id;
}

// The clone of a record, in the destination table under the placement's name
// (reserved now, so that later names see it taken).
OdDbObjectId OdDbDeepCloner::makeSymbolClone(const OdDbObjectPtr& source, Table t, const SymbolPlacement& place) {
  if (!m_dest->table(t)) m_dest->ensureStandardTablesAndBlocks();
  OdDbSymbolTable* table = m_dest->table(t);
  OdDbObjectPtr clone = newObjectLike(source.get());
  if (place.action == SymbolPlacement::kClone) {
    OdDbObjectId id = m_dest->addOdDbObject(clone.get(), table->objectId());
    table->attach(id, place.name);
    return id;
  }
  OdDbObjectPtr old = place.existing.openObject(OdDb::kForWrite);
  OdString oldName = dxf::symbolNameOf(old.get());
  if (auto* block = dynamic_cast<OdDbBlockTableRecord*>(old.get())) eraseBlockContents(block);
  m_dest->replaceObject(place.existing, clone.get());
  clone->setOwnerId(table->objectId());
  table->rename(place.existing, oldName, place.name);
  return place.existing;
}

// Queues the source for filling, and clones what it owns, owned by the clone,
// and the named objects it points to.
void OdDbDeepCloner::enqueue(const OdDbObjectPtr& source, OdDbObjectId clone, Work work) {
  m_references.clear();
  bool customReferences = dxf::writeReferences(source.get(), m_references);
  work.moves = isMadeWhenFilled(source.get()) && !customReferences && source->persistentReactors().empty() &&
               static_cast<const OdDbEntity*>(source.get())->subentityIds().empty();
  std::vector<OdDbObjectId> owned, referenced;
  for (const dxf::Group& g : m_references.groups()) {
    OdDbObjectId id(g.type == dxf::GroupType::Id ? g.stub : nullptr);
    if (id.database() != m_orig) continue;
    if (isOwnerCode(g.code)) owned.push_back(id);
    else if (isHardPointerCode(g.code)) referenced.push_back(id);
  }
  appendOwnedIds(source.get(), owned);
  m_work.push_back(std::move(work));
  for (OdDbObjectId id : owned) cloneObject(id, clone, false);
  for (OdDbObjectId id : referenced) cloneNamedObject(id);
}

void OdDbDeepCloner::cloneNamedObject(OdDbObjectId source) {
  if (m_orig == m_dest || !mapped(source).isNull()) return;
  OdDbObjectPtr obj = source.openObject();
  Table t;
  std::vector<OdString> path;
  if (!obj || tableOfRecord(obj.get(), t) || obj->isKindOf(OdDbLayout::desc()) || !dictionaryPath(obj.get(), path))
    return;
  OdString name = path.back();
  path.pop_back();
  OdDbDictionaryPtr dict = OdDbDictionary::cast(destinationDictionary(path).openObject(OdDb::kForWrite).get());
  if (!dict) return;
  OdDbObjectPtr existing = dict->getAt(name, OdDb::kForRead);
  if (existing && existing->isA() == obj->isA() && fieldsOf(existing.get()) == fieldsOf(obj.get())) {
    m_mapping.assign(OdDbIdPair(source, existing->objectId(), false, false, true));
    return;
  }
  OdDbObjectId clone = cloneObject(source, dict->objectId(), false);
  if (!clone.isNull()) dict->setAt(freeEntryName(dict.get(), name), clone);
}

// The entry names from the named objects dictionary down to the object; false
// when it is not reached from there through dictionaries.
bool OdDbDeepCloner::dictionaryPath(const OdDbObject* obj, std::vector<OdString>& path) const {
  OdDbObjectId root = m_orig->getNamedObjectsDictionaryId();
  OdDbObjectId at = obj->objectId();
  for (int depth = 0; depth < 16 && at != root; ++depth) {
    OdDbObjectPtr current = at.openObject();
    OdDbDictionaryPtr owner = OdDbDictionary::cast(current ? current->ownerId().openObject().get() : nullptr);
    OdString name = owner ? owner->nameAt(at) : OdString();
    if (name.isEmpty()) return false;
    path.insert(path.begin(), name);
    at = owner->objectId();
  }
  return at == root && !path.empty();
}

// The destination's dictionary at the path from its named objects dictionary, made where missing.
OdDbObjectId OdDbDeepCloner::destinationDictionary(const std::vector<OdString>& path) const {
  OdDbObjectId at = m_dest->getNamedObjectsDictionaryId();
  for (const OdString& name : path) {
    OdDbDictionaryPtr dict = OdDbDictionary::cast(at.openObject(OdDb::kForWrite).get());
    if (!dict) return OdDbObjectId();
    at = dict->getAt(name);
    if (at.isNull()) at = dict->setAt(name, OdDbDictionary::createObject().get());
  }
  return at;
}

// What the source owns besides what its groups say it owns: sub-entities, a block's entities.
void OdDbDeepCloner::appendOwnedIds(const OdDbObject* source, std::vector<OdDbObjectId>& ids) const {
  if (auto* entity = as<OdDbEntity>(source)) {
    std::vector<OdDbObjectId> subentities = entity->subentityIds();
    ids.insert(ids.end(), subentities.begin(), subentities.end());
  }
  auto* block = as<OdDbBlockTableRecord>(source);
  if (block && clonesBlockContents()) {
    ids.push_back(block->blockBeginId());
    ids.push_back(block->blockEndId());
    ids.insert(ids.end(), block->entityIds().begin(), block->entityIds().end());
  }
}

void OdDbDeepCloner::finish() {
  // Filling may bring more symbols in; they are filled in the same pass.
  while (m_filled < m_work.size()) fill(m_work[m_filled++]);
  m_work.clear();
  m_symbolNames.clear();
  m_filled = 0;
  m_references.clear();
  m_scratch.clear();
  for (auto& symbols : m_symbols) symbols.clear();
  if (!m_begun) return;
  m_begun = false;
  if (m_firesEvents)
    if (OdRxEventPtr event = odrxEvent()) event->fire_endDeepClone(m_mapping);
}

// Entities of a source that goes: each moves, or its clone is made as the
// entity before it goes, so that the two do not take memory at once.
bool OdDbDeepCloner::isMadeWhenFilled(const OdDbObject* source) const {
  return m_sourceGoes && as<OdDbEntity>(source) && source->isA()->constructor();
}

// A clone made when filled, or before when what owns it needs it.
void OdDbDeepCloner::makeClone(OdDbObjectId clone, OdDbObjectId source) {
  if (!clone.stub() || clone.stub()->object) return;
  OdDbObjectPtr from = source.openObject(OdDb::kForRead, true);
  if (OdDbObjectPtr made = from ? newObjectLike(from.get()) : OdDbObjectPtr()) m_dest->attachObject(clone, made.get());
}

void OdDbDeepCloner::fill(Work& work) {
  if (work.moves && !work.clone.stub()->object) return move(work);  // unless an owner needed its clone made
  makeClone(work.clone, work.source);
  OdDbObjectPtr source = work.source.openObject(OdDb::kForRead, true);
  OdDbObjectPtr clone = work.clone.openObject(OdDb::kForWrite, true);
  if (!source || !clone) return;
  Context context(*this, work, source->ownerId());
  dxf::copyObject(source.get(), clone.get(), context, m_scratch);
  placeClone(work, source.get(), clone.get());
  adjustClone(source.get(), clone.get());
  if (m_sourceGoes && as<OdDbEntity>(source.get())) {
    source.release();
    m_orig->releaseObject(work.source);
  }
}

// The source becomes its own clone: what it references is translated while it
// is still the source's, then the destination files it under the clone's id.
void OdDbDeepCloner::move(const Work& work) {
  OdDbObjectPtr object = work.source.openObject(OdDb::kForWrite, true);
  if (!object) return;
  Context context(*this, work, object->ownerId());
  dxf::translateInPlace(object.get(), context, m_scratch);
  m_orig->releaseObject(work.source);
  m_dest->attachObject(work.clone, object.get());
  placeClone(work, object.get(), object.get());
  adjustClone(object.get(), object.get());
}

void OdDbDeepCloner::placeClone(const Work& work, const OdDbObject* source, OdDbObject* clone) {
  clone->setOwnerId(work.owner.isNull() ? translate(source->ownerId()) : work.owner);
  m_mapping.setOwnerXlated(work.source);
  if (work.isSymbol) placeSymbolClone(work, source, clone);
  placeSubentities(source, clone);
  if (work.primary && !work.isSymbol) attachToOwner(work, source, clone);
  auto* entity = as<OdDbEntity>(clone);
  if (entity && entity->layerId().isNull()) entity->setLayer(m_dest->layerZeroId());
}

void OdDbDeepCloner::placeSymbolClone(const Work& work, const OdDbObject* source, OdDbObject* clone) {
  static_cast<OdDbSymbolTableRecord*>(clone)->setName(m_symbolNames[work.clone.stub()]);
  if (auto* block = as<OdDbBlockTableRecord>(clone))
    placeBlockContents(static_cast<const OdDbBlockTableRecord*>(source), block);
}

// What a block keeps outside its fields: the values of its BLOCK record and its entities.
void OdDbDeepCloner::placeBlockContents(const OdDbBlockTableRecord* source, OdDbBlockTableRecord* clone) {
  clone->setOrigin(source->origin());
  clone->setBlockFlags(source->blockFlags());
  clone->setPathName(source->pathName());
  clone->setComments(source->comments());
  if (clonesBlockContents()) {
    clone->setBlockBeginId(mapped(source->blockBeginId()));
    clone->setBlockEndId(mapped(source->blockEndId()));
    for (OdDbObjectId id : source->entityIds())
      if (OdDbObjectId entity = mapped(id); !entity.isNull()) clone->attachEntity(entity);
  }
  m_dest->ensureBlockBeginAndEnd(clone);
}

void OdDbDeepCloner::placeSubentities(const OdDbObject* source, OdDbObject* clone) {
  auto* entity = as<OdDbEntity>(source);
  if (!entity) return;
  for (OdDbObjectId id : entity->subentityIds())
    if (OdDbObjectId sub = mapped(id); !sub.isNull()) {
      makeClone(sub, id);  // the owner looks at what it is given
      static_cast<OdDbEntity*>(clone)->appendSubentity(sub);
    }
}

// An object asked for joins its new owner: a block's entities, or a dictionary
// under the name it had in its own.
void OdDbDeepCloner::attachToOwner(const Work& work, const OdDbObject* source, OdDbObject* clone) {
  OdDbObjectPtr owner = work.owner.openObject(OdDb::kForWrite);
  if (auto* block = as<OdDbBlockTableRecord>(owner.get())) {
    if (clone->isKindOf(OdDbEntity::desc())) block->attachEntity(work.clone);
  } else if (auto* dict = as<OdDbDictionary>(owner.get())) {
    OdDbDictionaryPtr sourceOwner = OdDbDictionary::cast(source->ownerId().openObject().get());
    OdString name = sourceOwner ? sourceOwner->nameAt(work.source) : OdString();
    dict->setAt(freeEntryName(dict, name), work.clone);
  }
}

// ---- translation of references

OdDbObjectId OdDbDeepCloner::translate(OdDbObjectId source) {
  if (source.isNull()) return source;
  if (source.database() != m_orig) return source.database() == m_dest && source.isValid() ? source : OdDbObjectId();
  if (OdDbObjectId clone = mapped(source); !clone.isNull()) return clone;
  OdDbObjectPtr obj = source.openObject();
  Table t;
  if (!obj) return OdDbObjectId();
  if (tableOfRecord(obj.get(), t)) return cloneSymbol(source);
  for (int i = 0; i < kTableCount; ++i)
    if (m_orig->tableId(static_cast<Table>(i)) == source) return m_dest->tableId(static_cast<Table>(i));
  if (source == m_orig->getNamedObjectsDictionaryId()) return m_dest->getNamedObjectsDictionaryId();
  return m_orig == m_dest ? source : OdDbObjectId();
}

OdDbObjectId OdDbDeepCloner::translateSymbolName(dxf::SymbolTable table, const OdString& name) {
  Table t = OdDbDatabase::tableOf(table);
  OdDbSymbolTable* sourceTable = m_orig->table(t);
  OdDbObjectId source = sourceTable ? sourceTable->getAt(name) : OdDbObjectId();
  return source.isNull() ? destinationRecord(t, name) : cloneSymbol(source);
}

// What writing the record's name and reading it back gives; settled answers
// for records of the source are kept.
OdDbObjectId OdDbDeepCloner::translateSymbol(dxf::SymbolTable table, OdDbObjectId source, const char* namelessName) {
  auto& settled = m_symbols[static_cast<int>(table)];
  if (source.isValid())
    if (auto it = settled.find(source.stub()); it != settled.end()) return it->second;
  OdDbObjectPtr record = source.openObject(OdDb::kForRead, true);
  OdString name = dxf::symbolNameOf(record.get());
  OdDbObjectId id = translateSymbolName(table, name.isEmpty() ? OdString(namelessName) : name);
  // Settled once the mapping holds the record the name finds (deleted pairs aside).
  OdDbSymbolTable* sourceTable = m_orig->table(OdDbDatabase::tableOf(table));
  if (source.isValid() && sourceTable && sourceTable->getAt(name) == source && !mapped(source).isNull())
    settled.emplace(source.stub(), id);
  return id;
}

OdDbObjectId OdDbDeepCloner::mapped(OdDbObjectId source) const {
  OdDbIdPair pair(source);
  return m_mapping.compute(pair) ? pair.value() : OdDbObjectId();
}

// Records go by class: some files give records the owner of another table.
bool OdDbDeepCloner::tableOfRecord(const OdDbObject* record, Table& t) const {
  if (!record->isKindOf(OdDbSymbolTableRecord::desc())) return false;
  for (int i = 0; i < kTableCount; ++i)
    if (record->isKindOf(OdDbDatabase::recordClassOf(static_cast<Table>(i)))) {
      t = static_cast<Table>(i);
      return true;
    }
  return false;
}

// ---- placement of symbols

OdDbDeepCloner::SymbolPlacement OdDbDeepCloner::placeSymbol(const OdDbSymbolTableRecord* source, Table t) {
  return placeByDuplicateRecordCloning(source, t);
}

OdDbDeepCloner::SymbolPlacement OdDbDeepCloner::placeByDuplicateRecordCloning(const OdDbSymbolTableRecord* source,
                                                                              Table t) {
  const OdString& name = source->getName();
  if (isStandardName(t, name)) return useExisting(destinationRecord(t, name));
  if (name.isEmpty()) return cloneAs(name);
  if (t == Table::Block && name.units()[0] == u'*') return cloneAs(anonymousName(name));
  OdDbObjectId existing = destinationRecord(t, name);
  switch (m_mapping.duplicateRecordCloning()) {
    case OdDb::kDrcReplace: return existing.isNull() ? cloneAs(name) : cloneOver(existing, name);
    case OdDb::kDrcXrefMangleName: return cloneAs(mangledName(t, OdString(), name));
    case OdDb::kDrcMangleName: return existing.isNull() ? cloneAs(name) : cloneAs(mangledName(t, OdString(), name));
    default: return existing.isNull() ? cloneAs(name) : useExisting(existing);
  }
}

bool OdDbDeepCloner::isStandardName(Table t, const OdString& name) {
  auto is = [&](const char* standard) { return name.iCompare(OdString(standard)) == 0; };
  switch (t) {
    case Table::Layer: return is("0");
    case Table::Linetype: return is("ByLayer") || is("ByBlock") || is("Continuous");
    case Table::Block: {
      // Layout blocks, and those of old files named with a $.
      OdString upper = name.upper();
      return is("*Model_Space") || is("$Model_Space") || upper.find(OdString("*PAPER_SPACE")) == 0 ||
             upper.find(OdString("$PAPER_SPACE")) == 0;
    }
    default: return false;
  }
}

OdDbObjectId OdDbDeepCloner::destinationRecord(Table t, const OdString& name) const {
  OdDbSymbolTable* table = m_dest ? m_dest->table(t) : nullptr;
  return table ? table->getAt(name) : OdDbObjectId();
}

OdString OdDbDeepCloner::mangledName(Table t, const OdString& prefix, const OdString& name) const {
  for (int n = 0;; ++n) {
    OdString candidate = prefix + OdString::format("$%d$", n) + name;
    if (destinationRecord(t, candidate).isNull()) return candidate;
  }
}

OdString OdDbDeepCloner::anonymousName(const OdString& name) {
  int letters = 1;
  while (letters < name.getLength() && !(name.units()[letters] >= u'0' && name.units()[letters] <= u'9')) ++letters;
  OdString prefix = name.left(letters);
  int& next = m_anonymousNext[prefix.upper()];
  next = std::max(next, 1);
  while (!destinationRecord(Table::Block, prefix + OdString::format("%d", next)).isNull()) ++next;
  return prefix + OdString::format("%d", next++);
}

// ---- the database's entry point

void OdDbDatabase::deepCloneObjects(const OdDbObjectIdArray& ids, OdDbObjectId owner, OdDbIdMapping& mapping) {
  for (OdDbObjectId id : ids)
    if (id.database() != this) throw OdError(eInvalidInput, "The objects to clone are not of this database");
  OdDbDeepCloner cloner(mapping);
  cloner.cloneObjects(ids, owner);
  cloner.finish();
}
