// Block references (INSERT), the attributes they own (ATTRIB ... SEQEND),
// attribute definitions (ATTDEF) and references repeated in rows and
// columns (MINSERT): read from real drawings and written back in order.

#include "DbAttribute.h"
#include "DbAttributeDefinition.h"
#include "DbBlockReference.h"
#include "DbLine.h"
#include "DbMInsertBlock.h"
#include "DbSymbolTable.h"
#include "EntityTestSupport.h"

#include <gtest/gtest.h>


namespace {

using namespace entity_test;

OdString blockName(const OdDbBlockReference* ref) {
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(ref->blockTableRecord().openObject().get());
  return block ? block->getName() : OdString();
}

std::vector<OdDbAttributePtr> attributesOf(const OdDbBlockReference* ref) {
  std::vector<OdDbAttributePtr> out;
  for (OdDbObjectId id : ref->attributeIds()) out.push_back(OdDbAttribute::cast(id.openObject().get()));
  return out;
}

// "BLOCK TAG=value@handle ... /seqend-handle": the block, its attributes and what closes them.
std::string shown(const OdDbBlockReference* ref) {
  std::string out = blockName(ref).utf8();
  for (const OdDbAttributePtr& a : attributesOf(ref)) {
    out += " " + a->tag().utf8() + "=" + a->textString().utf8() + "@" + a->getDbHandle().text();
    EXPECT_EQ(a->ownerId(), ref->objectId());
  }
  if (!ref->seqendId().isNull()) out += " /" + ref->seqendId().getHandle().text();
  return out;
}

std::string names(const std::vector<Record>& records) {
  std::string out;
  for (const Record& r : records) out += r.name + " ";
  return out;
}

TEST(DbBlockReference, EachInsertOwnsItsAttributesAndSeqend) {
  SKIP_WITHOUT_TESTDATA();
  const struct {
    const char* file;
    uint64_t insert;
    const char* shown;
  } cases[] = {
      // The SEQEND has a lower handle than the attribute: file order is what counts.
      {"dxf/attribute_AC1032.dxf", 0x2D0, "BL1 ATRIBUTOTEST=TESTTEST@2D2 /2D1"},
      {"dxf/gh209_attribs_AC1024.dxf", 0x73, "symbol_work TEST=888@7B /7C"},
      {"dxf/gh209_attribs_AC1024.dxf", 0x7D, "symbol_work TEST=456@7E /7F"},
      {"dxf/gh209_attribs_AC1024.dxf", 0x80, "symbol_border MISPAR_TIK=9456/23@87 /88"},
      {"dxf/example_r12_AC1009.dxf", 0x190, "BLOKO ETIKEDO=valoro de la teksto en bloko@192 /191"},
      {"dxf/example_r12_AC1009.dxf", 0x756, "BLOKO ETIKEDO=valoro@757 /759"},
      {"dxf/example_r12_AC1009.dxf", 0x1C8, "CIRKLO_PUNKTOJ"},  // owns nothing
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    OdDbDatabasePtr db = readDrawing(c.file);
    OdDbBlockReferencePtr ref = byHandle<OdDbBlockReference>(db.get(), c.insert);
    ASSERT_TRUE(ref);
    EXPECT_FALSE(OdDbMInsertBlock::cast(ref.get()));
    EXPECT_EQ(shown(ref.get()), c.shown);
    EXPECT_EQ(ref->subentityIds().size(), ref->attributeIds().size() + !ref->seqendId().isNull());
    // Neither an attribute nor the SEQEND is an entity of model space.
    for (const auto& e : entitiesOf<OdDbEntity>(db.get()))
      for (OdDbObjectId owned : ref->subentityIds()) EXPECT_NE(e->objectId(), owned);
  }
  // R10: no handles at all.
  bool found = false;
  OdDbDatabasePtr r10 = readDrawing("dxf/r10_entities_AC1006.dxf");
  for (const auto& ref : entitiesOf<OdDbBlockReference>(r10.get())) {
    if (blockName(ref.get()) != OdString("BLOCK2")) continue;
    found = true;
    ASSERT_EQ(attributesOf(ref.get()).size(), 1u);
    EXPECT_EQ(attributesOf(ref.get())[0]->tag() + "=" + attributesOf(ref.get())[0]->textString(), OdString("ATTR2=4"));
    EXPECT_FALSE(ref->seqendId().isNull());
  }
  EXPECT_TRUE(found);
}

TEST(DbBlockReference, AttributesAreWrittenRightAfterTheirInsertWithTheirSeqend) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/attribute_AC1032.dxf");
  auto records = writtenRecords(db.get(), 0x2D0, 3);
  ASSERT_EQ(names(records), "INSERT ATTRIB SEQEND ");
  EXPECT_EQ(records[0].value(66) + records[0].value(2), "1BL1");
  EXPECT_EQ(records[1].value(5) + records[1].value(330), "2D22D0");
  EXPECT_EQ(records[1].values(100), (std::vector<std::string>{"AcDbEntity", "AcDbText", "AcDbAttribute"}));
  EXPECT_EQ(records[2].value(5) + records[2].value(330), "2D12D0");
  EXPECT_TRUE(attributesOf(byHandle<OdDbBlockReference>(db.get(), 0x2D0).get()).at(0)->lockPositionInBlock());
}

TEST(DbBlockReference, AttributeDefinitions) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr r12 = readDrawing("dxf/example_r12_AC1009.dxf");
  OdDbAttributeDefinitionPtr old = byHandle<OdDbAttributeDefinition>(r12.get(), 0x18F);
  ASSERT_TRUE(old);
  EXPECT_EQ(old->tag() + "," + old->prompt() + "," + old->textString(), OdString("ETIKEDO,invitilo,valoro"));
  OdDbDatabasePtr db = readDrawing("dxf/attribute_AC1032.dxf");
  OdDbAttributeDefinitionPtr def = byHandle<OdDbAttributeDefinition>(db.get(), 0x289);
  ASSERT_TRUE(def);
  EXPECT_EQ(def->prompt(), OdString("hola"));
  EXPECT_TRUE(def->lockPositionInBlock());
  EXPECT_FALSE(def->isMTextAttributeDefinition());
  Record r = writtenRecord(db.get(), 0x289);
  EXPECT_EQ(r.values(100), (std::vector<std::string>{"AcDbEntity", "AcDbText", "AcDbAttributeDefinition"}));
  // The version comes before the prompt and tag, the lock position after them.
  EXPECT_EQ(r.values(280), (std::vector<std::string>{"0", "1"}));
  auto codes = r.codes();
  EXPECT_LT(std::find(codes.begin(), codes.end(), 3), std::find(codes.begin(), codes.end(), 2));
}

TEST(DbBlockReference, AttributesFollowFlagWithoutAttributes) {
  // An INSERT that says attributes follow, then only its SEQEND; another
  // that says so with nothing at all after it but a LINE.
  const std::string text = drawingWithEntities(
      "AC1015",
      "0\nINSERT\n5\n80\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockReference\n66\n1\n2\nBLK\n10\n1\n20\n2\n30\n0\n"
      "0\nSEQEND\n5\n81\n100\nAcDbEntity\n8\n0\n"
      "0\nINSERT\n5\n82\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockReference\n66\n1\n2\nBLK\n10\n3\n20\n4\n30\n0\n"
      "0\nLINE\n5\n83\n100\nAcDbEntity\n8\n0\n100\nAcDbLine\n10\n0\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n");
  OdDbDatabasePtr db = odDxfReadBuffer(text, OdString("follow.dxf"));
  OdDbBlockReferencePtr first = byHandle<OdDbBlockReference>(db.get(), 0x80);
  OdDbBlockReferencePtr second = byHandle<OdDbBlockReference>(db.get(), 0x82);
  ASSERT_TRUE(first && second);
  EXPECT_EQ(shown(first.get()) + "|" + shown(second.get()), "BLK /81|BLK");
  // The LINE is the drawing's, not the reference's.
  auto lines = entitiesOf<OdDbLine>(db.get());
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0]->getDbHandle().value(), 0x83u);
  EXPECT_EQ(entitiesOf<OdDbBlockReference>(db.get()).size(), 2u);

  // Written back, every INSERT that says attributes follow is closed by a SEQEND.
  auto records = recordsOf(odDxfWriteString(db.get()));
  for (size_t i = 0; i < records.size(); ++i) {
    if (records[i].name != "INSERT" || records[i].value(66) != "1") continue;
    size_t k = i + 1;
    while (k < records.size() && records[k].name == "ATTRIB") ++k;
    ASSERT_LT(k, records.size());
    EXPECT_EQ(records[k].name, "SEQEND") << "after INSERT " << records[i].value(5);
  }
}

// A block "TAG" with one attribute definition, in a new database.
OdDbObjectId makeBlockWithDefinition(OdDbDatabase* db) {
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::createObject();
  block->setName(OdString("TAG"));
  OdDbObjectId blockId = db->blockTable()->add(block.get());
  OdDbAttributeDefinitionPtr def = OdDbAttributeDefinition::createObject();
  def->setTag(OdString("NUMBER"));
  block->appendOdDbEntity(def.get());
  return blockId;
}

TEST(DbBlockReference, AttributesAppendedThroughTheApiAreWrittenAfterTheirInsert) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDbObjectId blockId = makeBlockWithDefinition(db.get());
  OdDbBlockReferencePtr ref = OdDbBlockReference::createObject();
  ref->setBlockTableRecord(blockId);
  EXPECT_THROW(ref->appendAttribute(OdDbAttribute::createObject().get()), OdError);  // not yet in a database
  OdDbObjectId refId = addToModelSpace(db.get(), ref.get());
  for (const char* value : {"101", "102"}) {
    OdDbAttributePtr attr = OdDbAttribute::createObject();
    attr->setTag(OdString("NUMBER"));
    attr->setTextString(OdString(value));
    attr->setHeight(0.5);
    ref->appendAttribute(attr.get());
  }
  EXPECT_FALSE(ref->seqendId().isNull());
  auto records = writtenRecords(db.get(), refId.getHandle(), 4);
  ASSERT_EQ(names(records), "INSERT ATTRIB ATTRIB SEQEND ");
  EXPECT_EQ(records[0].value(66) + records[0].value(2), "1TAG");
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(records[i].value(330), refId.getHandle().text()) << i;
  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdDbBlockReferencePtr read = byHandle<OdDbBlockReference>(again.get(), refId.getHandle());
  ASSERT_TRUE(read);
  auto attributes = attributesOf(read.get());
  ASSERT_EQ(attributes.size(), 2u);
  EXPECT_EQ(attributes[1]->textString(), OdString("102"));
}

TEST(DbBlockReference, MInsertIsChosenByItsGridInOldFilesAndWrittenWithItsMarker) {
  const std::string text = drawingWithEntities(
      "AC1009",
      "0\nINSERT\n5\n90\n8\n0\n2\nBLK\n10\n1\n20\n2\n30\n0\n70\n3\n71\n2\n44\n10\n45\n5\n"
      "0\nINSERT\n5\n91\n8\n0\n2\nBLK\n10\n0\n20\n0\n30\n0\n70\n1\n71\n1\n");
  OdDbDatabasePtr db = odDxfReadBuffer(text, OdString("minsert.dxf"));
  OdDbMInsertBlockPtr grid = byHandle<OdDbMInsertBlock>(db.get(), 0x90);
  ASSERT_TRUE(grid);
  EXPECT_EQ(grid->columns(), 3);
  EXPECT_EQ(grid->rowSpacing(), 5.0);
  EXPECT_FALSE(OdDbMInsertBlock::cast(byHandle<OdDbBlockReference>(db.get(), 0x91).get()));
  // Written with its marker, it reads back as what it is, even a grid of one cell.
  Record r = writtenRecord(db.get(), 0x90);
  EXPECT_EQ(r.name + " " + r.value(100, 1), "INSERT AcDbMInsertBlock");
  OdDbDatabasePtr again = saveAndReopen(db.get());
  EXPECT_TRUE(byHandle<OdDbMInsertBlock>(again.get(), 0x90));
  EXPECT_FALSE(OdDbMInsertBlock::cast(byHandle<OdDbBlockReference>(again.get(), 0x91).get()));
  OdDbMInsertBlockPtr one = OdDbMInsertBlock::createObject();
  one->setBlockTableRecord(makeBlockWithDefinition(db.get()));
  OdDbObjectId oneId = addToModelSpace(db.get(), one.get());
  EXPECT_TRUE(byHandle<OdDbMInsertBlock>(saveAndReopen(db.get()).get(), oneId.getHandle()));
}

}  // namespace
