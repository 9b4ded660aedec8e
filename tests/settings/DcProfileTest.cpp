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

}  // namespace
