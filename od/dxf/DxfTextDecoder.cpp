#include "DxfTextDecoder.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <initializer_list>

#include <iconv.h>

// How a double-byte code page marks the first byte of a two-byte character.
// Needed because the second byte may be 0x5C, which is not a backslash then.
enum class DxfLeadBytes : unsigned char { None, ShiftJis, Wide };

struct DxfCodePage {
  const char* name;       // normalised $DWGCODEPAGE name
  const char* iconvName;  // glibc iconv name
  int number;             // Windows code page number, for names like "CP1252"
  DxfLeadBytes lead;
};

namespace {

using LB = DxfLeadBytes;

// The first entry is the fallback for empty or unknown names.
constexpr DxfCodePage kCodePages[] = {
    {"ANSI_1252", "CP1252", 1252, LB::None},
    {"ANSI_1250", "CP1250", 1250, LB::None},
    {"ANSI_1251", "CP1251", 1251, LB::None},
    {"ANSI_1253", "CP1253", 1253, LB::None},
    {"ANSI_1254", "CP1254", 1254, LB::None},
    {"ANSI_1255", "CP1255", 1255, LB::None},
    {"ANSI_1256", "CP1256", 1256, LB::None},
    {"ANSI_1257", "CP1257", 1257, LB::None},
    {"ANSI_1258", "CP1258", 1258, LB::None},
    {"ANSI_874", "CP874", 874, LB::None},
    {"ANSI_932", "CP932", 932, LB::ShiftJis},
    {"ANSI_936", "GBK", 936, LB::Wide},
    {"ANSI_949", "CP949", 949, LB::Wide},
    {"ANSI_950", "BIG5", 950, LB::Wide},
    {"ANSI_1361", "JOHAB", 1361, LB::Wide},
    {"DOS437", "CP437", 437, LB::None},
    {"DOS850", "CP850", 850, LB::None},
    {"DOS852", "CP852", 852, LB::None},
    {"DOS855", "CP855", 855, LB::None},
    {"DOS857", "CP857", 857, LB::None},
    {"DOS860", "CP860", 860, LB::None},
    {"DOS861", "CP861", 861, LB::None},
    {"DOS863", "CP863", 863, LB::None},
    {"DOS864", "CP864", 864, LB::None},
    {"DOS865", "CP865", 865, LB::None},
    {"DOS866", "CP866", 866, LB::None},
    {"DOS869", "CP869", 869, LB::None},
    {"DOS932", "CP932", 932, LB::ShiftJis},
    {"MACINTOSH", "MACINTOSH", 10000, LB::None},
    {"ISO8859-1", "ISO-8859-1", 28591, LB::None},
    {"ISO8859-2", "ISO-8859-2", 28592, LB::None},
    {"ISO8859-3", "ISO-8859-3", 28593, LB::None},
    {"ISO8859-4", "ISO-8859-4", 28594, LB::None},
    {"ISO8859-5", "ISO-8859-5", 28595, LB::None},
    {"ISO8859-6", "ISO-8859-6", 28596, LB::None},
    {"ISO8859-7", "ISO-8859-7", 28597, LB::None},
    {"ISO8859-8", "ISO-8859-8", 28598, LB::None},
    {"ISO8859-9", "ISO-8859-9", 28599, LB::None},
    {"ISO8859-10", "ISO-8859-10", 28600, LB::None},
    {"ISO8859-11", "ISO-8859-11", 28601, LB::None},
    {"ISO8859-13", "ISO-8859-13", 28603, LB::None},
    {"ISO8859-14", "ISO-8859-14", 28604, LB::None},
    {"ISO8859-15", "ISO-8859-15", 28605, LB::None},
};

// Code pages selected by n in \M+nXXXX.
constexpr const char* kMbcsEscapeCodePages[] = {"CP932", "BIG5", "CP949", "JOHAB", "GBK"};

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// Upper case without separators, so "iso-8859-5", "ISO8859_5" and "ISO8859-5" meet.
std::string lookupKey(std::string_view name) {
  std::string key;
  key.reserve(name.size());
  for (char c : name) {
    if (c == '-' || c == '_' || c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '.') continue;
    key += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
  }
  return key;
}

const DxfCodePage* findByKey(std::string_view key) {
  for (const auto& cp : kCodePages)
    if (lookupKey(cp.name) == key) return &cp;
  return nullptr;
}

// Names like "1252", "CP1252", "WINDOWS-1251", "IBM866".
const DxfCodePage* findByNumber(std::string_view key) {
  for (std::string_view prefix : {"WINDOWS", "ANSI", "CP", "DOS", "IBM"}) {
    if (key.starts_with(prefix)) {
      key.remove_prefix(prefix.size());
      break;
    }
  }
  int number = 0;
  auto [end, ec] = std::from_chars(key.data(), key.data() + key.size(), number);
  if (key.empty() || ec != std::errc() || end != key.data() + key.size()) return nullptr;
  for (const auto& cp : kCodePages)
    if (cp.number == number) return &cp;
  return nullptr;
}

const DxfCodePage* findCodePage(std::string_view name) {
  std::string key = lookupKey(name);
  if (key.empty()) return nullptr;
  if (key == "MACROMAN" || key == "MAC") key = "MACINTOSH";
  if (key.starts_with("8859")) key = "ISO" + key;
  if (const DxfCodePage* cp = findByKey(key)) return cp;
  return findByNumber(key);
}

// Cheap test for the common case; no early exit so the loop vectorises.
bool isPlainAscii(std::string_view s) {
  unsigned char bits = 0;
  bool escape = false;
  for (char ch : s) {
    auto c = static_cast<unsigned char>(ch);
    bits |= c;
    escape |= c == '\\' || c == '^';
  }
  return !(bits & 0x80) && !escape;
}

// Length of the strict UTF-8 sequence at s[i] (0 if there is none) and its code point.
size_t utf8Sequence(std::string_view s, size_t i, char32_t& cp) {
  auto c = static_cast<unsigned char>(s[i]);
  size_t len;
  char32_t min;
  if (c >= 0xC2 && c <= 0xDF) { len = 2; min = 0x80; cp = c & 0x1F; }
  else if (c >= 0xE0 && c <= 0xEF) { len = 3; min = 0x800; cp = c & 0x0F; }
  else if (c >= 0xF0 && c <= 0xF4) { len = 4; min = 0x10000; cp = c & 0x07; }
  else return 0;
  if (s.size() - i < len) return 0;
  for (size_t k = 1; k < len; ++k) {
    auto cc = static_cast<unsigned char>(s[i + k]);
    if ((cc & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (cc & 0x3F);
  }
  // Overlong forms, surrogates and values past Unicode are not text.
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

// Valid UTF-8 with at least one multi-byte sequence: the file's code page is wrong.
bool looksLikeUtf8(std::string_view s) {
  bool multiByte = false;
  for (size_t i = 0; i < s.size();) {
    if (static_cast<unsigned char>(s[i]) < 0x80) { ++i; continue; }
    char32_t cp;
    size_t len = utf8Sequence(s, i, cp);
    if (len == 0) return false;
    multiByte = true;
    i += len;
  }
  return multiByte;
}

void appendCodePoint(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out += static_cast<char16_t>(cp);
  } else {
    cp -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (cp >> 10));
    out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
  }
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Four hex digits at s[i..i+3], or -1.
int hex4(std::string_view s, size_t i) {
  if (s.size() < i + 4) return -1;
  int value = 0;
  for (size_t k = 0; k < 4; ++k) {
    int h = hexValue(s[i + k]);
    if (h < 0) return -1;
    value = value * 16 + h;
  }
  return value;
}

// A few bytes that must make exactly one UTF-16 code unit, or -1.
int convertToUnit(iconv_t cd, const char* bytes, size_t n) {
  if (cd == kNoConverter) return -1;
  char16_t out[4];
  char* in = const_cast<char*>(bytes);
  char* op = reinterpret_cast<char*>(out);
  size_t inLeft = n, outLeft = sizeof out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &in, &inLeft, &op, &outLeft) == static_cast<size_t>(-1)) return -1;
  // Flush: the CP1255 and CP1258 converters hold a letter back to compose it.
  if (iconv(cd, nullptr, nullptr, &op, &outLeft) == static_cast<size_t>(-1)) return -1;
  return outLeft == sizeof out - sizeof(char16_t) ? out[0] : -1;
}

// The character of the caret escape at s[i] ("^J", "^ "), or -1: a caret
// before anything else is text.
int caretUnit(std::string_view s, size_t i) {
  if (s.size() - i < 2) return -1;
  char c = s[i + 1];
  if (c == ' ') return '^';
  return c >= '@' && c <= '_' ? c - '@' : -1;
}

bool isLeadByte(DxfLeadBytes lead, unsigned char c) {
  switch (lead) {
    case DxfLeadBytes::ShiftJis: return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    case DxfLeadBytes::Wide: return c >= 0x81 && c <= 0xFE;
    default: return false;
  }
}

}  // namespace

DxfTextDecoder::DxfTextDecoder() : m_codePage(&kCodePages[0]) {}

DxfTextDecoder::~DxfTextDecoder() { closeConverters(); }

DxfTextDecoder::DxfTextDecoder(const DxfTextDecoder& other)
    : m_codePage(other.m_codePage), m_utf8(other.m_utf8), m_carets(other.m_carets) {}

DxfTextDecoder& DxfTextDecoder::operator=(const DxfTextDecoder& other) {
  if (this != &other) {
    closeConverters();
    m_codePage = other.m_codePage;
    m_utf8 = other.m_utf8;
    m_carets = other.m_carets;
    m_tableReady = false;
  }
  return *this;
}

void DxfTextDecoder::setCodePage(std::string_view dwgCodePage) {
  const DxfCodePage* cp = findCodePage(dwgCodePage);
  if (!cp) cp = &kCodePages[0];
  if (cp != m_codePage) m_tableReady = false;
  m_codePage = cp;
}

std::string DxfTextDecoder::codePageName() const { return m_codePage->name; }

OdString DxfTextDecoder::decode(std::string_view raw) {
  if (isPlainAscii(raw)) return OdString(std::u16string(raw.begin(), raw.end()));
  m_out.clear();
  decodeEscaped(raw, m_utf8 || looksLikeUtf8(raw));
  return OdString(m_out);  // copies; m_out keeps its capacity for the next value
}

// Splits the value at the escapes; the text between them is converted as a whole.
void DxfTextDecoder::decodeEscaped(std::string_view raw, bool asUtf8) {
  size_t textStart = 0;
  size_t i = 0;
  while (i < raw.size()) {
    size_t len = 0;
    int unit = escapeAt(raw, i, len);
    if (unit < 0) {  // text, or not one of ours: MTEXT codes and the like stay as written
      i += nextUnitLength(raw, i, asUtf8);
      continue;
    }
    appendText(raw.substr(textStart, i - textStart), asUtf8);
    m_out += static_cast<char16_t>(unit);
    i += len;
    textStart = i;
  }
  appendText(raw.substr(textStart), asUtf8);
}

// Steps over a whole double-byte character so that its second byte is not
// mistaken for a backslash.
size_t DxfTextDecoder::nextUnitLength(std::string_view raw, size_t i, bool asUtf8) const {
  if (asUtf8 || i + 1 >= raw.size()) return 1;
  return isLeadByte(m_codePage->lead, static_cast<unsigned char>(raw[i])) ? 2 : 1;
}

// The code unit of the escape at raw[i], with its length; -1 when none starts there.
int DxfTextDecoder::escapeAt(std::string_view raw, size_t i, size_t& len) {
  if (raw[i] == '\\') return escapeUnit(raw, i, len);
  if (raw[i] != '^' || !m_carets) return -1;
  len = 2;
  return caretUnit(raw, i);
}

// The code unit of \U+XXXX or \M+nXXXX at raw[i], with its length; -1 otherwise.
int DxfTextDecoder::escapeUnit(std::string_view raw, size_t i, size_t& len) {
  if (raw.size() - i < 3 || raw[i + 2] != '+') return -1;
  if (raw[i + 1] == 'U') {
    len = 7;
    return hex4(raw, i + 3);
  }
  if (raw[i + 1] != 'M' || raw.size() - i < 8 || raw[i + 3] < '1' || raw[i + 3] > '5') return -1;
  int code = hex4(raw, i + 4);
  if (code < 0) return -1;
  const char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
  len = 8;
  return convertToUnit(converter(kMbcsEscapeCodePages[raw[i + 3] - '1']), bytes, 2);
}

void DxfTextDecoder::appendText(std::string_view bytes, bool asUtf8) {
  if (bytes.empty()) return;
  if (asUtf8) appendUtf8(bytes);
  else appendCodePage(bytes);
}

// Invalid UTF-8 is taken as code page text rather than dropped.
void DxfTextDecoder::appendUtf8(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    auto c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80) {
      m_out += c;
      ++i;
      continue;
    }
    char32_t cp;
    if (size_t len = utf8Sequence(bytes, i, cp)) {
      appendCodePoint(m_out, cp);
      i += len;
      continue;
    }
    size_t end = i + 1;
    while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) >= 0x80 && !utf8Sequence(bytes, end, cp))
      ++end;
    appendCodePage(bytes.substr(i, end - i));
    i = end;
  }
}

void DxfTextDecoder::appendCodePage(std::string_view bytes) {
  if (m_codePage->lead == DxfLeadBytes::None) appendSingleByte(bytes);
  else appendDoubleByte(bytes);
}

// Single-byte code pages go through a table built once with iconv: faster than
// iconv per value, and every byte stays one character (glibc would compose
// CP1255/CP1258 letters with the following accent).
void DxfTextDecoder::appendSingleByte(std::string_view bytes) {
  if (!m_tableReady) buildSingleByteTable();
  for (char c : bytes) m_out += m_table[static_cast<unsigned char>(c)];
}

void DxfTextDecoder::buildSingleByteTable() {
  iconv_t cd = converter(m_codePage->iconvName);
  for (int b = 0; b < 0x100; ++b) {
    const char byte = static_cast<char>(b);
    int unit = b < 0x80 ? b : convertToUnit(cd, &byte, 1);
    m_table[b] = static_cast<char16_t>(unit < 0 ? b : unit);  // unmapped: Latin-1
  }
  m_tableReady = true;
}

// Double-byte text through iconv in one go. On any error iconv's stopping
// point cannot be trusted (glibc's CP949 steps past a bad pair before it
// reports it), so the run is redone one character at a time.
void DxfTextDecoder::appendDoubleByte(std::string_view bytes) {
  size_t start = m_out.size();
  iconv_t cd = converter(m_codePage->iconvName);
  if (cd != kNoConverter && appendIconv(cd, bytes)) return;
  m_out.resize(start);
  appendDoubleBytePerCharacter(cd, bytes);
}

bool DxfTextDecoder::appendIconv(void* cd, std::string_view bytes) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  while (inLeft > 0) {
    size_t used = m_out.size();
    m_out.resize(used + inLeft + 8);  // these code pages give at most one unit per byte
    char* out = reinterpret_cast<char*>(m_out.data() + used);
    size_t outLeft = (inLeft + 8) * sizeof(char16_t);
    size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
    m_out.resize(m_out.size() - outLeft / sizeof(char16_t));
    if (rc == static_cast<size_t>(-1) && errno != E2BIG) return false;
  }
  return true;
}

// A byte that is not part of a convertible character becomes Latin-1.
void DxfTextDecoder::appendDoubleBytePerCharacter(void* cd, std::string_view bytes) {
  for (size_t i = 0; i < bytes.size();) {
    auto c = static_cast<unsigned char>(bytes[i]);
    size_t len = isLeadByte(m_codePage->lead, c) && i + 1 < bytes.size() ? 2 : 1;
    int unit = c < 0x80 ? c : convertToUnit(cd, bytes.data() + i, len);
    if (unit < 0) {
      unit = c;
      len = 1;  // the byte after a bad lead byte gets its own chance
    }
    m_out += static_cast<char16_t>(unit);
    i += len;
  }
}

// Each converter is opened on first use and kept; a failed open is remembered too.
void* DxfTextDecoder::converter(const char* iconvName) {
  for (const auto& c : m_converters)
    if (std::strcmp(c.iconvName, iconvName) == 0) return c.handle;
  iconv_t cd = iconv_open(kUtf16, iconvName);
  m_converters.push_back({iconvName, cd});
  return cd;
}

void DxfTextDecoder::closeConverters() {
  for (const auto& c : m_converters)
    if (c.handle != kNoConverter) iconv_close(c.handle);
  m_converters.clear();
}
