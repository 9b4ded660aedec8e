#pragma once

// Shared by the entity tests: reading the real drawings, finding entities in
// them, saving and reopening, and looking at the records a database writes.

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbEntity.h"
#include "DxfReader.h"
#include "DxfWriter.h"
#include "TestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace entity_test {

// A drawing under the test data folder ("dxf/...", "pairs/.../a.dxf").
inline OdDbDatabasePtr readDrawing(const std::string& relative) {
  return odDxfReadFile(OdString((testDataDir() / relative).string()));
}

// The object under the handle the file gave it, when it is of the class asked for.
template <class T>
OdSmartPtr<T> byHandle(OdDbDatabase* db, uint64_t handle) {
  OdDbObjectId id = db->getOdDbObjectId(OdDbHandle(handle));
  if (id.isNull()) return OdSmartPtr<T>();
  OdDbObjectPtr obj = id.openObject();
  return obj ? T::cast(obj.get()) : OdSmartPtr<T>();
}

// The entities of a block (model space when none is given) that are of the class asked for.
template <class T>
std::vector<OdSmartPtr<T>> entitiesOf(OdDbDatabase* db, OdDbObjectId blockId = OdDbObjectId()) {
  if (blockId.isNull()) blockId = db->getModelSpaceId();
  std::vector<OdSmartPtr<T>> found;
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(blockId.openObject().get());
  if (!block) return found;
  for (OdDbObjectId id : block->entityIds())
    if (OdDbObjectPtr obj = id.openObject())
      if (OdSmartPtr<T> e = T::cast(obj.get())) found.push_back(e);
  return found;
}

inline OdDbDatabasePtr saveAndReopen(OdDbDatabase* db) {
  return odDxfReadBuffer(odDxfWriteString(db), OdString("reopened.dxf"));
}

inline OdDbObjectId addToModelSpace(OdDbDatabase* db, OdDbEntity* entity) {
  OdDbBlockTableRecordPtr ms = OdDbBlockTableRecord::cast(db->getModelSpaceId().openObject(OdDb::kForWrite).get());
  return ms->appendOdDbEntity(entity);
}

// One record of a written file: its name (group 0) and the groups up to the next record.
struct Record {
  std::string name;
  std::vector<std::pair<int, std::string>> groups;

  // The value of the nth group with the code, or "" when there is none.
  std::string value(int code, int nth = 0) const {
    for (const auto& [c, v] : groups)
      if (c == code && nth-- == 0) return v;
    return std::string();
  }
  std::vector<std::string> values(int code) const {
    std::vector<std::string> out;
    for (const auto& [c, v] : groups)
      if (c == code) out.push_back(v);
    return out;
  }
  bool has(int code) const {
    for (const auto& g : groups)
      if (g.first == code) return true;
    return false;
  }
  double number(int code, int nth = 0) const { return std::strtod(value(code, nth).c_str(), nullptr); }
  // The codes in order, to check where groups are written.
  std::vector<int> codes() const {
    std::vector<int> out;
    for (const auto& g : groups) out.push_back(g.first);
    return out;
  }
};

inline std::vector<Record> recordsOf(const std::string& text) {
  std::vector<Record> records;
  std::istringstream in(text);
  std::string code, value;
  while (std::getline(in, code) && std::getline(in, value)) {
    if (!value.empty() && value.back() == '\r') value.pop_back();
    int c = std::atoi(code.c_str());
    if (c == 0) records.push_back(Record{value, {}});
    else if (!records.empty()) records.back().groups.emplace_back(c, value);
  }
  return records;
}

// The index of the record with the handle, or records.size().
inline size_t findRecord(const std::vector<Record>& records, uint64_t handle) {
  std::string text = OdDbHandle(handle).text();
  for (size_t i = 0; i < records.size(); ++i)
    if (records[i].value(5) == text) return i;
  return records.size();
}

// The record a database writes for the object with the handle.
inline Record writtenRecord(OdDbDatabase* db, uint64_t handle) {
  auto records = recordsOf(odDxfWriteString(db));
  size_t at = findRecord(records, handle);
  return at < records.size() ? records[at] : Record{};
}

// The record written for an entity together with the records written after
// it (its vertices or attributes and their SEQEND).
inline std::vector<Record> writtenRecords(OdDbDatabase* db, uint64_t handle, size_t count) {
  auto records = recordsOf(odDxfWriteString(db));
  size_t at = findRecord(records, handle);
  if (at >= records.size()) return {};
  return std::vector<Record>(records.begin() + at, records.begin() + std::min(records.size(), at + count));
}

// A minimal drawing: one entities section with the given records.
inline std::string drawingWithEntities(const std::string& version, const std::string& entities) {
  return "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\n" + version + "\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" + entities +
         "0\nENDSEC\n0\nEOF\n";
}

}  // namespace entity_test
