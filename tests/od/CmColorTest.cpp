#include "CmColor.h"

#include <gtest/gtest.h>

namespace {

TEST(CmColor, IndexColoursFollowTheColourTable) {
  OdCmColor c;
  c.setColorIndex(1);
  EXPECT_TRUE(c.isByACI());
  EXPECT_EQ(c.red(), 255);
  EXPECT_EQ(c.green(), 0);
  c.setColorIndex(30);
  EXPECT_EQ(OdCmEntityColor::indexToRGB(30), 0xFF7F00u);
  EXPECT_EQ(c.colorIndex(), 30);
  EXPECT_EQ(OdCmEntityColor::indexToRGB(250), 0x333333u);
}

TEST(CmColor, SpecialIndicesAndMethods) {
  OdCmColor c;
  EXPECT_TRUE(c.isByLayer());
  EXPECT_EQ(c.colorIndex(), 256);
  c.setColorIndex(0);
  EXPECT_TRUE(c.isByBlock());
  c.setColorIndex(257);
  EXPECT_TRUE(c.isNone());
  c.setColorIndex(-5);  // layers that are off store their index negated
  EXPECT_EQ(c.colorIndex(), 5);
}

TEST(CmColor, TrueColourAnswersTheNearestIndex) {
  OdCmColor c;
  c.setRGB(250, 2, 3);
  EXPECT_TRUE(c.isByColor());
  EXPECT_EQ(c.colorIndex(), 1);
  c.setRGB(128, 128, 128);
  EXPECT_EQ(c.colorIndex(), 8);
  EXPECT_EQ(c.red(), 128);
}

TEST(CmColor, DisplayNamesAndEquality) {
  OdCmColor c;
  EXPECT_EQ(c.colorNameForDisplay(), OdString("BYLAYER"));
  c.setColorIndex(3);
  EXPECT_EQ(c.colorNameForDisplay(), OdString("green"));
  c.setColorIndex(30);
  EXPECT_EQ(c.colorNameForDisplay(), OdString("30"));
  c.setRGB(12, 34, 56);
  EXPECT_EQ(c.colorNameForDisplay(), OdString("12,34,56"));
  OdCmColor named = c;
  named.setNames(OdString("gray"));
  EXPECT_EQ(named.colorNameForDisplay(), OdString("gray"));
  EXPECT_NE(named, c);
  named.setNames(OdString("TEAL"), OdString("BOOK"));
  EXPECT_EQ(named.colorNameForDisplay(), OdString("BOOK$TEAL"));
}

}  // namespace
