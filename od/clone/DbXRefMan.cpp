#include "DbXRefMan.h"

#include "DbDeepClone.h"
#include "DbSymbolTable.h"
#include "DrawingFile.h"
#include "RxEvent.h"

#include <malloc.h>

#include <filesystem>
#include <map>
#include <utility>

namespace {

using Table = OdDbDatabase::Table;

// The tables whose records an external reference brings, blocks last.
constexpr Table kDependentTables[] = {Table::Layer, Table::Linetype, Table::TextStyle, Table::DimStyle, Table::Block};
constexpr int16_t kDependentFlags = 16 | 32;

OdDbDrawingReader& drawingReader() {
  static OdDbDrawingReader reader;
  return reader;
}

OdDbDatabasePtr readDrawingFile(const OdString& path) {
  if (!std::filesystem::exists(std::filesystem::path(path.utf8())))
    throw OdError(eFileNotFound, "File not found: " + path);
  return odReadDrawingFile(path);
}

// A relative path names a file beside the host drawing when there is one there.
OdString resolvePath(const OdDbDatabase* host, const OdString& path) {
  std::filesystem::path given(path.utf8());
  if (given.is_absolute() || host->getFilename().isEmpty()) return path;
  std::filesystem::path beside = std::filesystem::path(host->getFilename().utf8()).parent_path() / given;
  return std::filesystem::exists(beside) ? OdString(beside.string()) : path;
}

OdDbDatabasePtr readReferencedDrawing(const OdDbDatabase* host, const OdString& pathName, OdDbDatabase* alreadyRead) {
  if (pathName.isEmpty()) throw OdError(eFileNotFound, "The external reference names no file");
  OdString path = resolvePath(host, pathName);
  if (odIsReadFromUnchangedFile(alreadyRead, path)) return OdDbDatabasePtr(alreadyRead);
  OdDbDatabasePtr db = drawingReader() ? drawingReader()(path) : readDrawingFile(path);
  if (!db) throw OdError(eFileNotFound, "File not found: " + path);
  return db;
}

// The drawings loaded for external reference blocks, by host database and
// block; a host's go when it is destroyed.
class LoadedXRefs : public OdRxEventReactor {
 public:
  // Lives for the process: databases may still be destroyed while it ends.
  static LoadedXRefs& instance() {
    static LoadedXRefs* loaded = new LoadedXRefs;
    return *loaded;
  }
  OdDbDatabase* get(const OdDbBlockTableRecord* block) const {
    auto it = m_loaded.find(keyOf(block));
    return it == m_loaded.end() ? nullptr : it->second.get();
  }
  void put(const OdDbBlockTableRecord* block, OdDbDatabasePtr xref) {
    OdDbDatabasePtr previous = std::exchange(m_loaded[keyOf(block)], std::move(xref));
  }
  void drop(const OdDbBlockTableRecord* block) {
    OdDbDatabasePtr dying;  // destroyed after the map no longer holds it
    auto it = m_loaded.find(keyOf(block));
    if (it == m_loaded.end()) return;
    dying = std::move(it->second);
    m_loaded.erase(it);
  }
  void databaseToBeDestroyed(OdDbDatabase* db) override {
    std::vector<OdDbDatabasePtr> dying;
    for (auto it = m_loaded.begin(); it != m_loaded.end();) {
      if (it->first.first != db) {
        ++it;
        continue;
      }
      dying.push_back(std::move(it->second));
      it = m_loaded.erase(it);
    }
  }

 private:
  using Key = std::pair<const OdDbDatabase*, const OdDbStub*>;
  LoadedXRefs() {
    if (OdRxEventPtr event = odrxEvent()) event->addReactor(this);
  }
  static Key keyOf(const OdDbBlockTableRecord* block) { return {block->database(), block->objectId().stub()}; }
  std::map<Key, OdDbDatabasePtr> m_loaded;
};

OdDbDatabase* checkedHost(const OdDbBlockTableRecord* block) {
  if (!block || !block->isDBRO()) throw OdError(eInvalidInput, "No block of a database");
  if (!block->isFromExternalReference())
    throw OdError(eNoXrefDefinitionBlock, "The block " + block->getName() + " is not an external reference");
  return block->database();
}

OdDbIdMappingPtr newMapping(OdDbDatabase* xref, OdDbDatabase* host, OdDb::DuplicateRecordCloning drc,
                            OdDb::DeepCloneType context) {
  OdDbIdMappingPtr mapping = OdDbIdMapping::createObject();
  mapping->setOrigDb(xref);
  mapping->setDestDb(host);
  mapping->setDuplicateRecordCloning(drc);
  mapping->setDeepCloneContext(context);
  return mapping;
}

void setDependent(OdDbObject* clone, bool dependent) {
  if (!clone->isKindOf(OdDbSymbolTableRecord::desc())) return;  // entities and the like, the most of a clone
  auto set = [&](int16_t flags) { return static_cast<int16_t>(dependent ? flags | kDependentFlags : flags & ~kDependentFlags); };
  if (auto* block = dynamic_cast<OdDbBlockTableRecord*>(clone)) block->setBlockFlags(set(block->blockFlags()));
  else if (auto* record = dynamic_cast<OdDbSymbolTableRecord*>(clone)) record->setFlags(set(record->flags()));
}

bool startsWith(const OdString& name, const OdString& prefix) {
  return name.getLength() >= prefix.getLength() && name.left(prefix.getLength()).iCompare(prefix) == 0;
}

// The records of an external reference in the host, named after its block.
class XRefSymbolCloner : public OdDbDeepCloner {
 public:
  XRefSymbolCloner(OdDbIdMapping& mapping, const OdString& blockName) : OdDbDeepCloner(mapping), m_blockName(blockName) {}

  // Brings every layer, linetype, text style, dimension style and named block.
  void cloneDependentSymbols(OdDbDatabase* xref) {
    for (Table t : kDependentTables)
      if (OdDbSymbolTable* table = xref->table(t))
        for (OdDbObjectId id : table->records())
          if (t != Table::Block || isNamedBlock(id)) cloneSymbol(id);
  }

 protected:
  OdString dependentName(const OdString& name) const { return m_blockName + "|" + name; }
  const OdString m_blockName;

 private:
  static bool isNamedBlock(OdDbObjectId id) {
    OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(id.openObject().get());
    return block && !block->isLayout() && !block->getName().isEmpty() && block->getName().units()[0] != u'*' &&
           !isStandardName(Table::Block, block->getName());
  }
};

// Loading: "BLOCK|name" records, replacing those of an earlier load; blocks come empty.
class DependentSymbolCloner : public XRefSymbolCloner {
 public:
  using XRefSymbolCloner::XRefSymbolCloner;

 protected:
  SymbolPlacement placeSymbol(const OdDbSymbolTableRecord* source, Table t) override {
    const OdString& name = source->getName();
    if (name.isEmpty()) return useExisting(OdDbObjectId());
    if (isStandardName(t, name)) return useExisting(destinationRecord(t, name));
    OdString dependent = dependentName(name);
    OdDbObjectId earlier = destinationRecord(t, dependent);
    return earlier.isNull() ? cloneAs(dependent) : cloneOver(earlier, dependent);
  }
  void adjustClone(const OdDbObject*, OdDbObject* clone) override { setDependent(clone, true); }
  bool clonesBlockContents() const override { return false; }
};

// Binding: "BLOCK$N$name" records (or the names themselves when inserting),
// each taking the place of its "BLOCK|name" record.
class BoundSymbolCloner : public XRefSymbolCloner {
 public:
  BoundSymbolCloner(OdDbIdMapping& mapping, const OdString& blockName, bool insertMode)
      : XRefSymbolCloner(mapping, blockName), m_insertMode(insertMode) {}

 protected:
  SymbolPlacement placeSymbol(const OdDbSymbolTableRecord* source, Table t) override {
    const OdString& name = source->getName();
    if (isStandardName(t, name) || name.isEmpty() || (t == Table::Block && name.units()[0] == u'*'))
      return placeByDuplicateRecordCloning(source, t);
    OdDbObjectId dependent = destinationRecord(t, dependentName(name));
    OdString target = name;
    if (m_insertMode) {
      if (OdDbObjectId own = destinationRecord(t, name); !own.isNull()) return useExisting(own);
    } else {
      target = mangledName(t, m_blockName, name);
    }
    return dependent.isNull() ? cloneAs(target) : cloneOver(dependent, target);
  }
  void adjustClone(const OdDbObject*, OdDbObject* clone) override { setDependent(clone, false); }

 private:
  bool m_insertMode;
};

// "BLOCK|name" records nothing took the place of.
void eraseDependents(OdDbDatabase* host, const OdString& blockName) {
  OdString prefix = blockName + "|";
  for (Table t : kDependentTables)
    if (OdDbSymbolTable* table = host->table(t))
      for (OdDbObjectId id : table->records()) {
        OdDbObjectPtr record = id.openObject(OdDb::kForWrite);
        if (record && startsWith(dxf::symbolNameOf(record.get()), prefix)) record->erase();
      }
}

// The loaded references and the bind itself: then the drawing goes when the bind ends.
bool onlyTheBindHolds(const OdDbDatabasePtr& xref) { return xref->numRefs() <= 2; }

// A drawing that went leaves its memory free but scattered through the heap,
// where the process would keep it to the end: it goes back to the system.
void giveFreedMemoryBack() {
#ifdef __GLIBC__
  malloc_trim(0);
#endif
}

OdDbObjectIdArray modelSpaceEntities(OdDbDatabase* db) {
  OdDbBlockTableRecordPtr space = OdDbBlockTableRecord::cast(db->getModelSpaceId().openObject().get());
  return space ? space->entityIds() : OdDbObjectIdArray();
}

}  // namespace

void odDbSetDrawingReader(OdDbDrawingReader reader) { drawingReader() = std::move(reader); }

OdDbBlockTableRecordPtr OdDbXRefManExt::addNewXRefDefBlock(OdDbDatabase* db, const OdString& pathName,
                                                           const OdString& blockName, bool overlaid,
                                                           const OdString& /*password*/, OdDbHandle handle) {
  OdDbSymbolTable* blocks = db ? db->blockTable() : nullptr;
  if (!blocks || blockName.isEmpty() || pathName.isEmpty() || blockName.find(u'|') >= 0 || blocks->has(blockName))
    return OdDbBlockTableRecordPtr();
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::createObject();
  block->setName(blockName);
  block->setPathName(pathName);
  block->setBlockFlags(static_cast<int16_t>(overlaid ? 4 | 8 : 4));
  OdDbObjectId id = db->addOdDbObject(block.get(), blocks->objectId(), handle);
  blocks->attach(id, blockName);
  db->ensureBlockBeginAndEnd(block.get());
  return block;
}

OdResult OdDbXRefMan::load(OdDbBlockTableRecord* block, OdDbDatabase* alreadyRead) {
  OdDbDatabase* host = checkedHost(block);
  OdDbDatabasePtr xref = readReferencedDrawing(host, block->pathName(), alreadyRead);
  OdDbIdMappingPtr mapping = newMapping(xref.get(), host, OdDb::kDrcXrefMangleName, OdDb::kDcSymTableMerge);
  DependentSymbolCloner cloner(*mapping, block->getName());
  cloner.setFiresEvents(false);  // resolving a reference is no clone of the host's
  cloner.cloneDependentSymbols(xref.get());
  cloner.finish();
  block->setBlockFlags(static_cast<int16_t>(block->blockFlags() | 32));
  LoadedXRefs::instance().put(block, xref);
  return eOk;
}

OdResult OdDbXRefMan::setOverlaid(OdDbBlockTableRecord* block, bool overlaid) {
  checkedHost(block);
  int16_t flags = block->blockFlags();
  block->setBlockFlags(static_cast<int16_t>(overlaid ? flags | 8 : flags & ~8));
  return eOk;
}

OdResult OdDbXRefMan::bind(OdDbBlockTableRecord* block, bool insertMode) {
  OdDbDatabase* host = checkedHost(block);
  if (!LoadedXRefs::instance().get(block)) load(block);
  OdDbDatabasePtr xref(LoadedXRefs::instance().get(block));
  OdDbIdMappingPtr mapping = newMapping(xref.get(), host, insertMode ? OdDb::kDrcIgnore : OdDb::kDrcXrefMangleName,
                                        insertMode ? OdDb::kDcXrefInsert : OdDb::kDcXrefBind);
  BoundSymbolCloner cloner(*mapping, block->getName(), insertMode);
  bool drawingGoes = onlyTheBindHolds(xref);
  cloner.setSourceGoes(drawingGoes);
  // A bind brings in nearly every object of the drawing: room for them all at
  // once, rather than tables that double, and hold both sizes, as they fill.
  size_t objects = xref->objectCount();
  mapping->reserve(objects);
  host->reserveHandles(objects);
  cloner.cloneDependentSymbols(xref.get());
  cloner.cloneObjects(modelSpaceEntities(xref.get()), block->objectId());
  cloner.finish();
  block->setBlockFlags(static_cast<int16_t>(block->blockFlags() & ~(4 | 8 | kDependentFlags)));
  block->setPathName(OdString());
  eraseDependents(host, block->getName());
  xref.release();
  LoadedXRefs::instance().drop(block);
  if (drawingGoes) giveFreedMemoryBack();
  return eOk;
}

OdDbDatabase* OdDbXRefMan::xrefDatabase(const OdDbBlockTableRecord* block) {
  return block ? LoadedXRefs::instance().get(block) : nullptr;
}
