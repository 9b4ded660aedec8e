#include "DxfReader.h"

#include "DbBlockTableRecord.h"
#include "DbDictionary.h"
#include "DbGenericObject.h"
#include "DbSymbolTable.h"
#include "DxfClassChooser.h"
#include "DxfObjectReader.h"
#include "DxfTextDecoder.h"
#include "DxfTextMap.h"
#include "DxfTokenizer.h"
#include "RxEvent.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace {

using dxf::Group;
using Table = OdDbDatabase::Table;

struct TableName {
  const char* dxfName;
  Table table;
};
constexpr TableName kTables[] = {
    {"VPORT", Table::Viewport}, {"LTYPE", Table::Linetype}, {"LAYER", Table::Layer},
    {"STYLE", Table::TextStyle}, {"VIEW", Table::View},    {"UCS", Table::Ucs},
    {"APPID", Table::RegApp},    {"DIMSTYLE", Table::DimStyle}, {"BLOCK_RECORD", Table::Block},
};

// A class of this library (not a generic stand-in) of the wanted kind, that can be made.
bool isModelled(const OdRxClass* cls, bool wantEntity) {
  return cls->constructor() && cls->isDerivedFrom(OdDbObject::desc()) &&
         cls->isDerivedFrom(OdDbEntity::desc()) == wantEntity && !cls->isDerivedFrom(OdDbGenericObject::desc()) &&
         !cls->isDerivedFrom(OdDbGenericEntity::desc());
}

// Record types and section names are written back as they were read: a
// control character or caret in one would be written escaped, as another name.
bool isPlainName(std::string_view name) {
  return std::none_of(name.begin(), name.end(), [](char c) { return c == '^' || (c >= 0 && c < 0x20); });
}

bool isSubentityRecord(std::string_view type) { return type == "VERTEX" || type == "ATTRIB" || type == "SEQEND"; }

// A file mapped into memory gives back the pages the reader has passed, so
// that a large file does not stay resident beside the drawing read from it.
// Read again, a page given back comes from the file as before.
class PassedPages {
 public:
  explicit PassedPages(std::string_view mapped) : m_mapped(mapped) {}
  void passed(size_t offset) {
    static const size_t page = static_cast<size_t>(::sysconf(_SC_PAGESIZE));
    constexpr size_t kStep = size_t(16) << 20;  // one call a step: the calls cost, not the pages
    if (m_mapped.empty() || offset < m_released + kStep) return;
    size_t end = offset / page * page;
    ::madvise(const_cast<char*>(m_mapped.data()) + m_released, end - m_released, MADV_DONTNEED);
    m_released = end;
  }

 private:
  std::string_view m_mapped;
  size_t m_released = 0;
};

class DxfReader : public dxf::ReadContext {
 public:
  DxfReader(std::string_view data, const OdString& fileName, PassedPages passedPages)
      : m_tokens(data), m_fileName(fileName), m_db(OdDbDatabase::create(false)), m_passedPages(passedPages) {
    m_decoder.setCaretEscapes(!m_tokens.isBinary());
    m_recordMark = m_tokens.mark();
  }

  OdDbDatabasePtr read();

  OdString decodeString(std::string_view raw) override { return m_decoder.decode(raw); }
  OdDbObjectId idFromHandle(std::string_view hex) override {
    // Owners repeat from one record to the next.
    if (hex == m_lastHandleText && !m_lastHandleText.empty()) return m_lastHandleId;
    m_lastHandleText.assign(hex);
    m_lastHandleId = m_db->getOdDbObjectId(OdDbHandle(OdDbHandle::parse(hex)), true);
    return m_lastHandleId;
  }
  OdDbObjectId symbolByName(dxf::SymbolTable table, const OdString& name) override;
  OdDbObjectId symbolByRawName(dxf::SymbolTable table, std::string_view raw) override;
  OdDbDatabase* database() override { return m_db.get(); }
  int version() const override { return m_version; }

 private:
  enum class Where { Entity, Object, TableRecord };

  bool nextGroup(Group& g);
  void expectRecordStart();
  bool readRecord();
  [[noreturn]] void fail(const std::string& what) const;

  void ensureBlockBeginsAndEnds();
  void readHeader();
  void readClasses();
  void readTables();
  void readBlocks();
  void readEntities();
  void readObjects();
  void readOtherSection(const std::string& name, std::vector<dxf::KeptGroup>* keep);

  OdDbObjectPtr makeObject(std::string_view type, Where where);
  OdDbObjectId addRecordObject(OdDbObject* obj, std::span<const Group> groups);
  OdDbObjectId readEntity(OdDbObjectId block);
  void placeEntity(OdDbEntity* entity, OdDbObjectId id, OdDbObjectId block, std::string_view type);
  OdDbObjectId blockForName(const OdString& name);
  OdDbObjectId modelSpace();
  OdDbObjectId paperSpace();
  bool isBlock(OdDbObjectId id);
  OdDbBlockTableRecord* blockOf(OdDbObjectId id);

  DxfTokenizer m_tokens;
  OdString m_fileName;
  OdDbDatabasePtr m_db;
  DxfTextDecoder m_decoder;
  int m_version = 1009;

  Group m_peek{};
  bool m_hasPeek = false;
  std::string_view m_recordType;
  size_t m_recordMark = 0;
  std::vector<Group> m_record;  // groups of the current record, its type excluded

  struct ClassInfo {
    OdString className;
    bool isEntity = false;
  };
  DxfTextMap<ClassInfo> m_classes;
  struct KnownType {
    dxf::ClassChooser chooser;
    OdRxClass* cls;
  };
  DxfTextMap<KnownType> m_classByType;
  // Symbols by the bytes of their names in the file: entities name the same few layers over and over.
  DxfTextMap<OdDbObjectId> m_symbolsByRawName[static_cast<int>(Table::Count)];
  OdDbObjectId m_modelSpace, m_paperSpace;
  std::pair<OdDbObjectId, OdDbBlockTableRecord*> m_lastBlock{};
  OdDbObjectId m_parentEntity;  // the entity that VERTEX, ATTRIB and SEQEND records belong to
  OdDbHandle m_headerSeed;
  PassedPages m_passedPages;
  std::string m_lastHandleText;
  OdDbObjectId m_lastHandleId;
};

void DxfReader::fail(const std::string& what) const { throw OdError(eDxfFileCorrupt, m_tokens.position(m_recordMark) + ": " + what); }

bool DxfReader::nextGroup(Group& g) {
  if (m_hasPeek) {
    g = m_peek;
    m_hasPeek = false;
    return true;
  }
  return m_tokens.next(g);
}

// Collects the groups of the record whose type (group 0) is next; false at the end of the data.
bool DxfReader::readRecord() {
  Group g;
  do {
    if (!nextGroup(g)) return false;
  } while (g.code == 999);  // comments may stand before any record
  m_recordMark = m_tokens.mark();  // errors name where the record starts, not where it was seen to end
  m_passedPages.passed(m_tokens.offset());
  if (g.code != 0) fail("expected the start of a record (group 0), found group " + std::to_string(g.code));
  m_tokens.releaseValues();
  m_recordType = g.value;
  while (!m_recordType.empty() && m_recordType.back() == ' ') m_recordType.remove_suffix(1);
  if (!isPlainName(m_recordType)) fail("expected a record type, found " + quotedForMessage(m_recordType));
  m_record.clear();
  while (m_tokens.next(g)) {
    if (g.code == 0) {
      m_peek = g;
      m_hasPeek = true;
      return true;
    }
    if (g.code != 999) m_record.push_back(g);
  }
  return true;
}

OdDbDatabasePtr DxfReader::read() {
  m_db->deferNewHandles(true);
  m_db->reserveHandles(m_tokens.size() / 150);  // about one object per 150 bytes of DXF
  bool anySection = false;
  while (readRecord()) {
    if (m_recordType == "EOF") break;
    if (m_recordType != "SECTION") {
      if (!anySection) fail("this is not a DXF file (it does not start with a SECTION)");
      fail("expected SECTION, found " + quotedForMessage(m_recordType));
    }
    anySection = true;
    std::string name;
    for (const Group& g : m_record)
      if (g.code == 2 && name.empty()) name = std::string(g.value);
    if (!isPlainName(name)) fail("expected a section name, found " + quotedForMessage(name));
    if (name == "HEADER") readHeader();
    else if (name == "CLASSES") readClasses();
    else if (name == "TABLES") readTables();
    else if (name == "BLOCKS") readBlocks();
    else if (name == "ENTITIES") readEntities();
    else if (name == "OBJECTS") readObjects();
    else if (name == "THUMBNAILIMAGE") readOtherSection(name, &m_db->thumbnail());
    else readOtherSection(name, nullptr);
  }
  if (!anySection) fail("this is not a DXF file (no SECTION found)");
  m_db->setReadRepairs(m_tokens.repairs(), OdString(m_tokens.firstRepair()));
  // Files without a version (no header, or none in it) read as R12, as m_version does.
  if (m_db->originalFileVersion().isEmpty()) m_db->setOriginalFileVersion(OdString("AC1009"));
  m_db->ensureStandardObjects();
  ensureBlockBeginsAndEnds();
  m_db->setHandseed(m_headerSeed);
  m_db->deferNewHandles(false);
  m_db->setFilename(m_fileName);
  return m_db;
}

// A block record that no BLOCK of the file names may still own entities
// (their 330 says so): it gets a BLOCK and ENDBLK, so that it can be written.
void DxfReader::ensureBlockBeginsAndEnds() {
  for (OdDbObjectId id : m_db->blockTable()->records())
    if (OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(id.openObject(OdDb::kForWrite).get()))
      m_db->ensureBlockBeginAndEnd(block.get());
}

// Reads records until ENDSEC; a file that ends first is truncated.
#define OD_FOR_EACH_RECORD_OF_SECTION(sectionName)                                                \
  while (true)                                                                                    \
    if (!readRecord()) fail("the file ends inside the " sectionName " section (no ENDSEC)");      \
    else if (m_recordType == "ENDSEC") break;                                                     \
    else

void DxfReader::readHeader() {
  // The variables are the groups of the SECTION record itself (they have no
  // group 0). The code page decides how every string reads and may come
  // after other variables, so it is looked for first.
  std::vector<Group> groups;
  for (const Group& g : m_record)
    if (g.code != 2 || !groups.empty()) groups.push_back(g);
  for (size_t i = 0; i + 1 < groups.size(); ++i) {
    if (groups[i].code != 9) continue;
    if (groups[i].value == "$ACADVER") {
      std::string_view v = groups[i + 1].value;
      if (v.size() >= 6 && v.substr(0, 2) == "AC") m_version = static_cast<int>(dxf::toInt(v.substr(2, 4)));
      m_db->setOriginalFileVersion(OdString(v));
    } else if (groups[i].value == "$DWGCODEPAGE") {
      m_decoder.setCodePage(groups[i + 1].value);
    }
  }
  m_decoder.setUtf8(m_version >= 1021);
  m_db->setCodePage(OdString(m_version >= 1021 ? std::string("UTF-8") : m_decoder.codePageName()));
  std::string name;
  std::vector<dxf::KeptGroup> values;
  auto flush = [&] {
    if (!name.empty()) m_db->setHeaderVariable(name, std::move(values));
    values.clear();
  };
  for (const Group& h : groups) {
    if (h.code == 9) {
      flush();
      name = std::string(h.value);
      continue;
    }
    if (name == "$HANDSEED") m_headerSeed = OdDbHandle(OdDbHandle::parse(h.value));
    values.push_back(dxf::keepGroup(0, h, *this));
  }
  flush();
  if (!readRecord()) fail("the file ends inside the HEADER section (no ENDSEC)");
  if (m_recordType != "ENDSEC") fail("expected ENDSEC after the header, found " + quotedForMessage(m_recordType));
}

void DxfReader::readClasses() {
  OD_FOR_EACH_RECORD_OF_SECTION("CLASSES") {
    std::vector<dxf::KeptGroup> kept;
    ClassInfo info;
    std::string dxfName;
    for (const Group& g : m_record) {
      kept.push_back(dxf::keepGroup(0, g, *this));
      if (g.code == 1) dxfName = std::string(g.value);
      if (g.code == 2) info.className = decodeString(g.value);
      if (g.code == 281) info.isEntity = dxf::toInt(g) != 0;
    }
    if (!dxfName.empty()) m_classes[dxfName] = info;
    m_db->dxfClasses().push_back(std::move(kept));
  }
}

void DxfReader::readOtherSection(const std::string& name, std::vector<dxf::KeptGroup>* keep) {
  std::vector<dxf::KeptGroup> groups;
  OD_FOR_EACH_RECORD_OF_SECTION("other") {
    groups.push_back(dxf::KeptGroup{0, 0, OdDbObjectId(), std::string(m_recordType)});
    for (const Group& g : m_record) groups.push_back(dxf::keepGroup(0, g, *this));
  }
  if (keep) *keep = std::move(groups);
  else m_db->otherSections().push_back(OdDbDatabase::OtherSection{name, std::move(groups)});
}

OdDbObjectPtr DxfReader::makeObject(std::string_view type, Where where) {
  OdRxClass* cls = nullptr;
  KnownType* known = m_classByType.find(type);
  if (!known) {
    OdString typeName(type);
    known = &(m_classByType[type] = KnownType{dxf::classChooser(typeName), odrxClassByDxfName(typeName)});
  }
  if (known->chooser) cls = known->chooser(m_record);
  if (!cls) cls = known->cls;
  bool wantEntity = where == Where::Entity;
  if (cls && isModelled(cls, wantEntity)) {
    // Modelled classes make objects that count their own references and come with one.
    return OdDbObjectPtr(static_cast<OdDbObject*>(cls->constructor()()), kOdRxObjAttach);
  }
  OdString typeName(type);
  const ClassInfo* info = m_classes.find(type);
  OdString className = info && !info->className.isEmpty() ? info->className : OdString("AcDb") + typeName;
  OdRxClass* generic = odDbGenericClass(className, typeName, wantEntity);
  if (wantEntity) {
    auto entity = OdDbGenericEntity::createObject();
    entity->setDxfRecordName(typeName);
    if (generic->isDerivedFrom(OdDbGenericEntity::desc())) entity->setRuntimeClass(generic);
    return OdDbObjectPtr(entity.get());
  }
  auto object = OdDbGenericObject::createObject();
  object->setDxfRecordName(typeName);
  if (generic->isDerivedFrom(OdDbGenericObject::desc())) object->setRuntimeClass(generic);
  return OdDbObjectPtr(object.get());
}

OdDbObjectId DxfReader::addRecordObject(OdDbObject* obj, std::span<const Group> groups) {
  OdDbHandle handle = dxf::readObjectGroups(obj, groups, *this);
  if (!handle.isNull()) {
    OdDbObjectId id = m_db->getOdDbObjectId(handle, true);
    if (!id.stub()->object) {
      m_db->attachObject(id, obj);
      return id;
    }
  }
  // No handle, or one another object already has: a fresh one.
  return m_db->addOdDbObject(obj);
}

OdDbObjectId DxfReader::symbolByRawName(dxf::SymbolTable which, std::string_view raw) {
  auto& cache = m_symbolsByRawName[static_cast<int>(OdDbDatabase::tableOf(which))];
  const OdDbObjectId* known = cache.find(raw);
  if (known && !known->isErased()) return *known;
  OdDbObjectId id = symbolByName(which, decodeString(raw));
  return cache[raw] = id;
}

OdDbObjectId DxfReader::symbolByName(dxf::SymbolTable which, const OdString& name) {
  Table t = OdDbDatabase::tableOf(which);
  OdDbSymbolTable* table = m_db->table(t);
  if (!table) {
    m_db->ensureStandardTablesAndBlocks();
    table = m_db->table(t);
  }
  OdDbObjectId id = table->getAt(name);
  if (id.isNull() && !name.isEmpty()) {
    // A name no table entry defines: make the entry, so nothing is lost.
    OdSmartPtr<OdDbSymbolTableRecord> record =
        OdSmartPtr<OdDbSymbolTableRecord>::fromObject(OdDbDatabase::recordClassOf(t)->create().get());
    record->setName(name);
    id = table->add(record.get());
  }
  return id;
}

void DxfReader::readTables() {
  OdDbSymbolTable* table = nullptr;
  Table kind = Table::Count;
  OD_FOR_EACH_RECORD_OF_SECTION("TABLES") {
    if (m_recordType == "TABLE") {
      std::string name;
      std::vector<Group> rest;
      for (const Group& g : m_record) {
        if (g.code == 2 && name.empty()) name = std::string(g.value);
        else rest.push_back(g);
      }
      kind = Table::Count;
      for (const TableName& t : kTables)
        if (name == t.dxfName) kind = t.table;
      if (kind != Table::Count && m_db->table(kind)) {
        table = m_db->table(kind);  // a second table of the same kind joins the first
        continue;
      }
      OdSmartPtr<OdDbSymbolTable> made = OdDbSymbolTable::createObject();
      made->setTableName(OdString(name));
      OdDbObjectId id = addRecordObject(made.get(), rest);
      if (kind != Table::Count) m_db->setTableId(kind, id);
      table = made.get();
      continue;
    }
    if (m_recordType == "ENDTAB") {
      table = nullptr;
      continue;
    }
    if (!table) fail("a table entry " + quotedForMessage(m_recordType) + " outside a TABLE");
    OdRxClass* cls = kind != Table::Count ? OdDbDatabase::recordClassOf(kind) : nullptr;
    OdDbObjectPtr obj = cls ? OdDbObjectPtr::fromObject(cls->create().get()) : makeObject(m_recordType, Where::TableRecord);
    OdDbObjectId id = addRecordObject(obj.get(), m_record);
    if (obj->ownerId().isNull()) obj->setOwnerId(table->objectId());
    auto* record = dynamic_cast<OdDbSymbolTableRecord*>(obj.get());
    OdString name = record ? record->getName() : OdString();
    table->attach(id, name);  // a duplicate name (shape styles have none) stays with the first entry
  }
}

OdDbObjectId DxfReader::modelSpace() {
  if (m_modelSpace.isNull()) {
    m_db->ensureStandardTablesAndBlocks();
    m_modelSpace = m_db->getModelSpaceId();
  }
  return m_modelSpace;
}

OdDbObjectId DxfReader::paperSpace() {
  if (m_paperSpace.isNull()) {
    m_db->ensureStandardTablesAndBlocks();
    m_paperSpace = m_db->getPaperSpaceId();
  }
  return m_paperSpace;
}

OdDbObjectId DxfReader::blockForName(const OdString& name) { return symbolByName(dxf::SymbolTable::Block, name); }

void DxfReader::placeEntity(OdDbEntity* entity, OdDbObjectId id, OdDbObjectId block, std::string_view type) {
  if (isSubentityRecord(type) && !m_parentEntity.isNull()) {
    OdDbObjectPtr parent = m_parentEntity.openObject(OdDb::kForWrite);
    auto* owner = static_cast<OdDbEntity*>(parent.get());
    if (owner && owner->appendSubentity(id)) {
      entity->setOwnerId(m_parentEntity);
      if (type == "SEQEND") m_parentEntity = OdDbObjectId();
      return;
    }
  }
  m_parentEntity = id;
  if (block.isNull()) block = isBlock(entity->ownerId()) ? entity->ownerId() : entity->isInPaperSpace() ? paperSpace() : modelSpace();
  entity->setOwnerId(block);
  blockOf(block)->attachEntity(id);
}

bool DxfReader::isBlock(OdDbObjectId id) {
  if (id.isNull()) return false;
  if (id == m_lastBlock.first) return true;
  OdDbStub* stub = id.stub();
  return stub && stub->object && stub->object->isKindOf(OdDbBlockTableRecord::desc());
}

// Entities come in runs of the same block; the last one is kept at hand.
OdDbBlockTableRecord* DxfReader::blockOf(OdDbObjectId id) {
  if (id != m_lastBlock.first)
    m_lastBlock = {id, static_cast<OdDbBlockTableRecord*>(id.openObject(OdDb::kForWrite).get())};
  return m_lastBlock.second;
}

OdDbObjectId DxfReader::readEntity(OdDbObjectId block) {
  OdDbObjectPtr obj = makeObject(m_recordType, Where::Entity);
  auto* entity = static_cast<OdDbEntity*>(obj.get());
  OdDbObjectId id = addRecordObject(obj.get(), m_record);
  if (entity->layerId().isNull()) entity->setLayer(symbolByRawName(dxf::SymbolTable::Layer, "0"));
  placeEntity(entity, id, block, m_recordType);
  return id;
}

void DxfReader::readBlocks() {
  OdDbObjectId current;
  OD_FOR_EACH_RECORD_OF_SECTION("BLOCKS") {
    if (m_recordType == "BLOCK") {
      OdSmartPtr<OdDbBlockBegin> begin = OdDbBlockBegin::createObject();
      OdDbObjectId beginId = addRecordObject(begin.get(), m_record);
      OdDbObjectPtr owner = begin->ownerId().openObject();
      current = owner && owner->isKindOf(OdDbBlockTableRecord::desc()) ? begin->ownerId()
                                                                        : blockForName(begin->readValues().name);
      if (current.isNull()) fail("a BLOCK without a name");
      OdDbBlockTableRecordPtr btr = OdDbBlockTableRecord::cast(current.openObject(OdDb::kForWrite).get());
      OdString recordName = btr->getName();
      begin->applyTo(btr.get());
      // Some writers name blocks only in the BLOCK: the table must find them by that name.
      if (recordName.isEmpty() && !btr->getName().isEmpty())
        m_db->table(Table::Block)->rename(current, recordName, btr->getName());
      begin->setOwnerId(current);
      if (btr->blockBeginId().isNull()) btr->setBlockBeginId(beginId);
      m_parentEntity = OdDbObjectId();
      continue;
    }
    if (m_recordType == "ENDBLK") {
      OdSmartPtr<OdDbBlockEnd> end = OdDbBlockEnd::createObject();
      OdDbObjectId endId = addRecordObject(end.get(), m_record);
      if (!current.isNull()) {
        end->setOwnerId(current);
        OdDbBlockTableRecordPtr btr = OdDbBlockTableRecord::cast(current.openObject(OdDb::kForWrite).get());
        if (btr->blockEndId().isNull()) btr->setBlockEndId(endId);
      }
      current = OdDbObjectId();
      m_parentEntity = OdDbObjectId();
      continue;
    }
    if (current.isNull()) fail("an entity " + quotedForMessage(m_recordType) + " outside a BLOCK");
    readEntity(current);
  }
}

void DxfReader::readEntities() {
  m_parentEntity = OdDbObjectId();
  OD_FOR_EACH_RECORD_OF_SECTION("ENTITIES") {
    // Taken as entities of their block, they would be written inside it and end it early.
    if (m_recordType == "BLOCK" || m_recordType == "ENDBLK")
      fail("a block's " + quotedForMessage(m_recordType) + " in the ENTITIES section; blocks are in the BLOCKS section");
    readEntity(OdDbObjectId());
  }
}

void DxfReader::readObjects() {
  OD_FOR_EACH_RECORD_OF_SECTION("OBJECTS") {
    OdDbObjectPtr obj = makeObject(m_recordType, Where::Object);
    OdDbObjectId id = addRecordObject(obj.get(), m_record);
    if (m_db->getNamedObjectsDictionaryId().isNull() && obj->isKindOf(OdDbDictionary::desc()))
      m_db->setNamedObjectsDictionaryId(id);
  }
}

std::string readWholeFile(const OdString& path, std::string& storage, std::string_view& view) {
  std::string native = path.utf8();
  int fd = ::open(native.c_str(), O_RDONLY);
  if (fd < 0) return std::string(std::strerror(errno));
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return "not a regular file";
  }
  size_t size = static_cast<size_t>(st.st_size);
  if (size == 0) {
    ::close(fd);
    return "the file is empty";
  }
  void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
  if (mapped != MAP_FAILED) {
    ::madvise(mapped, size, MADV_SEQUENTIAL);
    view = std::string_view(static_cast<const char*>(mapped), size);
  } else {
    storage.resize(size);
    ssize_t got = ::read(fd, storage.data(), size);
    if (got != static_cast<ssize_t>(size)) storage.resize(got > 0 ? static_cast<size_t>(got) : 0);
    view = storage;
  }
  ::close(fd);
  return std::string();
}

OdDbDatabasePtr readDxf(std::string_view data, const OdString& fileName, PassedPages passedPages) {
  try {
    DxfReader reader(data, fileName, passedPages);
    return reader.read();
  } catch (const OdError& e) {
    throw OdError(e.code(), fileName + ": " + e.description());
  } catch (const std::bad_alloc&) {
    throw OdError(eOutOfMemory, fileName + ": out of memory while reading");
  }
}

}  // namespace

OdDbDatabasePtr odDxfReadBuffer(std::string_view data, const OdString& fileName) {
  return readDxf(data, fileName, PassedPages({}));
}

OdDbDatabasePtr odDxfReadFile(const OdString& path) {
  std::string storage;
  std::string_view view;
  std::string problem = readWholeFile(path, storage, view);
  if (!problem.empty()) throw OdError(eCantOpenFile, path + ": " + OdString(problem));
  struct Unmap {
    std::string_view view;
    bool mapped;
    ~Unmap() {
      if (mapped) ::munmap(const_cast<char*>(view.data()), view.size());
    }
  } unmap{view, storage.empty()};
  OdDbDatabasePtr db = readDxf(view, path, PassedPages(unmap.mapped ? view : std::string_view()));
  if (OdRxEventPtr event = odrxEvent()) event->fire_dwgFileOpened(db.get(), path);
  return db;
}
