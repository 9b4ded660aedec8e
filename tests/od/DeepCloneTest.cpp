#include "CloneTestDrawing.h"
#include "DbDeepClone.h"
#include "DbRasterImage.h"
#include "DxfGroupRecorder.h"
#include "DxfReader.h"
#include "DxfWriter.h"
#include "RxEvent.h"
#include "TestData.h"

#include <gtest/gtest.h>

#include <unordered_set>

namespace {

OdDbObjectId cloneOf(OdDbIdMapping& mapping, OdDbObjectId source) {
  OdDbIdPair pair(source);
  return mapping.compute(pair) ? pair.value() : OdDbObjectId();
}

template <class T>
OdSmartPtr<T> open(OdDbObjectId id) {
  return T::cast(id.openObject().get());
}

OdDbObjectId layerNamed(OdDbDatabase* db, const char* name) { return db->layerTable()->getAt(OdString(name)); }

// Clones the whole model space of the source into the destination's.
OdDbIdMappingPtr cloneModelSpace(OdDbDatabase* source, OdDbDatabase* dest,
                                 OdDb::DuplicateRecordCloning drc = OdDb::kDrcIgnore) {
  OdDbIdMappingPtr mapping = OdDbIdMapping::createObject();
  mapping->setDuplicateRecordCloning(drc);
  OdDbObjectIdArray ids = CloneTestDrawing::block(source->getModelSpaceId())->entityIds();
  source->deepCloneObjects(ids, dest->getModelSpaceId(), *mapping);
  return mapping;
}

class CloneEvents : public OdRxEventReactor {
 public:
  CloneEvents() { odrxEvent()->addReactor(this); }
  ~CloneEvents() override { odrxEvent()->removeReactor(this); }
  void beginDeepClone(OdDbDatabase*, OdDbIdMapping& mapping) override { calls.push_back({"begin", &mapping}); }
  void endDeepClone(OdDbIdMapping& mapping) override { calls.push_back({"end", &mapping}); }
  std::vector<std::pair<std::string, OdDbIdMapping*>> calls;
};

// The test drawing's model space cloned into a new drawing, the clone's events heard.
class ModelSpaceClone : public ::testing::Test {
 protected:
  CloneTestDrawing source;
  OdDbDatabasePtr dest = OdDbDatabase::create();
  CloneEvents events;
  OdDbIdMappingPtr mapping = cloneModelSpace(source.db.get(), dest.get());
};

TEST_F(ModelSpaceClone, EveryObjectIsClonedOnceWithItsFlags) {
  std::vector<OdDbObjectId> primaries = source.modelSpaceIds();
  std::unordered_set<OdDbObjectId> asked(primaries.begin(), primaries.end()), keys, clones;
  for (const OdDbIdPair& pair : pairsOf(*mapping)) {
    EXPECT_TRUE(keys.insert(pair.key()).second) << "a key twice";
    EXPECT_EQ(pair.key().database(), source.db.get());
    EXPECT_EQ(pair.value().database(), dest.get());
    EXPECT_EQ(pair.isPrimary(), asked.count(pair.key()) == 1);
    EXPECT_TRUE(pair.isOwnerXlated());
    if (pair.isCloned()) {
      EXPECT_TRUE(clones.insert(pair.value()).second) << "two objects cloned into one";
    }
  }
  for (OdDbObjectId id : asked) EXPECT_TRUE(keys.count(id));
  for (OdDbObjectId owned : {source.xrecord, source.attribute, source.door, source.doorLine, source.walls, source.dashed})
    EXPECT_TRUE(keys.count(owned)) << "not in the mapping: " << owned.getHandle().text();
  EXPECT_EQ(mapping->origDb(), source.db.get());
  EXPECT_EQ(mapping->destDb(), dest.get());
  // Begin and end fired once each, with the mapping.
  EXPECT_EQ(events.calls, (decltype(events.calls){{"begin", mapping.get()}, {"end", mapping.get()}}));
}

TEST_F(ModelSpaceClone, ClonesLandInTheOwnerInOrderWithTheirReferencesTranslated) {
  std::vector<OdDbObjectId> entities = CloneTestDrawing::block(dest->getModelSpaceId())->entityIds();
  ASSERT_EQ(entities.size(), 3u);
  EXPECT_EQ(entities[0], cloneOf(*mapping, source.line));
  EXPECT_EQ(entities[2], cloneOf(*mapping, source.polyline));

  OdDbLinePtr line = open<OdDbLine>(entities[0]);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->endPoint(), OdGePoint3d(10, 0, 0));
  EXPECT_EQ(line->ownerId(), dest->getModelSpaceId());
  EXPECT_EQ(line->layerId(), layerNamed(dest.get(), "WALLS"));
  OdSmartPtr<OdDbLayerTableRecord> walls = open<OdDbLayerTableRecord>(line->layerId());
  EXPECT_EQ(walls->colorIndex(), 5);
  EXPECT_EQ(walls->linetypeObjectId(), dest->linetypeTable()->getAt(OdString("DASHED")));
  EXPECT_NE(walls->linetypeObjectId(), OdDbObjectId());
}

TEST_F(ModelSpaceClone, OwnedObjectsAreClonedWithTheirOwner) {

  OdDbLinePtr line = open<OdDbLine>(cloneOf(*mapping, source.line));
  OdDbDictionaryPtr xdict = open<OdDbDictionary>(line->extensionDictionary());
  ASSERT_TRUE(xdict);
  EXPECT_EQ(xdict->database(), dest.get());
  EXPECT_EQ(xdict->ownerId(), line->objectId());
  OdDbXrecordPtr data = open<OdDbXrecord>(xdict->getAt(OdString("DATA")));
  ASSERT_TRUE(data);
  EXPECT_EQ(data->ownerId(), xdict->objectId());
  EXPECT_EQ(data->rbChain()->getString(), OdString("kept"));

  OdDbBlockReferencePtr insert = open<OdDbBlockReference>(cloneOf(*mapping, source.insert));
  ASSERT_EQ(insert->attributeIds().size(), 1u);
  OdDbAttributePtr attribute = open<OdDbAttribute>(insert->attributeIds()[0]);
  EXPECT_EQ(attribute->ownerId(), insert->objectId());
  EXPECT_EQ(attribute->tag(), OdString("NUMBER"));
  ASSERT_FALSE(insert->seqendId().isNull());
  EXPECT_EQ(open<OdDbObject>(insert->seqendId())->ownerId(), insert->objectId());

  OdDb2dPolylinePtr polyline = open<OdDb2dPolyline>(cloneOf(*mapping, source.polyline));
  ASSERT_EQ(polyline->vertexIds().size(), 3u);
  for (OdDbObjectId v : polyline->vertexIds()) EXPECT_EQ(open<OdDbObject>(v)->ownerId(), polyline->objectId());
  EXPECT_EQ(polyline->vertexPositions()[2], OdGePoint3d(2, 4, 0));
}

TEST_F(ModelSpaceClone, ABlockReferenceBringsItsBlockWithItsEntities) {
  OdDbBlockReferencePtr insert = open<OdDbBlockReference>(cloneOf(*mapping, source.insert));
  OdDbBlockTableRecordPtr door = CloneTestDrawing::block(insert->blockTableRecord());
  ASSERT_TRUE(door);
  EXPECT_EQ(door->getName(), OdString("DOOR"));
  EXPECT_EQ(door->database(), dest.get());
  EXPECT_EQ(dest->blockTable()->getAt(OdString("DOOR")), door->objectId());
  ASSERT_EQ(door->entityIds().size(), 1u);
  OdDbLinePtr inner = open<OdDbLine>(door->entityIds()[0]);
  EXPECT_EQ(inner->ownerId(), door->objectId());
  EXPECT_EQ(inner->endPoint(), OdGePoint3d(1, 2, 0));
  EXPECT_FALSE(door->blockBeginId().isNull());
  EXPECT_EQ(open<OdDbObject>(door->blockBeginId())->ownerId(), door->objectId());
}

TEST_F(ModelSpaceClone, NoCloneReferencesTheSourceDatabase) {
  for (const OdDbIdPair& pair : pairsOf(*mapping)) {
    if (!pair.isCloned()) continue;
    OdDbObjectPtr clone = pair.value().openObject();
    ASSERT_TRUE(clone);
    EXPECT_EQ(clone->ownerId().database(), dest.get());
    for (const dxf::KeptGroup& g : dxf::recordGroups(clone.get()))
      if (!g.id.isNull()) {
        EXPECT_EQ(g.id.database(), dest.get()) << clone->isA()->name().utf8() << " group " << g.code;
      }
  }
}

TEST(DeepClone, StandardSymbolsAreTheDestinationsOwn) {
  CloneTestDrawing source;
  OdDbDatabasePtr dest = OdDbDatabase::create();
  OdDbLinePtr onZero = OdDbLine::createObject();
  source.modelSpace()->appendOdDbEntity(onZero.get());
  OdDbIdMappingPtr mapping = cloneModelSpace(source.db.get(), dest.get(), OdDb::kDrcXrefMangleName);
  OdDbLinePtr clone = open<OdDbLine>(cloneOf(*mapping, onZero->objectId()));
  EXPECT_EQ(clone->layerId(), dest->layerZeroId());
  EXPECT_EQ(clone->linetypeId(), dest->linetypeByLayerId());
  OdDbIdPair zero(source.db->layerZeroId());
  ASSERT_TRUE(mapping->compute(zero));
  EXPECT_FALSE(zero.isCloned());
}

TEST(DeepClone, DuplicateRecordsAreIgnoredReplacedOrMangled) {
  struct Case {
    OdDb::DuplicateRecordCloning drc;
    const char* layerName;
    int16_t color;
    bool sameRecord;
  };
  const Case cases[] = {{OdDb::kDrcIgnore, "WALLS", 3, true},
                        {OdDb::kDrcReplace, "WALLS", 5, true},
                        {OdDb::kDrcMangleName, "$0$WALLS", 5, false},
                        {OdDb::kDrcXrefMangleName, "$0$WALLS", 5, false}};
  for (const Case& c : cases) {
    CloneTestDrawing source;
    OdDbDatabasePtr dest = OdDbDatabase::create();
    OdDbLayerTableRecordPtr existing = OdDbLayerTableRecord::createObject();
    existing->setName(OdString("WALLS"));
    existing->setColorIndex(3);
    OdDbObjectId existingId = dest->layerTable()->add(existing.get());
    OdDbIdMappingPtr mapping = cloneModelSpace(source.db.get(), dest.get(), c.drc);
    OdDbLinePtr line = open<OdDbLine>(cloneOf(*mapping, source.line));
    OdSmartPtr<OdDbLayerTableRecord> layer = open<OdDbLayerTableRecord>(line->layerId());
    EXPECT_EQ(layer->getName(), OdString(c.layerName)) << c.drc;
    EXPECT_EQ(layer->colorIndex(), c.color) << c.drc;
    EXPECT_EQ(line->layerId() == existingId, c.sameRecord) << c.drc;
    EXPECT_EQ(dest->layerTable()->getAt(OdString("WALLS")), existingId) << c.drc;
    OdDbIdPair pair(source.walls);
    ASSERT_TRUE(mapping->compute(pair));
    EXPECT_EQ(pair.isCloned(), c.drc != OdDb::kDrcIgnore) << c.drc;
  }
}

// An image in model space whose definition is the entry "logo" of the
// dictionary ACAD_IMAGE_DICT of the named objects dictionary.
OdDbObjectId addImage(OdDbDatabase* db, const char* definitionText) {
  OdDbDictionaryPtr root = OdDbDictionary::cast(db->getNamedObjectsDictionaryId().openObject(OdDb::kForWrite).get());
  OdDbDictionaryPtr images = OdDbDictionary::createObject();
  root->setAt(OdString("ACAD_IMAGE_DICT"), images.get());
  OdDbXrecordPtr definition = OdDbXrecord::createObject();
  definition->setFromRbChain(OdResBuf::newRb(OdResBuf::kRtString, OdString(definitionText)).get());
  OdDbObjectId definitionId = images->setAt(OdString("logo"), definition.get());
  OdDbRasterImagePtr image = OdDbRasterImage::createObject();
  image->setImageDefId(definitionId);
  return CloneTestDrawing::block(db->getModelSpaceId(), OdDb::kForWrite)->appendOdDbEntity(image.get());
}

TEST(DeepClone, NamedObjectsReferencedByHardPointersComeAlong) {
  OdDbDatabasePtr source = OdDbDatabase::create(), other = OdDbDatabase::create(), dest = OdDbDatabase::create();
  OdDbObjectId image = addImage(source.get(), "logo.png");
  OdDbObjectId otherImage = addImage(other.get(), "another logo.png");
  OdDbIdMappingPtr first = cloneModelSpace(source.get(), dest.get());
  OdDbIdMappingPtr again = cloneModelSpace(source.get(), dest.get());
  OdDbIdMappingPtr different = cloneModelSpace(other.get(), dest.get());

  OdDbDictionaryPtr root = open<OdDbDictionary>(dest->getNamedObjectsDictionaryId());
  OdDbDictionaryPtr images = open<OdDbDictionary>(root->getAt(OdString("ACAD_IMAGE_DICT")));
  ASSERT_TRUE(images);
  EXPECT_EQ(images->numEntries(), 2);  // the same definition once, a different one as logo_1
  OdDbObjectId logo = images->getAt(OdString("logo"));
  EXPECT_EQ(open<OdDbObject>(logo)->ownerId(), images->objectId());
  EXPECT_EQ(open<OdDbRasterImage>(cloneOf(*first, image))->imageDefId(), logo);
  EXPECT_EQ(open<OdDbRasterImage>(cloneOf(*again, image))->imageDefId(), logo);
  EXPECT_EQ(open<OdDbRasterImage>(cloneOf(*different, otherImage))->imageDefId(), images->getAt(OdString("logo_1")));
}

// Every real drawing's model space clones into a new drawing entity for entity.
TEST(DeepClone, RealDrawingsCloneTheirModelSpace) {
  SKIP_WITHOUT_TESTDATA();
  std::vector<std::filesystem::path> files = testDataFiles("pairs", ".dxf");
  for (const auto& f : testDataFiles("dxf", ".dxf")) files.push_back(f);
  for (const auto& path : files) {
    SCOPED_TRACE(path.string());
    OdDbDatabasePtr source = odDxfReadFile(OdString(path.string()));
    OdDbDatabasePtr dest = OdDbDatabase::create();
    OdDbIdMappingPtr mapping = cloneModelSpace(source.get(), dest.get(), OdDb::kDrcXrefMangleName);
    std::vector<OdDbObjectId> from = CloneTestDrawing::block(source->getModelSpaceId())->entityIds();
    std::vector<OdDbObjectId> to = CloneTestDrawing::block(dest->getModelSpaceId())->entityIds();
    std::erase_if(from, [](OdDbObjectId id) { return id.isErased(); });
    ASSERT_EQ(from.size(), to.size());
    for (size_t i = 0; i < from.size(); ++i) {
      EXPECT_EQ(cloneOf(*mapping, from[i]), to[i]);
      EXPECT_EQ(from[i].openObject()->isA(), to[i].openObject()->isA());
    }
    size_t cloned = 0;
    for (const OdDbIdPair& pair : pairsOf(*mapping)) cloned += pair.isCloned() && pair.isOwnerXlated();
    EXPECT_GE(cloned, from.size());
    OdDbDatabasePtr reread = odDxfReadBuffer(odDxfWriteString(dest.get()), OdString("clone.dxf"));
    EXPECT_EQ(CloneTestDrawing::block(reread->getModelSpaceId())->entityCount(), static_cast<int>(from.size()));
  }
}

}  // namespace
