#include "CopyTestSupport.h"
#include "DxfObjectCopy.h"
#include "DxfObjectReader.h"
#include "DxfTypedRecorder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool hasReactorToNothing(const OdDbObject* obj) {
  const auto& reactors = obj->persistentReactors();
  return std::any_of(reactors.begin(), reactors.end(), [](OdDbObjectId id) { return !id.isValid(); });
}

// Every object of the test drawings copies into what writing its groups and reading them back makes.
TEST(DxfObjectCopy, CopiesAsWritingAndReadingBack) {
  for (auto& [name, db] : copyTestDrawings()) {
    SameDatabaseContext ctx(db.get());
    OdStaticRxObject<OdDbDxfTypedRecorder> scratch(db.get());
    for (const OdDbObjectPtr& source : objectsOf(db.get())) {
      OdDbObjectPtr readBack = emptyObjectLike(source.get());
      OdDbObjectPtr copy = emptyObjectLike(source.get());
      // A reactor to nothing is no reactor of a copy; read back, it would be a null one.
      if (!readBack || hasReactorToNothing(source.get())) continue;
      dxf::readObjectGroups(readBack.get(), dxf::groupViews(dxf::recordGroups(source.get())), ctx);
      dxf::copyObject(source.get(), copy.get(), ctx, scratch);
      EXPECT_EQ(writtenGroups(copy.get()), writtenGroups(readBack.get()))
          << name << ": " << source->isA()->name().utf8() << " " << source->getDbHandle().text();
      EXPECT_EQ(copy->ownerId(), readBack->ownerId());
      EXPECT_EQ(copy->extensionDictionary(), readBack->extensionDictionary());
      EXPECT_EQ(copy->persistentReactors(), readBack->persistentReactors());
    }
  }
}

// A context that sends every reference elsewhere: copies translate each once, readers of groups too.
class ShiftingContext : public SameDatabaseContext {
 public:
  ShiftingContext(OdDbDatabase* db, OdDbObjectId to) : SameDatabaseContext(db), m_to(to) {}
  OdDbObjectId idFromId(OdDbObjectId id) override { return id.isNull() ? id : m_to; }
  OdDbObjectId symbol(dxf::SymbolTable, OdDbObjectId, const char*) override { return m_to; }
  OdDbObjectId reactor(OdDbObjectId) override { return OdDbObjectId(); }

 private:
  OdDbObjectId m_to;
};

TEST(DxfObjectCopy, TranslatesReferencesAndKeepsKeptGroups) {
  CloneTestDrawing drawing;
  OdDbObjectPtr line = drawing.line.openObject(OdDb::kForWrite);
  line->keptGroups().push_back(dxf::KeptGroup{1, 1000, OdDbObjectId(), "unmodelled"});
  line->keptGroups().push_back(dxf::KeptGroup{1, 340, drawing.insert, ""});
  line->keptGroups().push_back(dxf::KeptGroup{1, 40, OdDbObjectId(), "1.500"});
  line->addPersistentReactor(drawing.polyline);
  ShiftingContext ctx(drawing.db.get(), drawing.xrecord);
  OdStaticRxObject<OdDbDxfTypedRecorder> scratch(drawing.db.get());
  OdDbLinePtr copy = OdDbLine::createObject();
  dxf::copyObject(line.get(), copy.get(), ctx, scratch);
  EXPECT_EQ(copy->layerId(), drawing.xrecord);
  EXPECT_EQ(copy->ownerId(), drawing.xrecord);
  EXPECT_EQ(copy->extensionDictionary(), drawing.xrecord);
  EXPECT_TRUE(copy->persistentReactors().empty());  // the context gives the reactor none
  EXPECT_EQ(copy->endPoint(), OdGePoint3d(10, 0, 0));
  const auto& kept = copy->keptGroups();
  ASSERT_EQ(kept.size(), 3u);
  EXPECT_EQ(kept[0].text, "unmodelled");
  EXPECT_EQ(kept[1].id, drawing.xrecord);
  EXPECT_EQ(kept[2].text, "1.5");  // as the filer writes it
  EXPECT_EQ(kept[2].section, 1);
}

}  // namespace
