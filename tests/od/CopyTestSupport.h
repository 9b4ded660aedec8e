#pragma once

// What the tests of typed recording and of copying objects share: contexts
// that leave references as they are (copies within one database), fresh
// objects of a source's class, and the objects of the test drawings.

#include "CloneTestDrawing.h"
#include "DbGenericObject.h"
#include "DbSymbolTable.h"
#include "DxfGroupRecorder.h"
#include "DxfReader.h"
#include "TestData.h"

#include <string>
#include <utility>
#include <vector>

// Reading within the database the groups came from: strings are UTF-8 as
// recorders keep them, handles and names are the database's own.
class SameDatabaseContext : public dxf::CopyContext {
 public:
  explicit SameDatabaseContext(OdDbDatabase* db) : m_db(db) {}

  OdString decodeString(std::string_view raw) override { return OdString(raw); }
  OdDbObjectId idFromHandle(std::string_view hex) override {
    return m_db->getOdDbObjectId(OdDbHandle(OdDbHandle::parse(hex)));
  }
  // As written to a file: a reference to nothing the database holds is none.
  OdDbObjectId idFromId(OdDbObjectId id) override { return id.isValid() ? id : OdDbObjectId(); }
  OdDbObjectId symbolByName(dxf::SymbolTable table, const OdString& name) override {
    OdDbSymbolTable* records = m_db->table(OdDbDatabase::tableOf(table));
    return records ? records->getAt(name) : OdDbObjectId();
  }
  OdDbObjectId symbol(dxf::SymbolTable table, OdDbObjectId source, const char* namelessName) override {
    OdString name = dxf::symbolNameOf(source.openObject(OdDb::kForRead, true).get());
    return symbolByName(table, name.isEmpty() ? OdString(namelessName) : name);
  }
  OdDbDatabase* database() override { return m_db; }
  int version() const override { return 1032; }

 private:
  OdDbDatabase* m_db;
};

// A new, empty object of the source's class (generic ones with its record name and class).
inline OdDbObjectPtr emptyObjectLike(const OdDbObject* source) {
  auto generic = [&](auto made, OdRxClass* base) {
    made->setDxfRecordName(source->dxfRecordName());
    if (source->isA()->isDerivedFrom(base)) made->setRuntimeClass(source->isA());
    return OdDbObjectPtr(made.get());
  };
  if (dynamic_cast<const OdDbGenericEntity*>(source))
    return generic(OdDbGenericEntity::createObject(), OdDbGenericEntity::desc());
  if (dynamic_cast<const OdDbGenericObject*>(source))
    return generic(OdDbGenericObject::createObject(), OdDbGenericObject::desc());
  OdRxObjectPtr made = source->isA()->create();
  return made ? OdDbObjectPtr::fromObject(made.get()) : OdDbObjectPtr();
}

// The groups an object writes, as text, with the ids of references.
inline std::vector<std::pair<int, std::string>> writtenGroups(const OdDbObject* obj) {
  std::vector<std::pair<int, std::string>> groups;
  for (const dxf::KeptGroup& g : dxf::recordGroups(obj)) groups.emplace_back(g.code, g.text);
  return groups;
}

// The drawings to go through: the clone test drawing and every DXF file of the test data.
inline std::vector<std::pair<std::string, OdDbDatabasePtr>> copyTestDrawings() {
  std::vector<std::pair<std::string, OdDbDatabasePtr>> drawings;
  drawings.emplace_back("CloneTestDrawing", CloneTestDrawing().db);
  for (const auto& path : testDataFiles("dxf", ".dxf"))
    drawings.emplace_back(path.filename().string(), odDxfReadFile(OdString(path.string())));
  return drawings;
}

// Every object of the database that is not erased.
inline std::vector<OdDbObjectPtr> objectsOf(OdDbDatabase* db) {
  std::vector<OdDbObjectPtr> objects;
  db->forEachObject([&](OdDbObjectId id) {
    if (OdDbObjectPtr obj = id.openObject()) objects.push_back(obj);
  });
  return objects;
}
