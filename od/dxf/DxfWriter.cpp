#include "DxfWriter.h"

#include "DbBlockTableRecord.h"
#include "DbDictionary.h"
#include "DbSymbolTable.h"
#include "DxfTextFormat.h"
#include "OdFileWrite.h"
#include "RxEvent.h"

#include <algorithm>
#include <charconv>
#include <unordered_set>

namespace {

// The DXF filer that writes every value as text, one group per two lines.
// It hands its text on in pieces: the text of a large drawing is never whole in memory.
class DxfTextFiler : public OdStaticRxObject<dxf::TextFormatFiler<DxfTextFiler>> {
 public:
  DxfTextFiler(OdDbDatabase* db, const DxfTextSink& sink) : m_db(db), m_sink(sink) { m_out.reserve(kPiece + kPiece / 4); }

  OdDb::FilerType filerType() const override { return OdDb::kFileFiler; }
  OdDbDatabase* database() const override { return m_db; }
  void seek(int64_t, OdDb::FilerSeekType) override {}
  uint64_t tell() const override { return m_handedOn + m_out.size(); }

  void handOnWhenFull() {
    if (m_out.size() >= kPiece) handOn();
  }
  void handOn() {
    m_sink(m_out);
    m_handedOn += m_out.size();
    m_out.clear();
  }

  void put(int code, std::string_view value) {
    putCode(code);
    putEscaped(value);
    m_out += '\n';
  }
  void putId(int code, OdDbObjectId, std::string_view text) { put(code, text); }

 private:
  // Control characters as a caret and the character 64 above them ("^J"), and
  // a caret as "^ ", as ASCII DXF readers expect: a line break would end the
  // value early.
  void putEscaped(std::string_view value) {
    for (char c : value) {
      if (c == '^') {
        m_out += "^ ";
      } else if (static_cast<unsigned char>(c) < 0x20) {
        m_out += '^';
        m_out += static_cast<char>(c + '@');
      } else {
        m_out += c;
      }
    }
  }
  void putCode(int code) {
    char buf[16];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, code);
    for (ptrdiff_t pad = 3 - (end - buf); pad > 0; --pad) m_out += ' ';
    m_out.append(buf, end);
    m_out += '\n';
  }

  static constexpr size_t kPiece = size_t(1) << 20;
  OdDbDatabase* m_db;
  const DxfTextSink& m_sink;
  std::string m_out;
  uint64_t m_handedOn = 0;
};

class DxfWriter {
 public:
  DxfWriter(OdDbDatabase* db, const DxfTextSink& sink) : m_db(db), m_filer(db, sink) {}
  void write();

 private:
  void beginSection(std::string_view name) {
    m_filer.put(0, "SECTION");
    m_filer.put(2, name);
  }
  void endSection() { m_filer.put(0, "ENDSEC"); }
  void writeKept(const std::vector<dxf::KeptGroup>& groups) {
    for (const auto& g : groups) dxf::writeGroupByCode(&m_filer, g.code, g.text, g.id);
  }
  void writeObject(const OdDbObject* obj) {
    m_filer.put(0, obj->dxfRecordName().utf8());
    obj->dxfOutFields(&m_filer);
    if (!obj->isKindOf(OdDbEntity::desc())) m_written.insert(obj);  // the objects left to write are no entities
    m_filer.handOnWhenFull();
  }
  void writeEntity(OdDbObjectId id);
  void writeHeader();
  void writeClasses();
  void writeTables();
  void writeBlocks();
  void writeEntities();
  void writeObjects();
  void writeOtherSections();

  OdDbDatabase* m_db;
  DxfTextFiler m_filer;
  std::unordered_set<const OdDbObject*> m_written;
};

void DxfWriter::write() {
  writeHeader();
  writeClasses();
  writeTables();
  writeBlocks();
  writeEntities();
  writeObjects();
  writeOtherSections();
  m_filer.put(0, "EOF");
  m_filer.handOn();
}

void DxfWriter::writeHeader() {
  beginSection("HEADER");
  bool versionWritten = false, seedWritten = false;
  auto writeVariable = [&](const std::string& name, const std::vector<dxf::KeptGroup>& groups) {
    m_filer.put(9, name);
    if (name == "$ACADVER") {
      m_filer.put(1, "AC1032");
      versionWritten = true;
    } else if (name == "$HANDSEED") {
      m_filer.put(5, m_db->handseed().text());
      seedWritten = true;
    } else {
      writeKept(groups);
    }
  };
  for (const auto& v : m_db->headerVariables()) writeVariable(v.name, v.groups);
  if (!versionWritten) writeVariable("$ACADVER", {});
  if (!seedWritten) writeVariable("$HANDSEED", {});
  endSection();
}

void DxfWriter::writeClasses() {
  beginSection("CLASSES");
  for (const auto& cls : m_db->dxfClasses()) {
    m_filer.put(0, "CLASS");
    writeKept(cls);
  }
  endSection();
}

void DxfWriter::writeTables() {
  using Table = OdDbDatabase::Table;
  const Table order[] = {Table::Viewport, Table::Linetype, Table::Layer,    Table::TextStyle, Table::View,
                         Table::Ucs,      Table::RegApp,   Table::DimStyle, Table::Block};
  beginSection("TABLES");
  for (Table t : order) {
    OdDbSymbolTable* table = m_db->table(t);
    if (!table) continue;
    m_filer.put(0, "TABLE");
    m_filer.put(2, table->dxfRecordName().utf8());
    table->dxfOutFields(&m_filer);
    m_written.insert(table);
    for (OdDbObjectId id : table->records())
      if (OdDbObjectPtr record = id.openObject()) writeObject(record.get());
    m_filer.put(0, "ENDTAB");
  }
  endSection();
}

void DxfWriter::writeEntity(OdDbObjectId id) {
  OdDbObjectPtr obj = id.openObject();
  if (!obj) return;
  writeObject(obj.get());
  auto* entity = static_cast<OdDbEntity*>(obj.get());
  for (OdDbObjectId sub : entity->subentityIds())
    if (OdDbObjectPtr part = sub.openObject()) writeObject(part.get());
}

void DxfWriter::writeBlocks() {
  beginSection("BLOCKS");
  OdDbSymbolTable* blocks = m_db->blockTable();
  for (OdDbObjectId id : blocks ? blocks->records() : std::vector<OdDbObjectId>()) {
    OdDbBlockTableRecordPtr btr = OdDbBlockTableRecord::cast(id.openObject().get());
    if (!btr) continue;
    if (OdDbObjectPtr begin = btr->blockBeginId().openObject()) writeObject(begin.get());
    if (!btr->isModelSpace() && btr->getName().iCompare(OdString("*Paper_Space")) != 0)
      for (OdDbObjectId e : btr->entityIds()) writeEntity(e);
    if (OdDbObjectPtr end = btr->blockEndId().openObject()) writeObject(end.get());
  }
  endSection();
}

void DxfWriter::writeEntities() {
  beginSection("ENTITIES");
  for (OdDbObjectId spaceId : {m_db->getModelSpaceId(), m_db->getPaperSpaceId()}) {
    OdDbBlockTableRecordPtr space = OdDbBlockTableRecord::cast(spaceId.openObject().get());
    if (space)
      for (OdDbObjectId e : space->entityIds()) writeEntity(e);
  }
  endSection();
}

void DxfWriter::writeObjects() {
  beginSection("OBJECTS");
  if (OdDbObjectPtr root = m_db->getNamedObjectsDictionaryId().openObject()) writeObject(root.get());
  // By handle: the order then does not depend on how the objects came into the database.
  std::vector<OdDbObjectId> rest;
  m_db->forEachObject([&](OdDbObjectId id) {
    OdDbObjectPtr obj = id.openObject();
    if (obj && !m_written.count(obj.get()) && !obj->isKindOf(OdDbEntity::desc()) &&
        !obj->isKindOf(OdDbSymbolTable::desc()) && !obj->isKindOf(OdDbSymbolTableRecord::desc()))
      rest.push_back(id);
  });
  std::sort(rest.begin(), rest.end());
  for (OdDbObjectId id : rest) writeObject(id.openObject().get());
  endSection();
}

void DxfWriter::writeOtherSections() {
  auto writeSection = [&](const std::string& name, const std::vector<dxf::KeptGroup>& groups) {
    beginSection(name);
    for (const auto& g : groups) {
      if (g.code == 0) m_filer.put(0, g.text);
      else dxf::writeGroupByCode(&m_filer, g.code, g.text, g.id);
    }
    endSection();
  };
  for (const auto& section : m_db->otherSections()) writeSection(section.name, section.groups);
  if (!m_db->thumbnail().empty()) writeSection("THUMBNAILIMAGE", m_db->thumbnail());
}

}  // namespace

void odDxfWrite(OdDbDatabase* db, const DxfTextSink& sink) { DxfWriter(db, sink).write(); }

std::string odDxfWriteString(OdDbDatabase* db) {
  std::string out;
  odDxfWrite(db, [&](std::string_view piece) { out += piece; });
  return out;
}

void odDxfSave(OdDbDatabase* db, const OdString& path, const DxfTextSink& sink) {
  if (OdRxEventPtr event = odrxEvent()) event->fire_beginSave(db, path);
  odDxfWrite(db, sink);
}

std::string odDxfSaveString(OdDbDatabase* db, const OdString& path) {
  std::string out;
  odDxfSave(db, path, [&](std::string_view piece) { out += piece; });
  return out;
}

void odDxfWriteFile(OdDbDatabase* db, const OdString& path) { odWriteFileAtomically(path, odDxfSaveString(db, path)); }
