// A drawing saved by one program as ASCII DXF and as binary DXF reads into the
// same objects: every entity writes the same fields as its twin, which is
// what the comparison's fingerprints are made of.

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbSymbolTable.h"
#include "DxfReader.h"
#include "DxfTextFormat.h"
#include "DxfWriter.h"
#include "TestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

struct FieldValue {
  int code;
  std::string text;
  double number = 0;
};

// The fields an object writes with their defaults, as fingerprints take them:
// no handles or references (the twins number some objects differently) and
// doubles as numbers (ASCII files round them to 16 digits).
class FieldOutput : public OdStaticRxObject<dxf::TextFormatFiler<FieldOutput>> {
 public:
  explicit FieldOutput(OdDbDatabase* db) : m_db(db) {}

  OdDb::FilerType filerType() const override { return OdDb::kFileFiler; }
  OdDbDatabase* database() const override { return m_db; }
  bool includesDefaultValues() const override { return true; }
  void seek(int64_t, OdDb::FilerSeekType) override {}
  uint64_t tell() const override { return m_values.size(); }

  void wrHandle(int, OdDbHandle) override {}
  void wrDouble(int code, double value, int) override { m_values.push_back({code, std::string(), value}); }
  // Proxy graphics (310) hold bytes the writer leaves unset, different in each
  // save; fingerprints leave binary chunks out too.
  void wrBinaryChunk(int code, const uint8_t* data, uint32_t length) override {
    if (code != 310) TextFormatFiler::wrBinaryChunk(code, data, length);
  }

  void put(int code, std::string_view text) { m_values.push_back({code, std::string(text)}); }
  void putId(int, OdDbObjectId, std::string_view) {}

  const std::vector<FieldValue>& values() const { return m_values; }

 private:
  OdDbDatabase* m_db;
  std::vector<FieldValue> m_values;
};

std::vector<FieldValue> fieldsOf(const OdDbObject* obj) {
  FieldOutput out(obj->database());
  obj->dxfOutFields(&out);
  return out.values();
}

bool sameValue(const FieldValue& a, const FieldValue& b) {
  double scale = std::max({1.0, std::fabs(a.number), std::fabs(b.number)});
  return a.code == b.code && a.text == b.text && std::fabs(a.number - b.number) <= 1e-13 * scale;
}

std::string describe(const FieldValue& v) {
  std::ostringstream s;
  s << v.code << " '" << (v.text.size() > 80 ? v.text.substr(0, 80) + "..." : v.text) << "'";
  if (v.text.empty()) s << " " << v.number;
  return s.str();
}

// Empty when both objects write the same fields, else where they first differ.
std::string fieldDifference(const OdDbObject* a, const OdDbObject* b) {
  std::vector<FieldValue> fa = fieldsOf(a), fb = fieldsOf(b);
  auto [ia, ib] = std::mismatch(fa.begin(), fa.end(), fb.begin(), fb.end(), sameValue);
  if (ia == fa.end() && ib == fb.end()) return std::string();
  std::string where = a->isA()->name().utf8() + " " + a->getDbHandle().text() + ", value " +
                      std::to_string(ia - fa.begin()) + ": ";
  return where + (ia == fa.end() ? "(none)" : describe(*ia)) + " vs " + (ib == fb.end() ? "(none)" : describe(*ib));
}

// An entity and what it owns (vertices, attributes), in the order written.
std::vector<OdDbObjectPtr> entityAndParts(OdDbObjectId id) {
  std::vector<OdDbObjectPtr> objects{id.openObject()};
  for (OdDbObjectId part : static_cast<OdDbEntity*>(objects.front().get())->subentityIds())
    objects.push_back(part.openObject());
  return objects;
}

std::vector<OdDbObjectPtr> entitiesOf(OdDbObjectId blockId) {
  std::vector<OdDbObjectPtr> objects;
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(blockId.openObject().get());
  for (OdDbObjectId id : block->entityIds())
    for (OdDbObjectPtr& obj : entityAndParts(id)) objects.push_back(std::move(obj));
  return objects;
}

// Every block of a (model space among them) against the block of the same name in b, entity by entity.
void expectSameEntities(OdDbDatabase* a, OdDbDatabase* b) {
  size_t compared = 0;
  for (OdDbObjectId blockA : a->blockTable()->records()) {
    OdString name = OdDbSymbolTableRecord::cast(blockA.openObject().get())->getName();
    SCOPED_TRACE("block " + name.utf8());
    OdDbObjectId blockB = b->blockTable()->getAt(name);
    ASSERT_FALSE(blockB.isNull());
    std::vector<OdDbObjectPtr> ea = entitiesOf(blockA), eb = entitiesOf(blockB);
    ASSERT_EQ(ea.size(), eb.size());
    for (size_t i = 0; i < ea.size(); ++i) EXPECT_EQ(fieldDifference(ea[i].get(), eb[i].get()), "");
    compared += ea.size();
  }
  EXPECT_GT(compared, 0u);
}

TEST(DxfTwins, AsciiAndBinaryTwinsWriteTheSameFieldsForEveryEntity) {
  SKIP_WITHOUT_TESTDATA();
  auto all = asciiBinaryTwins();
  if (all.empty()) GTEST_SKIP() << "no twins in the test data";
  for (const auto& twins : all) {
    SCOPED_TRACE(twins.ascii.string());
    OdDbDatabasePtr a = odDxfReadFile(OdString(twins.ascii.string()));
    OdDbDatabasePtr b = odDxfReadFile(OdString(twins.binary.string()));
    expectSameEntities(a.get(), b.get());
    // Written as ASCII, the binary twin still holds the same text.
    OdDbDatabasePtr written = odDxfReadBuffer(odDxfWriteString(b.get()), OdString("written"));
    expectSameEntities(a.get(), written.get());
  }
}

}  // namespace
