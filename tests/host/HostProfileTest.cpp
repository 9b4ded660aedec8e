#include "HostTestSupport.h"

namespace {
HostRefPtr<IProfileSection> openSection(IProfile& profile, const char* path, bool create) {
  return HostRefPtr<IProfileSection>::adopt(profile.openSection(path, create));
}
}  // namespace

TEST(HostProfileTest, ValuesRoundTripThroughTheFile) {
  TempDir dir;
  std::string path = dir / "sub/profile";
  {
    auto profile = HostRefPtr<HostProfile>::adopt(new HostProfile(OdString(path)));
    auto section = openSection(*profile.get(), "cmddata/DrawingComparison", true);
    ASSERT_TRUE(section);
    EXPECT_TRUE(section->setUInt16("Mode", 65535));
    EXPECT_TRUE(section->setInt32("Offset", -123456));
    EXPECT_TRUE(section->setString("Title", L"Plan \"A\" \\ \x00e9\x4e2d\U0001F600\nline two"));
    EXPECT_TRUE(section->setString("Empty", L""));
    auto other = openSection(*profile.get(), "Other", true);
    EXPECT_TRUE(profile->flush());
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "sub"), {}), 1);

  auto profile = HostRefPtr<HostProfile>::adopt(new HostProfile(OdString(path)));
  EXPECT_TRUE(profile->problems().empty());
  auto section = openSection(*profile.get(), "CMDDATA/drawingcomparison", false);
  ASSERT_TRUE(section);
  EXPECT_EQ(section->getUInt16("mode", 0), 65535);
  EXPECT_EQ(section->getInt32("Offset", 0), -123456);
  ASSERT_NE(section->getString("Title"), nullptr);
  EXPECT_EQ(std::wstring(section->getString("Title")), L"Plan \"A\" \\ \x00e9\x4e2d\U0001F600\nline two");
  EXPECT_EQ(std::wstring(section->getString("Empty")), L"");
  ASSERT_EQ(section->entryCount(), 4);
  EXPECT_STREQ(section->entryKey(0), "Mode");
  EXPECT_STREQ(section->entryKey(3), "Empty");
  EXPECT_TRUE(openSection(*profile.get(), "Other", false));
}

TEST(HostProfileTest, KeysTheFileCannotHoldAreRefused) {
  TempDir dir;
  auto profile = HostRefPtr<HostProfile>::adopt(new HostProfile(OdString(dir / "profile")));
  auto section = openSection(*profile.get(), "s", true);
  EXPECT_FALSE(section->setInt32("", 1));
  EXPECT_FALSE(section->setInt32("a=b", 1));
  EXPECT_FALSE(section->setInt32("[x]", 1));
  EXPECT_FALSE(section->setInt32("two\nlines", 1));
  EXPECT_FALSE(section->setInt32(" padded", 1));
  EXPECT_TRUE(section->setInt32("with blank", 1));
  EXPECT_FALSE(openSection(*profile.get(), "bad]name", true));
}

TEST(HostProfileTest, LinesThatCannotBeReadAreReportedWithTheirNumbers) {
  TempDir dir;
  std::string path = dir / "profile";
  writeText(path, "# comment\n[s]\ngood = i32 5\nno value here\nbad = i32 x\nbig = u16 70000\n");
  auto profile = HostRefPtr<HostProfile>::adopt(new HostProfile(OdString(path)));
  ASSERT_EQ(profile->problems().size(), 3u);
  EXPECT_NE(profile->problems()[0].utf8().find(path + ":4:"), std::string::npos) << profile->problems()[0].utf8();
  EXPECT_EQ(openSection(*profile.get(), "s", false)->getInt32("good", 0), 5);
}

// Entries run in their order; one failing is reported and the rest still run.
TEST(HostProfileTest, StartupEntriesRunInOrderWhenTheHostStarts) {
  const struct {
    const char* entries;
    bool ok;
    int props, tolerance;
  } cases[] = {
      {"first = str \"SETVAR COMPAREPROPS 5\"\nsecond = str \"COMPAREPROPS 7;COMPARETOLERANCE 2\"\n", true, 7, 2},
      {"1 = str \"NOSUCHCOMMAND\"\n2 = str \"COMPAREPROPS 1\"\n", false, 1, 6},
  };
  for (const auto& c : cases) {
    TempDir dir;
    writeText(dir / "profile", std::string("[Startup]\n") + c.entries);
    HostAppOptions options;
    options.profilePath = OdString(dir / "profile");
    HostApp app(options);
    EXPECT_EQ(app.runStartup(), c.ok) << c.entries;
    EXPECT_EQ(app.editor().getVar("COMPAREPROPS")->getInt32(), c.props);
    EXPECT_EQ(app.editor().getVar("COMPARETOLERANCE")->getInt32(), c.tolerance);
  }
}
