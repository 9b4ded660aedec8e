#include "OdString.h"

#include <gtest/gtest.h>

namespace {

TEST(OdString, Utf8RoundTripIsExactIncludingSurrogatePairs) {
  const std::string text = "a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80z";  // a ä € 😀 z
  OdString s(text);
  ASSERT_EQ(s.getLength(), 6);  // the emoji is two UTF-16 code units
  EXPECT_EQ(s.c_str()[3], 0xD83D);
  EXPECT_EQ(s.c_str()[4], 0xDE00);
  EXPECT_EQ(s.utf8(), text);
}

// Encoded surrogates and overlong forms are no UTF-8: their bytes stay
// single characters, and what is written out is valid UTF-8.
TEST(OdString, InvalidUtf8SequencesAreNotDecoded) {
  for (const std::string bytes : {"\xED\xA0\x80", "\xC0\xAF", "\xE0\x80\xAF"}) {
    OdString s(bytes);
    EXPECT_EQ(s.getLength(), static_cast<int>(bytes.size())) << bytes;
    EXPECT_NE(s.utf8(), bytes);
  }
  EXPECT_EQ(OdString(std::u16string(1, char16_t(0xD800))).utf8(), "\xEF\xBF\xBD");  // a lone surrogate
}

TEST(OdString, CaseInsensitiveComparisonCoversCyrillicAndLatin1) {
  EXPECT_EQ(OdString("Layer\xC3\xA4").iCompare(OdString("LAYER\xC3\x84")), 0);
  EXPECT_EQ(OdString("\xD1\x81\xD0\xBB\xD0\xBE\xD0\xB9").iCompare(OdString("\xD0\xA1\xD0\x9B\xD0\x9E\xD0\x99")), 0);
  EXPECT_LT(OdString("A").iCompare(OdString("b")), 0);
}

TEST(OdString, FormatTakesUtf8AndOdStrings) {
  OdString name("plan");
  EXPECT_EQ(OdString::format("%s_%ls (%d)", "Result", &name, 2), OdString("Result_plan (2)"));
}

}  // namespace
