#include "DcProfile.h"
#include "module/ModuleTestSupport.h"

using namespace dwgcompare;

namespace {

using DcProfileTest = HostFixture;

TEST_F(DcProfileTest, TheSettingsSectionIsMadeOnlyInsideAnExistingCmddata) {
  // The host makes "cmddata" at start; a profile edited by hand may drop it.
  EXPECT_TRUE(profileSection("cmddata"));
  HostRefPtr<IProfileSection>::adopt(app->profile().openSection("", false))->deleteSection("cmddata");
  EXPECT_FALSE(openSettingsSection());
  EXPECT_FALSE(profileSection("cmddata"));

  profileSection("cmddata", true);
  HostRefPtr<IProfileSection> section = openSettingsSection();
  ASSERT_TRUE(section);
  section->setInt32("Probe", 7);
  EXPECT_EQ(profileSection("cmddata/DrawingComparison")->getInt32("Probe", 0), 7);
}

TEST_F(DcProfileTest, TypedReadsTellZeroFromMissingAndFromAnotherType) {
  HostRefPtr<IProfileSection> section = profileSection("any", true);
  section->setUInt16("zero16", 0);
  section->setUInt16("number16", 30);
  section->setInt32("zero32", 0);
  section->setInt32("number32", -5);
  section->setString("text", L"1");

  EXPECT_EQ(readUInt16(*section.get(), "zero16"), std::optional<uint16_t>(0));
  EXPECT_EQ(readUInt16(*section.get(), "number16"), std::optional<uint16_t>(30));
  EXPECT_EQ(readUInt16(*section.get(), "zero32"), std::nullopt);
  EXPECT_EQ(readUInt16(*section.get(), "missing"), std::nullopt);
  EXPECT_EQ(readInt32(*section.get(), "zero32"), std::optional<int32_t>(0));
  EXPECT_EQ(readInt32(*section.get(), "number32"), std::optional<int32_t>(-5));
  EXPECT_EQ(readInt32(*section.get(), "number16"), std::nullopt);
  EXPECT_EQ(readInt32(*section.get(), "text"), std::nullopt);
}

TEST(DcProfileWithoutHostTest, OpensNothing) {
  EXPECT_FALSE(openSettingsSection());
  EXPECT_FALSE(openExistingProfileSection("Colors"));
}

}  // namespace
