#pragma once

#include "OdString.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

struct DxfCodePage;

// Turns raw DXF string values (the bytes as they are in the file) into
// OdString: code page or UTF-8 conversion plus the \U+XXXX and \M+nXXXX
// escapes, and the caret escapes of ASCII files when asked. Any other
// backslash sequence (MTEXT formatting) is kept as is.
// Never throws for bad text: bytes that cannot be converted become Latin-1.
// Not thread-safe: it keeps conversion handles and buffers between calls.
class DxfTextDecoder {
 public:
  DxfTextDecoder();
  ~DxfTextDecoder();
  // Copies take the settings only; conversion handles are opened anew.
  DxfTextDecoder(const DxfTextDecoder& other);
  DxfTextDecoder& operator=(const DxfTextDecoder& other);

  // $DWGCODEPAGE value as found in the file, in any letter case ("ANSI_1251",
  // "dos866", "CP1252", "1252", "ISO8859-5", "MACINTOSH", ...). Empty or
  // unknown names fall back to Windows-1252.
  void setCodePage(std::string_view dwgCodePage);
  // From AC1021 (2007) on, files are UTF-8 whatever the code page says.
  void setUtf8(bool utf8) { m_utf8 = utf8; }
  // ASCII files write a control character as "^" and the character 64 above
  // it ("^J" for a line feed) and a caret as "^ "; binary files hold the bytes.
  void setCaretEscapes(bool carets) { m_carets = carets; }
  OdString decode(std::string_view raw);
  // The normalised name chosen ("ANSI_1252"), for reporting.
  std::string codePageName() const;

 private:
  struct Converter {
    const char* iconvName;  // static string from the code page table
    void* handle;           // iconv_t, or (iconv_t)-1 when it cannot be opened
  };

  void decodeEscaped(std::string_view raw, bool asUtf8);
  size_t nextUnitLength(std::string_view raw, size_t i, bool asUtf8) const;
  int escapeAt(std::string_view raw, size_t i, size_t& len);
  int escapeUnit(std::string_view raw, size_t i, size_t& len);
  void appendText(std::string_view bytes, bool asUtf8);
  void appendUtf8(std::string_view bytes);
  void appendCodePage(std::string_view bytes);
  void appendSingleByte(std::string_view bytes);
  void appendDoubleByte(std::string_view bytes);
  bool appendIconv(void* cd, std::string_view bytes);
  void appendDoubleBytePerCharacter(void* cd, std::string_view bytes);
  void buildSingleByteTable();
  void* converter(const char* iconvName);
  void closeConverters();

  const DxfCodePage* m_codePage;
  bool m_utf8 = false;
  bool m_carets = false;
  bool m_tableReady = false;
  std::array<char16_t, 256> m_table{};  // single-byte code page -> UTF-16
  std::vector<Converter> m_converters;  // opened once, reused for every value
  std::u16string m_out;                 // reused output buffer
};
