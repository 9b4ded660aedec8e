// Leaders, multileaders, tables, viewports and underlays as real drawings
// give them, and a multileader given new text.

#include "DbLeader.h"
#include "DbMLeader.h"
#include "DbMText.h"
#include "DbTable.h"
#include "DbUnderlayReference.h"
#include "DbViewport.h"
#include "EntityTestSupport.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

using namespace entity_test;

TEST(DbAnnotationEntities, LeaderWithItsTextFacingDown) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing(testdata::kFloorPlan);
  OdDbLeaderPtr leader = byHandle<OdDbLeader>(db.get(), 0xBD7);
  ASSERT_TRUE(leader);
  ASSERT_EQ(leader->numVertices(), 3);
  EXPECT_EQ(leader->vertexAt(2), OdGePoint3d(-211.9239644641228, -382.4879418915953, 0));
  EXPECT_EQ(leader->normal(), OdGeVector3d(0, 0, -1));
  OdDbMTextPtr text = OdDbMText::cast(leader->annotationObjId().openObject().get());
  ASSERT_TRUE(text);
  EXPECT_EQ(text->contents(), OdString("\\A1;PROVIDE 20 MIN. DOOR\\PW/ SELF CLOSING HINGES"));

  Record r = writtenRecord(db.get(), 0xBD7);
  EXPECT_EQ(r.value(76), "3");
  EXPECT_EQ(r.values(10).size(), 3u);
  EXPECT_EQ(r.value(340), "BD8");
}

TEST(DbAnnotationEntities, MultileaderText) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/api_cw750_curtainwall_details_AC1027.dxf");
  OdDbMLeaderPtr mleader = byHandle<OdDbMLeader>(db.get(), 0x7878);
  ASSERT_TRUE(mleader);
  EXPECT_EQ(mleader->contentType(), OdDbMLeader::kMTextContent);
  EXPECT_EQ(mleader->contents(), OdString("CW750-375\\PJOINT PLUG"));
  // New text replaces the old in the context data and survives save and reopen.
  ASSERT_TRUE(mleader->setContents(OdString("CW750-376\\PSEALANT")));
  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdDbMLeaderPtr read = byHandle<OdDbMLeader>(again.get(), 0x7878);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->contents(), OdString("CW750-376\\PSEALANT"));
  EXPECT_EQ(read->contextData().size(), mleader->contextData().size());
}

TEST(DbAnnotationEntities, TableRowsColumnsAndBlock) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing(testdata::kTable);
  auto tables = entitiesOf<OdDbTable>(db.get());
  ASSERT_EQ(tables.size(), 1u);
  OdDbTablePtr table = tables[0];
  EXPECT_EQ(table->numRows(), 3);
  EXPECT_EQ(table->numColumns(), 3);
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(table->blockTableRecord().openObject().get());
  ASSERT_TRUE(block);
  EXPECT_EQ(block->getName(), OdString("*T1"));
}

TEST(DbAnnotationEntities, PaperSpaceViewport) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/attribute_AC1032.dxf");
  OdDbViewportPtr vp = byHandle<OdDbViewport>(db.get(), 0x296);
  ASSERT_TRUE(vp);
  EXPECT_TRUE(vp->isInPaperSpace());
  EXPECT_EQ(vp->height(), 411.374763326226);
  EXPECT_EQ(vp->number(), 1);
  EXPECT_TRUE(vp->isOn());
  EXPECT_EQ(vp->viewCenter(), OdGePoint2d(128.5, 97.5));
}

TEST(DbAnnotationEntities, PdfUnderlayWithItsClipBoundary) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/underlay_pdf_AC1018.dxf");
  OdDbUnderlayReferencePtr underlay = byHandle<OdDbUnderlayReference>(db.get(), 0x276);
  ASSERT_TRUE(underlay);
  EXPECT_TRUE(OdDbPdfReference::cast(underlay.get()));
  EXPECT_DOUBLE_EQ(underlay->rotation(), 5 * std::numbers::pi / 180);
  EXPECT_TRUE(underlay->isOn() && underlay->isMonochrome() && underlay->isClipInverted() && !underlay->isClipped());
  EXPECT_EQ(underlay->fade(), 12);
  ASSERT_EQ(underlay->clipBoundary().size(), 6u);
  EXPECT_EQ(underlay->clipBoundary()[5], OdGePoint2d(6.599771918515898, 8.517686668337091));
  EXPECT_EQ(underlay->definitionId().getHandle().value(), 0x275u);

  Record r = writtenRecord(db.get(), 0x276);
  EXPECT_EQ(r.name, "PDFUNDERLAY");
  EXPECT_EQ(r.values(11).size(), 6u);
}

}  // namespace
