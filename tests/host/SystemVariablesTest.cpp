#include "HostTestSupport.h"

class SystemVariablesTest : public HostFixture {};

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
