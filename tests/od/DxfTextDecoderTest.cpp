#include "DxfTextDecoder.h"

#include <gtest/gtest.h>

namespace {

OdString decodeWith(std::string_view codePage, std::string_view raw, bool utf8 = false) {
  DxfTextDecoder decoder;
  decoder.setCodePage(codePage);
  decoder.setUtf8(utf8);
  return decoder.decode(raw);
}

TEST(DxfTextDecoder, AsciiFastPathKeepsEveryCharacter) {
  DxfTextDecoder decoder;
  EXPECT_EQ(decoder.decode("  LINE 0.5 %%c  "), OdString(u"  LINE 0.5 %%c  "));
  EXPECT_EQ(decoder.decode(""), OdString());
  // The reused buffer must not leak one value into the next.
  EXPECT_EQ(decoder.decode("\xC4\xDC\xD6 long value"), OdString(u"\u00C4\u00DC\u00D6 long value"));
  EXPECT_EQ(decoder.decode("ab"), OdString(u"ab"));
  EXPECT_EQ(decoder.decode("\xE9"), OdString(u"\u00E9"));
}

TEST(DxfTextDecoder, Cp1251Cyrillic) {
  EXPECT_EQ(decodeWith("ANSI_1251", "\xC4\xE0\xED\xED\xFB\xE5 \xF1\xE5\xF2\xE8"),
            OdString(u"\u0414\u0430\u043D\u043D\u044B\u0435 \u0441\u0435\u0442\u0438"));  // "Данные сети"
}

TEST(DxfTextDecoder, Cp1252Umlauts) {
  EXPECT_EQ(decodeWith("ansi_1252", "M\xFC\x6Cler \xC4\xD6\xDC\xDF \x80"),
            OdString(u"M\u00FCller \u00C4\u00D6\u00DC\u00DF \u20AC"));
}

TEST(DxfTextDecoder, Utf8BytesUnderWrongCodePage) {
  // Valid UTF-8 with a multi-byte sequence wins over the declared code page.
  EXPECT_EQ(decodeWith("ANSI_1251", "Stra\xC3\x9F" "e \xE2\x8C\x80"), OdString(u"Stra\u00DFe \u2300"));
  // Not valid UTF-8: the code page applies.
  EXPECT_EQ(decodeWith("ANSI_1251", "\xC3\x9F\xC3"), OdString(u"\u0413\u045F\u0413"));
}

TEST(DxfTextDecoder, Utf8ModeFallsBackToCodePagePerByte) {
  EXPECT_EQ(decodeWith("ANSI_949", "\xEC\xA3\xBC\xEC\x84\x9D", true), OdString(u"\uC8FC\uC11D"));  // "주석"
  EXPECT_EQ(decodeWith("ANSI_1252", "\xC4X \xC3\xA4", true), OdString(u"\u00C4X \u00E4"));
}

TEST(DxfTextDecoder, UnicodeEscapes) {
  EXPECT_EQ(decodeWith("", "\\U+0414\\U+0430\\U+0442\\U+0430"), OdString(u"\u0414\u0430\u0442\u0430"));
  // Exactly four digits: the fifth is ordinary text; either letter case works.
  EXPECT_EQ(decodeWith("", "\\U+04101 \\U+03b1"), OdString(u"\u04101 \u03B1"));
  // A surrogate pair written as two escapes gives the exact character.
  OdString emoji = decodeWith("", "x\\U+D83D\\U+DE00y");
  EXPECT_EQ(emoji, OdString(u"x\xD83D\xDE00y"));
  EXPECT_EQ(emoji.utf8(), "x\xF0\x9F\x98\x80y");
  // Escapes mix with code page bytes.
  EXPECT_EQ(decodeWith("", "\\U+039B\xC4"), OdString(u"\u039B\u00C4"));
}

TEST(DxfTextDecoder, MbcsEscapes) {
  EXPECT_EQ(decodeWith("", "\\M+193FA"), OdString(u"\u65E5"));       // CP932 "日"
  EXPECT_EQ(decodeWith("", "a\\M+3b0a1b"), OdString(u"a\uAC00b"));   // CP949 "가"
  EXPECT_EQ(decodeWith("", "\\M+2A440\\M+5C4E3"), OdString(u"\u4E00\u4F60"));  // BIG5, GBK
}

TEST(DxfTextDecoder, OtherBackslashCodesKept) {
  const std::string_view mtext = "\\A1;\\PLine\\~two\\fArial|b1;\\\\ \\U+12 \\U+ZZZZ \\M+6ABCD \\M+1 end\\";
  EXPECT_EQ(decodeWith("ANSI_1252", mtext).utf8(), std::string(mtext));
}

TEST(DxfTextDecoder, DoubleByteTrailBackslashIsNotAnEscape) {
  // 0x95 0x5C is "表" in Shift-JIS; its second byte is not a backslash.
  EXPECT_EQ(decodeWith("ANSI_932", "\x95\x5CU+0041"), OdString(u"\u8868U+0041"));
}

OdString decodeCarets(std::string_view codePage, std::string_view raw) {
  DxfTextDecoder decoder;
  decoder.setCodePage(codePage);
  decoder.setCaretEscapes(true);
  return decoder.decode(raw);
}

TEST(DxfTextDecoder, CaretEscapesOfAsciiFiles) {
  EXPECT_EQ(decodeCarets("", "a^Jb^Ic^M^@^_"), OdString(u"a\nb\tc\r" + std::u16string(1, u'\0') + u"\x1F"));
  EXPECT_EQ(decodeCarets("", "x^ y^ "), OdString(u"x^y^"));
  // A caret before anything else, or last, is text.
  EXPECT_EQ(decodeCarets("", "2^3 ^a ^"), OdString(u"2^3 ^a ^"));
  // Carets mix with the other escapes and code page bytes.
  EXPECT_EQ(decodeCarets("ANSI_1252", "\\U+039B^J\xC4^ "), OdString(u"\u039B\n\u00C4^"));
  // Without caret escapes (binary files) every caret stays.
  EXPECT_EQ(decodeWith("", "a^Jb^ "), OdString(u"a^Jb^ "));
}

TEST(DxfTextDecoder, DoubleByteTrailCaretIsNotAnEscape) {
  // 0x83 0x5E is "タ" in Shift-JIS; its second byte is not a caret.
  EXPECT_EQ(decodeCarets("ANSI_932", "\x83\x5EJ^J"), OdString(u"\u30BFJ\n"));
}

TEST(DxfTextDecoder, BadDoubleByteCharactersAreKeptAsLatin1) {
  // 0xA2 0xE8 is not a CP949 character; the valid one before it survives.
  EXPECT_EQ(decodeWith("ANSI_949", "\xB0\xA1\xA2\xE8"), OdString(u"\uAC00\u00A2\u00E8"));
}

TEST(DxfTextDecoder, SingleByteAccentsAreNotComposed) {
  // 0xCC is a combining grave in CP1258; the letter and accent stay separate.
  EXPECT_EQ(decodeWith("ANSI_1258", "a\xCC"), OdString(u"a\u0300"));
}

TEST(DxfTextDecoder, CodePageNames) {
  DxfTextDecoder decoder;
  auto nameOf = [&](std::string_view name) {
    decoder.setCodePage(name);
    return decoder.codePageName();
  };
  EXPECT_EQ(nameOf("ansi_1251"), "ANSI_1251");
  EXPECT_EQ(nameOf("CP1250"), "ANSI_1250");
  EXPECT_EQ(nameOf("1253"), "ANSI_1253");
  EXPECT_EQ(nameOf("dos866"), "DOS866");
  EXPECT_EQ(nameOf("DOS932"), "DOS932");
  EXPECT_EQ(nameOf("Mac-Roman"), "MACINTOSH");
  EXPECT_EQ(nameOf("iso8859-5"), "ISO8859-5");
  EXPECT_EQ(nameOf("ISO-8859-15"), "ISO8859-15");
}

TEST(DxfTextDecoder, UnknownCodePageFallsBackToWindows1252) {
  DxfTextDecoder decoder;
  decoder.setCodePage("ANSI_1251");
  decoder.setCodePage("NO_SUCH_PAGE");
  EXPECT_EQ(decoder.codePageName(), "ANSI_1252");
  EXPECT_EQ(decoder.decode("\x80\xE9"), OdString(u"\u20AC\u00E9"));
  decoder.setCodePage("");
  EXPECT_EQ(decoder.codePageName(), "ANSI_1252");
  // Bytes CP1252 leaves undefined are kept as Latin-1.
  EXPECT_EQ(decoder.decode("\x81"), OdString(u"\u0081"));
}

}  // namespace
