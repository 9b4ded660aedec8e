#include "DcHost.h"
#include "HostExports.h"
#include "module/ModuleTestSupport.h"

#include "IProfile.h"

using namespace dwgcompare;

using DcHostTest = HostFixture;

TEST_F(DcHostTest, FindsTheRunningHostsServicesThroughItsExports) {
  EXPECT_EQ(hostDocManager(), &app->docManager());
  EXPECT_EQ(hostEditor(), &app->editor());
  EXPECT_EQ(hostAppServices(), &app->services());
  EXPECT_EQ(hostApp(), app.get());
  IProfile* profile = hostProfile();
  ASSERT_NE(profile, nullptr);
  profile->release();
  EXPECT_EQ(hostTranslate(L"Drawing Compare"), OdString("Drawing Compare"));
}

TEST_F(DcHostTest, ReadsSystemVariablesAndPrintsWhereTheUserLooks) {
  OdResBufPtr props = hostSystemVariable("COMPAREPROPS");
  ASSERT_FALSE(props.isNull());
  EXPECT_EQ(props->getInt32(), 0);
  EXPECT_TRUE(hostSystemVariable("NOSUCHVARIABLE").isNull());

  hostPrint("before any drawing");
  ASSERT_EQ(app->docManager().newDocument(), eOk);
  hostPrint("in the drawing");
  EXPECT_EQ(app->docManager().curDocument()->commandLine().log().back(), OdString("in the drawing"));
}

TEST(DcHostWithoutHostTest, AnswersNothingWhenNoHostRuns) {
  EXPECT_EQ(hostDocManager(), nullptr);
  EXPECT_EQ(hostCurrentDocument(), nullptr);
  EXPECT_TRUE(hostSystemVariable("COMPAREPROPS").isNull());
  hostPrint("nobody listens");
  hostRegen();
}
