#include "DbDatabase.h"

#include "DbBlockTableRecord.h"
#include "DbDictionary.h"
#include "DbLayout.h"
#include "DbSymbolTable.h"
#include "RxEvent.h"
#include "GsModel.h"

ODRX_DEFINE_NAMED(OdDbDatabase, "AcDbDatabase", OdRxObject, "", odrxNewImpl<OdDbDatabase>)

OdDbDatabase::OdDbDatabase() = default;

OdDbDatabase::~OdDbDatabase() {
  if (OdRxEventPtr event = odrxEvent()) event->fire_databaseToBeDestroyed(this);
  for (OdDbStub& stub : m_stubs)
    if (stub.object) {
      stub.object->release();
      stub.object = nullptr;
    }
}

OdGsModel* OdDbDatabase::graphicsModel() {
  if (!m_graphicsModel) m_graphicsModel = OdGsModel::createObject();
  return m_graphicsModel.get();
}

OdDbDatabasePtr OdDbDatabase::create(bool withDefaults) {
  OdDbDatabasePtr db(static_cast<OdDbDatabase*>(desc()->create().detach()), kOdRxObjAttach);
  if (withDefaults) {
    db->ensureStandardObjects();
    db->setHeaderString("$ACADVER", 1, OdString("AC1032"));
    db->setHeaderString("$DWGCODEPAGE", 3, OdString("ANSI_1252"));
    db->setOriginalFileVersion(OdString("AC1032"));
  }
  if (OdRxEventPtr event = odrxEvent()) event->fire_databaseConstructed(db.get());
  return db;
}

OdDbStub* OdDbDatabase::newStub(OdDbHandle handle) {
  m_stubs.push_back(OdDbStub{handle, this, nullptr, false});
  OdDbStub* stub = &m_stubs.back();
  m_byHandle.insert(handle.value(), stub);
  if (handle.value() >= m_handseed.value()) m_handseed = handle.value() + 1;
  return stub;
}

OdDbObjectId OdDbDatabase::addOdDbObject(OdDbObject* object, OdDbObjectId ownerId, OdDbHandle handle) {
  if (!object) throw OdError(eInvalidInput, "No object to add to the database");
  if (object->isDBRO()) throw OdError(eInvalidInput, "The object is already in a database");
  OdDbStub* stub = nullptr;
  if (!handle.isNull()) {
    OdDbStub* found = m_byHandle.find(handle.value());
    if (!found) stub = newStub(handle);
    else if (!found->object) stub = found;
  }
  if (!stub && m_deferHandles) {
    m_stubs.push_back(OdDbStub{OdDbHandle(), this, nullptr, false});
    stub = &m_stubs.back();
    m_pendingHandles.push_back(stub);
  }
  if (!stub) stub = newStub(m_handseed);
  stub->object = object;
  object->addRef();
  object->attachToDatabase(stub);
  if (!ownerId.isNull()) object->setOwnerId(ownerId);
  return OdDbObjectId(stub);
}

OdDbObjectId OdDbDatabase::getOdDbObjectId(OdDbHandle handle, bool create) {
  if (handle.isNull()) return OdDbObjectId();
  if (OdDbStub* found = m_byHandle.find(handle.value())) return OdDbObjectId(found);
  return create ? OdDbObjectId(newStub(handle)) : OdDbObjectId();
}

void OdDbDatabase::deferNewHandles(bool defer) {
  m_deferHandles = defer;
  if (defer) return;
  for (OdDbStub* stub : m_pendingHandles) {
    stub->handle = m_handseed;
    m_byHandle.insert(m_handseed.value(), stub);
    ++m_handseed;
  }
  m_pendingHandles.clear();
}

OdDbObjectId OdDbDatabase::newObjectId() { return OdDbObjectId(newStub(m_handseed)); }

void OdDbDatabase::attachObject(OdDbObjectId id, OdDbObject* object) {
  OdDbStub* stub = id.stub();
  if (!stub || stub->database != this || stub->object) throw OdError(eInvalidInput, "The id already names an object");
  stub->object = object;
  object->addRef();
  object->attachToDatabase(stub);
}

void OdDbDatabase::replaceObject(OdDbObjectId id, OdDbObject* object) {
  OdDbStub* stub = id.stub();
  if (!stub || stub->database != this || !stub->object) throw OdError(eInvalidInput, "The id names no object to replace");
  if (!object || object->isDBRO()) throw OdError(eInvalidInput, "No object to put under the id");
  OdDbObject* old = stub->object;
  old->attachToDatabase(nullptr);
  stub->object = object;
  object->addRef();
  object->attachToDatabase(stub);
  stub->erased = false;
  old->release();
}

void OdDbDatabase::releaseObject(OdDbObjectId id) {
  OdDbStub* stub = id.stub();
  if (!stub || stub->database != this || !stub->object) return;
  OdDbObject* old = stub->object;
  stub->object = nullptr;
  old->attachToDatabase(nullptr);
  old->release();
}

void OdDbDatabase::forEachObject(const std::function<void(OdDbObjectId)>& visit) const {
  for (const OdDbStub& stub : m_stubs)
    if (stub.object) visit(OdDbObjectId(const_cast<OdDbStub*>(&stub)));
}

size_t OdDbDatabase::objectCount() const {
  size_t n = 0;
  for (const OdDbStub& stub : m_stubs) n += stub.object ? 1 : 0;
  return n;
}

OdDbDatabase::Table OdDbDatabase::tableOf(dxf::SymbolTable t) {
  switch (t) {
    case dxf::SymbolTable::Block: return Table::Block;
    case dxf::SymbolTable::Layer: return Table::Layer;
    case dxf::SymbolTable::Linetype: return Table::Linetype;
    case dxf::SymbolTable::TextStyle: return Table::TextStyle;
    case dxf::SymbolTable::View: return Table::View;
    case dxf::SymbolTable::Ucs: return Table::Ucs;
    case dxf::SymbolTable::Viewport: return Table::Viewport;
    case dxf::SymbolTable::DimStyle: return Table::DimStyle;
    case dxf::SymbolTable::RegApp: return Table::RegApp;
  }
  return Table::Layer;
}

OdRxClass* OdDbDatabase::recordClassOf(Table t) {
  switch (t) {
    case Table::Block: return OdDbBlockTableRecord::desc();
    case Table::Layer: return OdDbLayerTableRecord::desc();
    case Table::Linetype: return OdDbLinetypeTableRecord::desc();
    case Table::TextStyle: return OdDbTextStyleTableRecord::desc();
    case Table::View: return OdDbViewTableRecord::desc();
    case Table::Ucs: return OdDbUCSTableRecord::desc();
    case Table::Viewport: return OdDbViewportTableRecord::desc();
    case Table::DimStyle: return OdDbDimStyleTableRecord::desc();
    case Table::RegApp: return OdDbRegAppTableRecord::desc();
    default: return nullptr;
  }
}

OdDbSymbolTable* OdDbDatabase::table(Table t) const {
  OdDbStub* stub = tableId(t).stub();
  return stub ? dynamic_cast<OdDbSymbolTable*>(stub->object) : nullptr;
}

OdDbObjectId OdDbDatabase::getModelSpaceId() const {
  OdDbSymbolTable* blocks = blockTable();
  return blocks ? blocks->getAt(OdString("*Model_Space")) : OdDbObjectId();
}

OdDbObjectId OdDbDatabase::getPaperSpaceId() const {
  OdDbSymbolTable* blocks = blockTable();
  return blocks ? blocks->getAt(OdString("*Paper_Space")) : OdDbObjectId();
}

namespace {
OdDbObjectId recordIn(const OdDbSymbolTable* table, const char* name) {
  return table ? table->getAt(OdString(name)) : OdDbObjectId();
}
}  // namespace

OdDbObjectId OdDbDatabase::layerZeroId() const { return recordIn(layerTable(), "0"); }
OdDbObjectId OdDbDatabase::linetypeByLayerId() const { return recordIn(linetypeTable(), "ByLayer"); }
OdDbObjectId OdDbDatabase::linetypeByBlockId() const { return recordIn(linetypeTable(), "ByBlock"); }
OdDbObjectId OdDbDatabase::linetypeContinuousId() const { return recordIn(linetypeTable(), "Continuous"); }
OdDbObjectId OdDbDatabase::textStyleStandardId() const { return recordIn(table(Table::TextStyle), "Standard"); }

OdDbObjectId OdDbDatabase::getLayoutDictionaryId() const {
  OdDbObjectPtr root = m_namedObjects.openObject();
  auto* dict = dynamic_cast<OdDbDictionary*>(root.get());
  return dict ? dict->getAt(OdString("ACAD_LAYOUT")) : OdDbObjectId();
}

const OdDbDatabase::HeaderVariable* OdDbDatabase::headerVariable(std::string_view name) const {
  for (const auto& v : m_header)
    if (v.name == name) return &v;
  return nullptr;
}

void OdDbDatabase::setHeaderVariable(std::string_view name, std::vector<dxf::KeptGroup> groups) {
  for (auto& v : m_header)
    if (v.name == name) {
      v.groups = std::move(groups);
      return;
    }
  m_header.push_back(HeaderVariable{std::string(name), std::move(groups)});
}

void OdDbDatabase::setHeaderString(std::string_view name, int code, const OdString& value) {
  setHeaderVariable(name, {dxf::KeptGroup{0, static_cast<int16_t>(code), OdDbObjectId(), value.utf8()}});
}

OdString OdDbDatabase::headerString(std::string_view name) const {
  const HeaderVariable* v = headerVariable(name);
  return v && !v->groups.empty() ? OdString(v->groups.front().text) : OdString();
}

// ---- standard objects

OdDbObjectId OdDbDatabase::makeTable(Table t, const char* dxfName) {
  OdDbObjectId& id = m_tables[static_cast<int>(t)];
  if (!id.isNull() && id.isValid()) return id;
  OdSmartPtr<OdDbSymbolTable> table = OdDbSymbolTable::createObject();
  table->setTableName(OdString(dxfName));
  id = addOdDbObject(table.get());
  return id;
}

OdDbObjectId OdDbDatabase::ensureRecord(Table t, const OdString& name, OdRxClass* cls) {
  OdDbSymbolTable* tbl = table(t);
  OdDbObjectId existing = tbl->getAt(name);
  if (!existing.isNull()) return existing;
  OdSmartPtr<OdDbSymbolTableRecord> record = OdSmartPtr<OdDbSymbolTableRecord>::fromObject(cls->create().get());
  record->setName(name);
  return tbl->add(record.get());
}

OdDbObjectId OdDbDatabase::ensureBlock(const OdString& name) {
  OdDbObjectId id = ensureRecord(Table::Block, name, OdDbBlockTableRecord::desc());
  ensureBlockBeginAndEnd(OdDbBlockTableRecord::cast(id.openObject(OdDb::kForWrite).get()).get());
  return id;
}

void OdDbDatabase::ensureBlockBeginAndEnd(OdDbBlockTableRecord* block) {
  if (block->blockBeginId().isNull()) {
    OdSmartPtr<OdDbBlockBegin> begin = OdDbBlockBegin::createObject();
    begin->setDatabaseDefaults(this);
    block->setBlockBeginId(addOdDbObject(begin.get(), block->objectId()));
  }
  if (block->blockEndId().isNull()) {
    OdSmartPtr<OdDbBlockEnd> end = OdDbBlockEnd::createObject();
    end->setDatabaseDefaults(this);
    block->setBlockEndId(addOdDbObject(end.get(), block->objectId()));
  }
}

// Some writers give a layout a block handle that names nothing; the block's own
// link to its layout is then the one to trust.
void OdDbDatabase::linkLayoutsToBlocks() {
  OdDbSymbolTable* blocks = blockTable();
  for (OdDbObjectId id : blocks ? blocks->records() : std::vector<OdDbObjectId>()) {
    OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(id.openObject().get());
    if (!block) continue;
    OdDbLayoutPtr layout = OdDbLayout::cast(block->getLayoutId().openObject(OdDb::kForWrite).get());
    if (layout && !layout->getBlockTableRecordId().isValid()) layout->setBlockTableRecordId(id);
  }
}

void OdDbDatabase::ensureLayouts() {
  OdDbDictionaryPtr root = OdDbDictionary::cast(m_namedObjects.openObject(OdDb::kForWrite).get());
  if (!root->has(OdString("ACAD_GROUP"))) root->setAt(OdString("ACAD_GROUP"), OdDbDictionary::createObject().get());
  OdDbObjectId layoutsId = root->getAt(OdString("ACAD_LAYOUT"));
  if (layoutsId.isNull()) layoutsId = root->setAt(OdString("ACAD_LAYOUT"), OdDbDictionary::createObject().get());
  OdDbDictionaryPtr layouts = OdDbDictionary::cast(layoutsId.openObject(OdDb::kForWrite).get());
  if (!layouts) return;
  struct Wanted { const char* layoutName; OdDbObjectId block; int16_t tab; };
  const Wanted wanted[] = {{"Model", getModelSpaceId(), 0}, {"Layout1", getPaperSpaceId(), 1}};
  linkLayoutsToBlocks();
  for (const Wanted& w : wanted) {
    OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(w.block.openObject(OdDb::kForWrite).get());
    if (!block || block->getLayoutId().isValid()) continue;
    OdDbLayoutPtr layout = OdDbLayout::createObject();
    layout->setLayoutName(OdString(w.layoutName));
    layout->setTabOrder(w.tab);
    layout->setBlockTableRecordId(w.block);
    OdString name(w.layoutName);
    while (layouts->has(name)) name += u'_';
    block->setLayoutId(layouts->setAt(name, layout.get()));
  }
}

void OdDbDatabase::ensureStandardObjects() {
  ensureStandardTablesAndBlocks();
  if (m_namedObjects.isNull() || !m_namedObjects.isValid())
    m_namedObjects = addOdDbObject(OdDbDictionary::createObject().get());
  ensureLayouts();
}

void OdDbDatabase::ensureStandardTablesAndBlocks() {
  makeTable(Table::Viewport, "VPORT");
  makeTable(Table::Linetype, "LTYPE");
  makeTable(Table::Layer, "LAYER");
  makeTable(Table::TextStyle, "STYLE");
  makeTable(Table::View, "VIEW");
  makeTable(Table::Ucs, "UCS");
  makeTable(Table::RegApp, "APPID");
  makeTable(Table::DimStyle, "DIMSTYLE");
  makeTable(Table::Block, "BLOCK_RECORD");

  ensureRecord(Table::Linetype, OdString("ByBlock"), OdDbLinetypeTableRecord::desc());
  ensureRecord(Table::Linetype, OdString("ByLayer"), OdDbLinetypeTableRecord::desc());
  OdDbObjectId continuous = ensureRecord(Table::Linetype, OdString("Continuous"), OdDbLinetypeTableRecord::desc());
  OdDbObjectId zero = ensureRecord(Table::Layer, OdString("0"), OdDbLayerTableRecord::desc());
  OdDbLayerTableRecordPtr layer0 = OdDbLayerTableRecord::cast(zero.openObject(OdDb::kForWrite).get());
  if (layer0->linetypeObjectId().isNull()) layer0->setLinetypeObjectId(continuous);
  ensureRecord(Table::TextStyle, OdString("Standard"), OdDbTextStyleTableRecord::desc());
  ensureRecord(Table::RegApp, OdString("ACAD"), OdDbRegAppTableRecord::desc());
  ensureRecord(Table::DimStyle, OdString("Standard"), OdDbDimStyleTableRecord::desc());
  ensureRecord(Table::Viewport, OdString("*Active"), OdDbViewportTableRecord::desc());
  ensureBlock(OdString("*Model_Space"));
  ensureBlock(OdString("*Paper_Space"));
}
