#include "DcSettings.h"
#include "DcUiSettings.h"
#include "SettingsTestSupport.h"

#include "DbHatch.h"
#include "DbLine.h"
#include "DbMText.h"
#include "DbText.h"

#include <functional>
#include <string>
#include <vector>

using namespace dwgcompare;

namespace {

OdCmColor indexColor(int16_t index) {
  OdCmColor color;
  color.setColorIndex(index);
  return color;
}

std::wstring storedText(IProfileSection& section, const char* key) {
  const wchar_t* text = section.getString(key);
  return text ? std::wstring(text) : std::wstring(L"<missing>");
}

void expectDefaults(DcSettings& s) {
  EXPECT_EQ(s.file1Color(), indexColor(3));
  EXPECT_EQ(s.file2Color(), indexColor(1));
  EXPECT_EQ(s.sharedColor(), s.grayColor());
  EXPECT_TRUE(s.isFile1Visible() && s.isFile2Visible() && s.isSharedVisible());
  EXPECT_EQ(s.file1Transparency(), 0.0);
  EXPECT_EQ(s.file2Transparency(), 0.0);
  EXPECT_EQ(s.sharedTransparency(), 0.0);
  EXPECT_FALSE(s.isFilteredClass(OdDbText::desc()));
  EXPECT_EQ(s.customColors(), OdArray<OdCmColor>{s.grayColor()});
  EXPECT_EQ(s.changeMargin(), 0.02);
  EXPECT_TRUE(s.showsRevisionClouds());
}

using DcSettingsTest = SettingsWithSectionFixture;

TEST_F(DcSettingsTest, ColoursComeBackAsTheirIndexAndOfferTheLaterIndicesAsCustomColours) {
  DcSettings& s = settings();
  s.setSharedColor(indexColor(30));
  OdCmColor nearlyRed;
  nearlyRed.setRGB(250, 2, 3);
  s.setFile1Color(nearlyRed);
  s.setFile2Color(indexColor(5));
  EXPECT_EQ(s.sharedColorIndex(), 30);
  EXPECT_EQ(s.file1ColorIndex(), 1);

  DcSettings& loaded = reloadSettings();
  EXPECT_EQ(loaded.sharedColor(), indexColor(30));
  EXPECT_EQ(loaded.file1Color(), indexColor(1));
  EXPECT_EQ(loaded.file2Color(), indexColor(5));
  EXPECT_EQ(loaded.customColors(), (OdArray<OdCmColor>{loaded.grayColor(), indexColor(30)}));
  // Loading does not count as setting.
  EXPECT_EQ(loaded.sharedColorIndex(), 256);
  EXPECT_EQ(settingsSection()->getUInt16("SharedObjectColor", 0), 30);
}

TEST_F(DcSettingsTest, GrayStaysGray) {
  DcSettings& s = settings();
  s.setFile2Color(s.grayColor());
  s.setSharedColor(indexColor(30));
  DcSettings& first = reloadSettings();
  first.setSharedColor(first.grayColor());

  DcSettings& loaded = reloadSettings();
  EXPECT_EQ(loaded.file2Color(), loaded.grayColor());
  EXPECT_EQ(loaded.sharedColor(), loaded.grayColor());
  EXPECT_EQ(loaded.sharedColor().colorName(), OdString("gray"));
  EXPECT_EQ(loaded.customColors(), OdArray<OdCmColor>{loaded.grayColor()});
}

TEST_F(DcSettingsTest, StoredValuesOfAnotherTypeKeepTheDefaults) {
  settingsSection()->setInt32("NewObjectColor", 30);
  settingsSection()->setInt32("FiltredObjects", 1);
  expectDefaults(settings());
}

TEST_F(DcSettingsTest, FilteredClassesLoadWithoutEmptyNames) {
  settingsSection()->setString("FiltredObjects", L"AcDbText;;AcDbHatch;");
  DcSettings& s = settings();
  EXPECT_TRUE(s.isFilteredClass(OdDbText::desc()));
  EXPECT_TRUE(s.isFilteredClass(OdDbHatch::desc()));
  EXPECT_FALSE(s.isFilteredClass(OdDbMText::desc()));
  EXPECT_TRUE(s.isFilteredObject(OdDbText::createObject().get()));
  EXPECT_FALSE(s.isFilteredObject(OdDbLine::createObject().get()));

  destroyDcSettings();
  EXPECT_EQ(storedText(*settingsSection().get(), "FiltredObjects"), L"AcDbText;AcDbHatch;");
}

TEST_F(DcSettingsTest, FilteredClassesAreKeptOnceByNameAndSaved) {
  DcSettings& s = settings();
  s.addFilteredClass(OdDbText::desc());
  s.addFilteredClass(OdDbMText::desc());
  s.addFilteredClass(OdDbText::desc());
  s.removeFilteredClass(OdDbHatch::desc());
  destroyDcSettings();
  EXPECT_EQ(storedText(*settingsSection().get(), "FiltredObjects"), L"AcDbText;AcDbMText;");

  DcSettings& loaded = reloadSettings();
  EXPECT_TRUE(loaded.isFilteredClass(OdDbMText::desc()));
  loaded.removeFilteredClass(OdDbText::desc());
  loaded.removeFilteredClass(OdDbMText::desc());
  EXPECT_FALSE(loaded.isFilteredClass(OdDbText::desc()));
  destroyDcSettings();
  EXPECT_EQ(storedText(*settingsSection().get(), "FiltredObjects"), L"");
}

TEST_F(DcSettingsTest, ChangeMarginAndRevisionCloudsAreSavedInTheProfile) {
  settings().setChangeMargin(0.035);
  settings().setShowsRevisionClouds(false);
  destroyDcSettings();
  EXPECT_EQ(settingsSection()->getInt32("ChangeMarginPerMille", -1), 35);
  EXPECT_EQ(settingsSection()->getInt32("RevisionClouds", -1), 0);
  DcSettings& loaded = reloadSettings();
  EXPECT_DOUBLE_EQ(loaded.changeMargin(), 0.035);
  EXPECT_FALSE(loaded.showsRevisionClouds());
}

TEST_F(DcSettingsTest, VisibilityAndTransparencyLastOneLoad) {
  DcSettings& s = settings();
  s.setFile1Visible(false);
  s.setSharedTransparency(0.5);
  EXPECT_FALSE(s.isFile1Visible());
  EXPECT_EQ(s.sharedTransparency(), 0.5);
  expectDefaults(reloadSettings());
}

// Records each notification with what the settings answered at that moment.
class RecordingReactor : public DcSettingsReactor {
 public:
  void settingsChanged(DcSettings* settings) override {
    calls.push_back(settings);
    file2VisibleWhenCalled = settings->isFile2Visible();
  }
  std::vector<DcSettings*> calls;
  bool file2VisibleWhenCalled = true;
};

TEST_F(DcSettingsTest, ReactorsHearEachDisplayChangeOnceAfterItIsStored) {
  DcSettings& s = settings();
  RecordingReactor first, second;
  s.addReactor(&first);
  s.addReactor(&second);

  s.setFile2Visible(false);
  EXPECT_EQ(first.calls, std::vector<DcSettings*>{&s});
  EXPECT_EQ(second.calls, std::vector<DcSettings*>{&s});
  EXPECT_FALSE(first.file2VisibleWhenCalled);

  s.removeReactor(&first);
  const std::vector<std::function<void()>> displaySetters = {
      [&] { s.setFile1Transparency(0.1); }, [&] { s.setFile2Transparency(0.2); },
      [&] { s.setSharedTransparency(0.3); }, [&] { s.setFile1Color(indexColor(4)); },
      [&] { s.setFile2Color(indexColor(5)); }, [&] { s.setSharedColor(indexColor(6)); },
      [&] { s.setFile1Visible(false); },     [&] { s.setFile2Visible(true); },
      [&] { s.setSharedVisible(false); },
  };
  for (const auto& set : displaySetters) set();
  EXPECT_EQ(first.calls.size(), 1u);
  EXPECT_EQ(second.calls.size(), 1u + displaySetters.size());

  s.addFilteredClass(OdDbText::desc());
  s.removeFilteredClass(OdDbText::desc());
  EXPECT_EQ(second.calls.size(), 1u + displaySetters.size());
  s.removeReactor(&second);
}

TEST_F(DcSettingsTest, BackgroundComesFromTheHostsColours) {
  profileSection("Colors", true)->setInt32("Background", 0x00332211);
  OdCmColor background = settings().backgroundColor();
  EXPECT_EQ(background.red(), 0x11);
  EXPECT_EQ(background.green(), 0x22);
  EXPECT_EQ(background.blue(), 0x33);
  EXPECT_EQ(background.colorName(), OdString("By default"));
}

using DcSettingsWithoutSectionTest = SettingsFixture;

// A profile edited by hand to drop the host's "cmddata".
TEST_F(DcSettingsWithoutSectionTest, DefaultsApplyAndNothingIsSaved) {
  HostRefPtr<IProfileSection>::adopt(app->profile().openSection("", false))->deleteSection("cmddata");
  DcSettings& s = settings();
  expectDefaults(s);
  s.setSharedColor(indexColor(30));
  s.addFilteredClass(OdDbText::desc());
  s.uiSettings()->setShowFilteredObjectsMessage(false);
  destroyDcSettings();
  EXPECT_FALSE(profileSection("cmddata"));
}

}  // namespace
