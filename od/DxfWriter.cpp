#include "DxfWriter.h"

#include "DbBlockTableRecord.h"
#include "DbDictionary.h"
#include "DbSymbolTable.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <unordered_set>

#include <unistd.h>

namespace {

// The DXF filer that formats every value as text, one group per two lines.
class DxfTextFiler : public OdStaticRxObject<OdDbDxfFiler> {
 public:
  DxfTextFiler(OdDbDatabase* db, std::string& out) : m_db(db), m_out(out) {}

  OdDb::FilerType filerType() const override { return OdDb::kFileFiler; }
  OdDbDatabase* database() const override { return m_db; }
  void seek(int64_t, OdDb::FilerSeekType) override {}
  uint64_t tell() const override { return m_out.size(); }

  void wrString(int code, const OdString& value) override { put(code, value.utf8()); }
  void wrBool(int code, bool value) override { putInt(code, value ? 1 : 0); }
  void wrInt8(int code, int8_t value) override { putInt(code, value); }
  void wrUInt8(int code, uint8_t value) override { putInt(code, value); }
  void wrInt16(int code, int16_t value) override { putInt(code, value); }
  void wrUInt16(int code, uint16_t value) override { putInt(code, value); }
  void wrInt32(int code, int32_t value) override { putInt(code, value); }
  void wrUInt32(int code, uint32_t value) override { putInt(code, value); }
  void wrInt64(int code, int64_t value) override { putInt(code, value); }
  void wrUInt64(int code, uint64_t value) override { put(code, std::to_string(value)); }
  void wrHandle(int code, OdDbHandle value) override { put(code, value.text()); }
  // A reference to nothing the file holds is written as no reference.
  void wrObjectId(int code, OdDbObjectId value) override { put(code, value.isValid() ? value.getHandle().text() : "0"); }
  void wrDouble(int code, double value, int) override { put(code, dxf::formatDouble(value)); }
  void wrPoint2d(int code, const OdGePoint2d& p, int) override {
    wrDouble(code, p.x, 0);
    wrDouble(code + 10, p.y, 0);
  }
  void wrPoint3d(int code, const OdGePoint3d& p, int) override { wrTriple(code, p.x, p.y, p.z); }
  void wrVector2d(int code, const OdGeVector2d& v, int) override {
    wrDouble(code, v.x, 0);
    wrDouble(code + 10, v.y, 0);
  }
  void wrVector3d(int code, const OdGeVector3d& v, int) override { wrTriple(code, v.x, v.y, v.z); }
  void wrScale3d(int code, const OdGeScale3d& s, int) override { wrTriple(code, s.sx, s.sy, s.sz); }
  void wrBinaryChunk(int code, const uint8_t* data, uint32_t length) override {
    static const char* digits = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(length * 2);
    for (uint32_t i = 0; i < length; ++i) {
      hex += digits[data[i] >> 4];
      hex += digits[data[i] & 15];
    }
    put(code, hex);
  }

  void put(int code, std::string_view value) {
    putCode(code);
    // A line break inside a value would end the value early in every reader.
    for (char c : value) m_out += (c == '\n' || c == '\r') ? ' ' : c;
    m_out += '\n';
  }

 private:
  void wrTriple(int code, double x, double y, double z) {
    wrDouble(code, x, 0);
    wrDouble(code + 10, y, 0);
    wrDouble(code + 20, z, 0);
  }
  void putCode(int code) {
    char buf[16];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, code);
    for (ptrdiff_t pad = 3 - (end - buf); pad > 0; --pad) m_out += ' ';
    m_out.append(buf, end);
    m_out += '\n';
  }
  template <class T>
  void putInt(int code, T value) {
    putCode(code);
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    m_out.append(buf, end);
    m_out += '\n';
  }

  OdDbDatabase* m_db;
  std::string& m_out;
};

class DxfWriter {
 public:
  DxfWriter(OdDbDatabase* db, std::string& out) : m_db(db), m_filer(db, out) {}
  void write();

 private:
  void beginSection(const char* name) {
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
    m_written.insert(obj);
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
    beginSection(name.c_str());
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

std::string odDxfWriteString(OdDbDatabase* db) {
  std::string out;
  out.reserve(db->objectCount() * 300);
  DxfWriter(db, out).write();
  return out;
}

void odDxfWriteFile(OdDbDatabase* db, const OdString& path) {
  std::string text = odDxfWriteString(db);
  std::string target = path.utf8();
  std::string temp = target + ".tmp" + std::to_string(::getpid());
  FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) throw OdError(eFileWriteError, path + ": cannot write: " + OdString(std::strerror(errno)));
  bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  ok = (std::fflush(f) == 0) && ok;
  ok = (::fsync(fileno(f)) == 0) && ok;
  ok = (std::fclose(f) == 0) && ok;
  if (!ok || std::rename(temp.c_str(), target.c_str()) != 0) {
    std::string why = std::strerror(errno);
    std::remove(temp.c_str());
    throw OdError(eFileWriteError, path + ": cannot write: " + OdString(why));
  }
}
