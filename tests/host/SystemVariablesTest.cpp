#include "HostTestSupport.h"

class SystemVariablesTest : public HostFixture {};

TEST_F(SystemVariablesTest, SetvarCommandSetsTheValue) {
  RecordingReactor reactor;
  app->editor().addReactor(&reactor);
  EXPECT_TRUE(app->typeLine("SETVAR COMPAREPROPS 3"));
  app->editor().removeReactor(&reactor);
  EXPECT_EQ(app->editor().getVar("COMPAREPROPS")->getInt32(), 3);
  EXPECT_EQ(reactor.events, (std::vector<std::string>{"willStart SETVAR", "sysVarChanged COMPAREPROPS", "ended SETVAR"}));
}

TEST_F(SystemVariablesTest, TypingTheNameAlonePrintsTheValueAndWithAValueSetsIt) {
  EXPECT_TRUE(app->typeLine("COMPARETOLERANCE;COMPARETOLERANCE 3"));
  EXPECT_NE(commandLog().find("COMPARETOLERANCE = 6"), std::string::npos) << commandLog();
  EXPECT_EQ(app->editor().getVar("comparetolerance")->getInt32(), 3);
}

TEST_F(SystemVariablesTest, ValuesOfTheWrongTypeOrRangeAreRefusedWithTheRange) {
  struct Case {
    const char* line;
    const char* message;
  };
  const Case refused[] = {
      {"SETVAR COMPAREPROPS abc", "invalid value \"abc\" for COMPAREPROPS; it takes a whole number from 0 to 63"},
      {"COMPAREPROPS 1.5", "invalid value \"1.5\" for COMPAREPROPS; it takes a whole number from 0 to 63"},
      {"SETVAR COMPAREPROPS 64", "invalid value \"64\" for COMPAREPROPS; it takes a whole number from 0 to 63"},
      {"COMPAREPROPS -1", "invalid value \"-1\" for COMPAREPROPS; it takes a whole number from 0 to 63"},
      {"SETVAR COMPARETOLERANCE 99", "invalid value \"99\" for COMPARETOLERANCE; it takes a whole number from 0 to 14"},
      {"COMPARETOLERANCE -1", "invalid value \"-1\" for COMPARETOLERANCE; it takes a whole number from 0 to 14"},
      {"SETVAR NOSUCHVAR 1", "unknown variable \"NOSUCHVAR\""},
  };
  for (const Case& c : refused) {
    EXPECT_FALSE(app->typeLine(c.line)) << c.line;
    EXPECT_NE(commandLog().find(c.message), std::string::npos) << c.line << "\n" << commandLog();
  }
  EXPECT_EQ(app->editor().getVar("COMPAREPROPS")->getInt32(), 0);
  EXPECT_EQ(app->editor().getVar("COMPARETOLERANCE")->getInt32(), 6);
  EXPECT_FALSE(app->editor().setVar("COMPAREPROPS", OdResBuf::newRb(OdResBuf::kRtInt32, int64_t(64)).get()));
  EXPECT_TRUE(app->typeLine("COMPAREPROPS 63;COMPARETOLERANCE 0;SETVAR COMPARETOLERANCE 14"));
  EXPECT_EQ(app->editor().getVar("COMPAREPROPS")->getInt32(), 63);
}

TEST_F(SystemVariablesTest, SetVarConvertsResBufValues) {
  EXPECT_TRUE(app->editor().setVar("COMPAREPROPS", OdResBuf::newRb(OdResBuf::kRtInt32, int64_t(5)).get()));
  EXPECT_EQ(app->editor().getVar("COMPAREPROPS")->getInt32(), 5);
  EXPECT_TRUE(app->editor().setVar("COMPAREPROPS", OdResBuf::newRb(OdResBuf::kRtDouble, 2.0).get()));
  EXPECT_EQ(app->editor().getVar("COMPAREPROPS")->getInt32(), 2);
  EXPECT_FALSE(app->editor().setVar("COMPAREPROPS", OdResBuf::newRb(OdResBuf::kRtString, OdString("x")).get()));
  EXPECT_FALSE(app->editor().setVar("NOSUCHVAR", OdResBuf::newRb(OdResBuf::kRtInt16, int64_t(1)).get()));
}

TEST_F(SystemVariablesTest, ModulesDefineVariablesOfOtherTypes) {
  HostSystemVariables& vars = app->editor().variables();
  EXPECT_TRUE(vars.define("CMPSCALE", OdResBuf::newRb(OdResBuf::kRtDouble, 1.0)));
  EXPECT_TRUE(vars.define("CMPORIGIN", OdResBuf::newRb(OdResBuf::kRtPoint3d, OdGePoint3d(0, 0, 0))));
  EXPECT_TRUE(vars.define("CMPTITLE", OdResBuf::newRb(OdResBuf::kRtString, OdString("none"))));
  EXPECT_FALSE(vars.define("COMPAREPROPS", OdResBuf::newRb(OdResBuf::kRtString, OdString("x"))));
  EXPECT_TRUE(app->typeLine("CMPSCALE 2.5;CMPORIGIN 1,2;SETVAR CMPTITLE \"Plan A\""));
  EXPECT_DOUBLE_EQ(app->editor().getVar("CMPSCALE")->getDouble(), 2.5);
  EXPECT_EQ(app->editor().getVar("CMPORIGIN")->getPoint3d(), OdGePoint3d(1, 2, 0));
  EXPECT_EQ(app->editor().getVar("CMPTITLE")->getString(), OdString("Plan A"));
  EXPECT_FALSE(app->typeLine("CMPORIGIN 1"));
  EXPECT_EQ(HostSystemVariables::toText(app->editor().getVar("CMPORIGIN").get()), OdString("1,2,0"));
}
