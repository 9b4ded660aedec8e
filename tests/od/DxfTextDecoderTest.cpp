#include "DxfTextDecoder.h"

#include <gtest/gtest.h>

namespace {

enum Mode { kCodePage, kUtf8, kCarets };

struct DecodeCase {
  const char* what;
  const char* codePage;
  Mode mode;
  std::string_view raw;
  std::u16string expected;
};

const DecodeCase kDecodeCases[] = {
    {"ASCII as it is", "", kCodePage, "  LINE 0.5 %%c  ", u"  LINE 0.5 %%c  "},
    {"CP1251 Cyrillic", "ANSI_1251", kCodePage, "\xC4\xE0\xED\xED\xFB\xE5 \xF1\xE5\xF2\xE8",
     u"\u0414\u0430\u043D\u043D\u044B\u0435 \u0441\u0435\u0442\u0438"},
    {"CP1252 umlauts", "ansi_1252", kCodePage, "M\xFC\x6Cler \xC4\xD6\xDC\xDF \x80", u"M\u00FCller \u00C4\u00D6\u00DC\u00DF \u20AC"},
    // Valid UTF-8 with a multi-byte sequence wins over the declared code page; invalid, the code page applies.
    {"UTF-8 under a wrong code page", "ANSI_1251", kCodePage, "Stra\xC3\x9F" "e \xE2\x8C\x80", u"Stra\u00DFe \u2300"},
    {"invalid UTF-8 under a code page", "ANSI_1251", kCodePage, "\xC3\x9F\xC3", u"\u0413\u045F\u0413"},
    {"UTF-8 mode", "ANSI_949", kUtf8, "\xEC\xA3\xBC\xEC\x84\x9D", u"\uC8FC\uC11D"},
    {"UTF-8 mode falls back per byte", "ANSI_1252", kUtf8, "\xC4X \xC3\xA4", u"\u00C4X \u00E4"},
    {"unicode escapes", "", kCodePage, "\\U+0414\\U+0430\\U+0442\\U+0430", u"\u0414\u0430\u0442\u0430"},
    // Exactly four digits: the fifth is ordinary text; either letter case works.
    {"unicode escapes of four digits", "", kCodePage, "\\U+04101 \\U+03b1", u"\u04101 \u03B1"},
    {"surrogate pair as two escapes", "", kCodePage, "x\\U+D83D\\U+DE00y", u"x\xD83D\xDE00y"},
    {"escapes among code page bytes", "", kCodePage, "\\U+039B\xC4", u"\u039B\u00C4"},
    {"multi-byte escapes: CP932, CP949, BIG5, GBK", "", kCodePage, "\\M+193FAa\\M+3b0a1b\\M+2A440\\M+5C4E3",
     u"\u65E5a\uAC00b\u4E00\u4F60"},
    {"other backslash codes are kept", "ANSI_1252", kCodePage,
     "\\A1;\\PLine\\~two\\fArial|b1;\\\\ \\U+12 \\U+ZZZZ \\M+6ABCD \\M+1 end\\",
     u"\\A1;\\PLine\\~two\\fArial|b1;\\\\ \\U+12 \\U+ZZZZ \\M+6ABCD \\M+1 end\\"},
    // 0x95 0x5C is a Shift-JIS character; its second byte is not a backslash.
    {"double-byte trail backslash", "ANSI_932", kCodePage, "\x95\x5CU+0041", u"\u8868U+0041"},
    {"caret escapes", "", kCarets, "a^Jb^Ic^M^@^_x^ ", std::u16string(u"a\nb\tc\r") + u'\0' + u"\x1Fx^"},
    {"a caret before anything else, or last, is text", "", kCarets, "2^3 ^a ^", u"2^3 ^a ^"},
    {"carets among escapes and code page bytes", "ANSI_1252", kCarets, "\\U+039B^J\xC4^ ", u"\u039B\n\u00C4^"},
    {"carets of binary files stay", "", kCodePage, "a^Jb^ ", u"a^Jb^ "},
    // 0x83 0x5E is a Shift-JIS character; its second byte is not a caret.
    {"double-byte trail caret", "ANSI_932", kCarets, "\x83\x5EJ^J", u"\u30BFJ\n"},
    // 0xA2 0xE8 is not a CP949 character; the valid one before it survives.
    {"bad double-byte characters as Latin-1", "ANSI_949", kCodePage, "\xB0\xA1\xA2\xE8", u"\uAC00\u00A2\u00E8"},
    // 0xCC is a combining grave in CP1258.
    {"single-byte accents are not composed", "ANSI_1258", kCodePage, "a\xCC", u"a\u0300"},
    {"unknown code page is Windows-1252", "NO_SUCH_PAGE", kCodePage, "\x80\xE9", u"\u20AC\u00E9"},
    {"bytes Windows-1252 leaves undefined are Latin-1", "", kCodePage, "\x81", u"\u0081"},
};

TEST(DxfTextDecoder, DecodesCodePagesUtf8AndEscapes) {
  for (const DecodeCase& c : kDecodeCases) {
    DxfTextDecoder decoder;
    decoder.setCodePage(c.codePage);
    decoder.setUtf8(c.mode == kUtf8);
    decoder.setCaretEscapes(c.mode == kCarets);
    EXPECT_EQ(decoder.decode(c.raw), OdString(c.expected)) << c.what;
  }
}

TEST(DxfTextDecoder, ReusedBufferKeepsNoValueForTheNext) {
  DxfTextDecoder decoder;
  EXPECT_EQ(decoder.decode("\xC4\xDC\xD6 long value"), OdString(u"\u00C4\u00DC\u00D6 long value"));
  EXPECT_EQ(decoder.decode("ab"), OdString(u"ab"));
  EXPECT_EQ(decoder.decode(""), OdString());
  EXPECT_EQ(decoder.decode("x\\U+D83D\\U+DE00y").utf8(), "x\xF0\x9F\x98\x80y");
}

TEST(DxfTextDecoder, CodePageNames) {
  const std::pair<const char*, const char*> names[] = {
      {"ansi_1251", "ANSI_1251"}, {"CP1250", "ANSI_1250"},       {"1253", "ANSI_1253"},
      {"dos866", "DOS866"},       {"DOS932", "DOS932"},          {"Mac-Roman", "MACINTOSH"},
      {"iso8859-5", "ISO8859-5"}, {"ISO-8859-15", "ISO8859-15"}, {"NO_SUCH_PAGE", "ANSI_1252"},
      {"", "ANSI_1252"}};
  DxfTextDecoder decoder;
  for (const auto& [given, name] : names) {
    decoder.setCodePage("ANSI_1251");
    decoder.setCodePage(given);
    EXPECT_EQ(decoder.codePageName(), name) << given;
  }
}

}  // namespace
