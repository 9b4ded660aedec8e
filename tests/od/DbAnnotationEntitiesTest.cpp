// A multileader of a real drawing given new text.

#include "DbMLeader.h"
#include "EntityTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace entity_test;

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

}  // namespace
