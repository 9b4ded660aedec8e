#include "DcPropertyRow.h"
#include "HostUiColorProperty.h"

#include <gtest/gtest.h>

using dcproperties::DcColorRow;
using dcproperties::DcFileRow;
using hostui::hostUiColorProperty;

namespace {
OdCmColor byMethod(OdCmEntityColor::ColorMethod method) { return OdCmColor(method); }
OdCmColor byIndex(int16_t index) {
  OdCmColor color;
  color.setColorIndex(index);
  return color;
}
OdCmColor byRgb(uint8_t r, uint8_t g, uint8_t b) {
  OdCmColor color;
  color.setRGB(r, g, b);
  return color;
}

class CustomColors : public hostui::hostUiCustomColorProvider {
 public:
  OdArray<OdCmColor> customColors() const override {
    OdArray<OdCmColor> colors;
    colors.push_back(byRgb(10, 20, 30));
    return colors;
  }
};
}  // namespace

TEST(DcPropertyRowTest, AColourReadsAsItsMethodItsIndexNameOrItsValues) {
  const std::pair<OdCmColor, const char*> cases[] = {
      {byMethod(OdCmEntityColor::kByLayer), "By Layer"},  {byMethod(OdCmEntityColor::kByBlock), "By Block"},
      {byMethod(OdCmEntityColor::kForeground), "Foreground"}, {byMethod(OdCmEntityColor::kNone), "None"},
      {byIndex(1), "red"},        {byIndex(7), "white"},       {byIndex(30), "30"},
      {byRgb(255, 0, 0), "red"},  {byRgb(0, 255, 255), "cyan"}, {byRgb(255, 0, 255), "magenta"},
      {byRgb(1, 2, 3), "1,2,3"},
  };
  for (const auto& [color, text] : cases) EXPECT_EQ(hostUiColorProperty::displayText(color), OdString(text)) << text;
}

TEST(DcPropertyRowTest, AColourRowTakesANameItOffersOrValuesAndRefusesTheRest) {
  CustomColors custom;
  OdCmColor stored = byIndex(3);
  DcColorRow row("Color.File 1", [&] { return stored; }, [&](const OdCmColor& c) { stored = c; }, &custom);
  EXPECT_EQ(row.group(), OdString("Color"));
  EXPECT_EQ(row.name(), OdString("File 1"));
  EXPECT_EQ(row.text(), OdString("green"));
  EXPECT_TRUE(row.setText("BLUE"));
  EXPECT_EQ(stored.colorIndex(), 5);
  EXPECT_TRUE(row.setText("10,20,30"));
  EXPECT_EQ(row.text(), OdString("10,20,30"));
  EXPECT_TRUE(row.setText("By Layer"));
  EXPECT_EQ(stored.colorMethod(), OdCmEntityColor::kByLayer);
  for (const char* refused : {"purple", "1,2", "1,2,300", "1,2,3,4"}) {
    EXPECT_FALSE(row.setText(refused)) << refused;
    EXPECT_EQ(stored.colorMethod(), OdCmEntityColor::kByLayer) << refused;
  }
}

TEST(DcPropertyRowTest, AFileRowShowsItsPlaceholderUntilAPathIsChosen) {
  DcFileRow row("Select.File 1", "Select drawing...", "Drawing (*.dwg)|*.dwg|");
  EXPECT_EQ(row.text(), OdString("Select drawing..."));
  row.setText("/a/plan.dxf");
  EXPECT_EQ(row.text(), OdString("/a/plan.dxf"));
  row.setText("");
  EXPECT_EQ(row.text(), OdString("Select drawing..."));
}

TEST(DcPropertyRowTest, AYesNoRowTakesOnlyYesOrNo) {
  bool value = true;
  auto row = dcproperties::yesNoRow("Visibility.Text", [&] { return value; }, [&](bool v) { value = v; });
  EXPECT_EQ(row->text(), OdString("Yes"));
  EXPECT_TRUE(row->setText("No"));
  EXPECT_FALSE(value);
  EXPECT_FALSE(row->setText("Maybe"));
  EXPECT_EQ(row->text(), OdString("No"));
}
