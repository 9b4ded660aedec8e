#include "DbDatabase.h"
#include "DbDictionary.h"
#include "DbXrecord.h"
#include "DxfReader.h"
#include "DxfWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

OdBinaryData chunkOf(uint8_t seed) {
  OdBinaryData chunk(255);
  for (size_t i = 0; i < chunk.size(); ++i) chunk[i] = static_cast<uint8_t>(seed + i * 7);
  chunk[250] = 0;  // zero bytes inside a chunk are data too
  return chunk;
}

OdResBufPtr pairChain() {
  OdResBufPtr first = OdResBuf::newRb(OdResBuf::kRtString, OdString("C:\\drawings\\plan \xC3\xA4.dwg"));
  OdResBufPtr last = first;
  auto add = [&](OdResBufPtr rb) { last = OdResBufPtr(last->setNext(rb.get())); };
  add(OdResBuf::newRb(OdResBuf::kRtString, OdString("plan.dwg ")));  // trailing blank is data
  add(OdResBuf::newRb(OdResBuf::kRtString, OdString("")));
  add(OdResBuf::newRb(OdResBuf::kRtString, OdString("1F")));
  add(OdResBuf::newRb(OdResBuf::kDxfBinaryChunk, chunkOf(1)));
  add(OdResBuf::newRb(OdResBuf::kDxfBinaryChunk, chunkOf(2)));
  add(OdResBuf::newRb(OdResBuf::kDxfBinaryChunk, OdBinaryData{1, 2, 3}));
  add(OdResBuf::newRb(OdResBuf::kDxfInt32, int64_t(-42)));
  add(OdResBuf::newRb(OdResBuf::kDxfReal, 0.1));
  add(OdResBuf::newRb(OdResBuf::kDxfXCoord, OdGePoint3d(1, 2, 3)));
  return first;
}

OdDbDatabasePtr saveAndReopen(OdDbDatabase* db) {
  auto path = std::filesystem::temp_directory_path() / ("xrecord_" + std::to_string(::getpid()) + ".dxf");
  odDxfWriteFile(db, OdString(path.string()));
  OdDbDatabasePtr reopened = odDxfReadFile(OdString(path.string()));
  std::filesystem::remove(path);
  return reopened;
}

TEST(Xrecord, StringsAndBinaryChunksSurviveSaveAndReopenItemForItem) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDbDictionaryPtr root = OdDbDictionary::cast(db->getNamedObjectsDictionaryId().openObject(OdDb::kForWrite).get());
  OdDbDictionaryPtr pair = OdDbDictionary::createObject();
  root->setAt(OdString("PAIR"), pair.get());
  OdDbXrecordPtr xrec = OdDbXrecord::createObject();
  xrec->setFromRbChain(pairChain().get());
  pair->setAt(OdString("File1"), xrec.get());

  OdDbDatabasePtr reopened = saveAndReopen(db.get());
  OdDbDictionaryPtr root2 = OdDbDictionary::cast(reopened->getNamedObjectsDictionaryId().openObject().get());
  ASSERT_TRUE(root2);
  OdDbDictionaryPtr pair2 = OdDbDictionary::cast(root2->getAt(OdString("PAIR")).openObject().get());
  ASSERT_TRUE(pair2);
  OdDbXrecordPtr xrec2 = OdDbXrecord::cast(pair2->getAt(OdString("File1")).openObject().get());
  ASSERT_TRUE(xrec2);

  OdResBufPtr a = pairChain(), b = xrec2->rbChain();
  int items = 0;
  for (; a && b; a = a->next(), b = b->next(), ++items) {
    ASSERT_EQ(a->restype(), b->restype()) << "item " << items;
    EXPECT_EQ(a->getString(), b->getString()) << "item " << items;
    EXPECT_EQ(a->getBinaryChunk(), b->getBinaryChunk()) << "item " << items;
    EXPECT_EQ(a->getInt64(), b->getInt64()) << "item " << items;
    EXPECT_EQ(a->getDouble(), b->getDouble()) << "item " << items;
    EXPECT_EQ(a->getPoint3d(), b->getPoint3d()) << "item " << items;
  }
  EXPECT_EQ(items, 10);
  EXPECT_FALSE(a);
  EXPECT_FALSE(b);
}

TEST(Dictionary, SetAtReplacesAnEntryAndNamesIgnoreCase) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDbDictionaryPtr root = OdDbDictionary::cast(db->getNamedObjectsDictionaryId().openObject(OdDb::kForWrite).get());
  OdDbObjectId first = root->setAt(OdString("Key"), OdDbXrecord::createObject().get());
  OdDbObjectId second = root->setAt(OdString("KEY"), OdDbXrecord::createObject().get());
  EXPECT_NE(first, second);
  EXPECT_TRUE(first.isErased());
  EXPECT_EQ(root->getAt(OdString("key")), second);
  EXPECT_EQ(root->remove(OdString("kEy")), eOk);
  EXPECT_FALSE(root->has(OdString("Key")));
  EXPECT_EQ(root->remove(OdString("Key")), eKeyNotFound);
}

}  // namespace
