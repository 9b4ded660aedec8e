#include "HostTestSupport.h"
#include "HostText.h"

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

TEST(HostProfileTest, TwoLevelOpeningFindsTheSameSection) {
  TempDir dir;
  auto profile = HostRefPtr<HostProfile>::adopt(new HostProfile(OdString(dir / "profile")));
  auto top = openSection(*profile.get(), "cmddata", true);
  auto inner = HostRefPtr<IProfileSection>::adopt(top->openSection("DrawingComparison", true));
  inner->setInt32("Tolerance", 6);
  auto byPath = openSection(*profile.get(), "cmddata/DrawingComparison", false);
  ASSERT_TRUE(byPath);
  EXPECT_EQ(byPath->getInt32("Tolerance", 0), 6);
}

TEST(HostProfileTest, OpeningWithoutCreationAnswersNullForMissingSections) {
  TempDir dir;
  auto profile = HostRefPtr<HostProfile>::adopt(new HostProfile(OdString(dir / "profile")));
  EXPECT_FALSE(openSection(*profile.get(), "cmddata/DrawingComparison", false));
  EXPECT_FALSE(openSection(*profile.get(), "cmddata", false));
  // Nothing changed, so nothing is written.
  EXPECT_TRUE(profile->flush());
  EXPECT_FALSE(std::filesystem::exists(dir / "profile"));
}

TEST(HostProfileTest, WrongTypesAndMissingKeysAnswerTheFallback) {
  TempDir dir;
  auto profile = HostRefPtr<HostProfile>::adopt(new HostProfile(OdString(dir / "profile")));
  auto section = openSection(*profile.get(), "s", true);
  section->setString("text", L"x");
  section->setInt32("number", 7);
  EXPECT_EQ(section->getInt32("text", -1), -1);
  EXPECT_EQ(section->getUInt16("number", 3), 3);
  EXPECT_EQ(section->getString("number"), nullptr);
  EXPECT_EQ(section->getInt32("missing", 42), 42);
  section->setUInt16("number", 8);
  EXPECT_EQ(section->getUInt16("number", 0), 8);
  EXPECT_EQ(section->entryCount(), 2);
}

TEST(HostProfileTest, DeletedEntriesAndSectionsStayDeleted) {
  TempDir dir;
  std::string path = dir / "profile";
  {
    auto profile = HostRefPtr<HostProfile>::adopt(new HostProfile(OdString(path)));
    auto section = openSection(*profile.get(), "a", true);
    section->setInt32("keep", 1);
    section->setInt32("drop", 2);
    openSection(*profile.get(), "a/b", true)->setInt32("x", 1);
    EXPECT_TRUE(section->deleteEntry("DROP"));
    EXPECT_FALSE(section->deleteEntry("drop"));
    EXPECT_TRUE(section->deleteSection("b"));
    EXPECT_FALSE(section->hasEntry("drop"));
    profile->flush();
  }
  auto profile = HostRefPtr<HostProfile>::adopt(new HostProfile(OdString(path)));
  auto section = openSection(*profile.get(), "a", false);
  ASSERT_TRUE(section);
  EXPECT_TRUE(section->hasEntry("keep"));
  EXPECT_FALSE(section->hasEntry("drop"));
  EXPECT_FALSE(openSection(*profile.get(), "a/b", false));
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

TEST(HostProfileTest, DefaultPathFollowsTheEnvironment) {
  std::string savedProfile = std::getenv("CADHOST_PROFILE") ? std::getenv("CADHOST_PROFILE") : "";
  std::string savedXdg = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
  ::setenv("CADHOST_PROFILE", "/tmp/mine", 1);
  EXPECT_EQ(HostProfile::defaultPath(), OdString("/tmp/mine"));
  ::unsetenv("CADHOST_PROFILE");
  ::setenv("XDG_CONFIG_HOME", "/xdg", 1);
  EXPECT_EQ(HostProfile::defaultPath(), OdString("/xdg/cadhost/profile"));
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_NE(HostProfile::defaultPath().utf8().find(".config/cadhost/profile"), std::string::npos);
  if (!savedProfile.empty()) ::setenv("CADHOST_PROFILE", savedProfile.c_str(), 1);
  if (!savedXdg.empty()) ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
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

TEST(HostProfileTest, ApplicationAnswersTheProfileInterfaceAndWritesItAtShutdown) {
  TempDir dir;
  std::string path = dir / "profile";
  {
    HostAppOptions options;
    options.profilePath = OdString(path);
    HostApp app(options);
    ASSERT_EQ(GetApp(), &app);
    void* found = nullptr;
    ASSERT_TRUE(GetApp()->queryInterface(kIID_IProfile, &found));
    auto profile = HostRefPtr<IProfile>::adopt(static_cast<IProfile*>(found));
    EXPECT_EQ(profile.get(), static_cast<IProfile*>(&app.profile()));
    openSection(*profile.get(), "cmddata/DrawingComparison", true)->setInt32("Runs", 1);
  }
  EXPECT_NE(readText(path).find("[cmddata/DrawingComparison]\nRuns = i32 1\n"), std::string::npos) << readText(path);
}
