#include "DxfTokenizer.h"

#include "DxfFields.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {
constexpr std::string_view kBinarySentinel("AutoCAD Binary DXF\r\n\x1a\0", 22);

enum class BinaryType { String, Double, Int16, Int32, Int64, Bool, Chunk };

constexpr BinaryType classifyCode(int code) {
  if ((code >= 10 && code <= 59) || (code >= 110 && code <= 149) || (code >= 210 && code <= 239) ||
      (code >= 460 && code <= 469) || (code >= 1010 && code <= 1059))
    return BinaryType::Double;
  if ((code >= 60 && code <= 79) || (code >= 170 && code <= 179) || (code >= 270 && code <= 289) ||
      (code >= 370 && code <= 389) || (code >= 400 && code <= 409) || (code >= 1060 && code <= 1070))
    return BinaryType::Int16;
  if ((code >= 90 && code <= 99) || (code >= 420 && code <= 429) || (code >= 440 && code <= 459) || code == 1071)
    return BinaryType::Int32;
  if (code >= 160 && code <= 169) return BinaryType::Int64;
  if (code >= 290 && code <= 299) return BinaryType::Bool;
  if ((code >= 310 && code <= 319) || code == 1004) return BinaryType::Chunk;
  return BinaryType::String;
}

// Every group asks for its type: the codes that have one are looked up in a table.
constexpr int kLastTypedCode = 1071;
constexpr auto kTypeByCode = [] {
  std::array<BinaryType, kLastTypedCode + 1> table{};
  for (int code = 0; code <= kLastTypedCode; ++code) table[code] = classifyCode(code);
  return table;
}();

BinaryType binaryTypeOf(int code) {
  return code >= 0 && code <= kLastTypedCode ? kTypeByCode[code] : BinaryType::String;
}

// What can be read and written back: the negative codes of ASCII files up
// to what a kept group holds (16 bits, signed); saved results hold 5005.
constexpr int kLeastCode = -5, kGreatestCode = 32767;

bool isNumeric(BinaryType type) {
  return type == BinaryType::Double || type == BinaryType::Int16 || type == BinaryType::Int32 ||
         type == BinaryType::Int64 || type == BinaryType::Bool;
}

// What a number reads from starts as one; trailing text is repaired away
// when the value is read, as writers with decimal commas need.
bool startsAsNumber(std::string_view value) {
  size_t at = value.find_first_not_of(" \t");
  if (at == std::string_view::npos) return false;
  if (value[at] == '+' || value[at] == '-') ++at;
  if (at < value.size() && value[at] == '.') ++at;
  return at < value.size() && value[at] >= '0' && value[at] <= '9';
}

// A number and nothing else but blanks around it.
bool isWhollyNumber(std::string_view value) {
  size_t first = value.find_first_not_of(" \t"), last = value.find_last_not_of(" \t");
  if (first == std::string_view::npos) return false;
  if (value[first] == '+') ++first;
  double number;
  auto [end, ec] = std::from_chars(value.data() + first, value.data() + last + 1, number);
  return ec == std::errc() && end == value.data() + last + 1;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A group code line: an integer between blanks; false for anything else.
bool parseCode(std::string_view text, int& code) {
  size_t a = 0, b = text.size();
  while (a < b && isBlank(text[a])) ++a;
  while (b > a && isBlank(text[b - 1])) --b;
  auto [end, ec] = std::from_chars(text.data() + a, text.data() + b, code);
  return a < b && ec == std::errc() && end == text.data() + b;
}

template <class T>
T readLittleEndian(const char* p) {
  T value;
  std::memcpy(&value, p, sizeof value);
  return value;
}
}  // namespace

DxfTokenizer::DxfTokenizer(std::string_view data) : m_data(data) {
  if (m_data.substr(0, kBinarySentinel.size()) == kBinarySentinel) {
    m_binary = true;
    m_pos = kBinarySentinel.size();
    // The first group is 0/SECTION: one code byte before R13, two after.
    m_shortCodes = m_data.size() > m_pos + 1 && m_data[m_pos + 1] == 'S';
  } else if (m_data.substr(0, 3) == "\xEF\xBB\xBF") {
    m_pos = 3;  // byte order mark
  }
}

std::string quotedForMessage(std::string_view value) {
  constexpr size_t kShown = 40;
  std::string out = "'";
  for (unsigned char c : value.substr(0, kShown)) {
    if (c >= 0x20 && c != 0x7F) {
      out += static_cast<char>(c);
    } else {
      static const char* digits = "0123456789ABCDEF";
      out += "\\x";
      out += digits[c >> 4];
      out += digits[c & 15];
    }
  }
  return out + (value.size() > kShown ? "'..." : "'");
}

void DxfTokenizer::fail(const std::string& what) const { throw OdError(eDxfFileCorrupt, position() + ": " + what); }

std::string DxfTokenizer::position(size_t mark) const {
  return (m_binary ? "byte " : "line ") + std::to_string(mark);
}

bool DxfTokenizer::next(dxf::Group& group) { return m_binary ? nextBinary(group) : nextAscii(group); }

// Lines are a few bytes long: a plain loop beats a call to find each end.
std::string_view DxfTokenizer::readLine() {
  const char* data = m_data.data();
  size_t size = m_data.size(), start = m_pos, end = start;
  while (end < size && data[end] != '\n') ++end;
  m_pos = end < size ? end + 1 : size;
  if (end > start && data[end - 1] == '\r') --end;
  ++m_line;
  return std::string_view(data + start, end - start);
}

// The common group code line, blanks and up to five digits, read in one pass.
bool DxfTokenizer::readPlainCode(int& code) {
  const char* data = m_data.data();
  size_t size = m_data.size(), at = m_pos;
  while (at < size && data[at] == ' ') ++at;
  size_t digits = at;
  int value = 0;
  while (at < size && at - digits < 5 && data[at] >= '0' && data[at] <= '9') value = value * 10 + (data[at++] - '0');
  if (at == digits || at >= size) return false;
  if (data[at] == '\r' && at + 1 < size) ++at;
  if (data[at] != '\n') return false;
  m_pos = at + 1;
  ++m_line;
  code = value;
  return true;
}

bool DxfTokenizer::onlyBlanksRemain() const {
  size_t probe = m_pos;
  while (probe < m_data.size() && (m_data[probe] == '\r' || m_data[probe] == '\n' || m_data[probe] == ' ' ||
                                   m_data[probe] == '\t' || m_data[probe] == '\x1a' || m_data[probe] == '\0'))
    ++probe;
  return probe >= m_data.size();
}

bool DxfTokenizer::nextAscii(dxf::Group& group) {
  size_t start = m_pos, line = m_line + 1;
  int code = 0;
  if (!readPlainCode(code)) {
    // Blank lines at the very end are not a group.
    if (onlyBlanksRemain()) return false;
    m_groupLine = line;
    m_groupStart = start;
    std::string_view codeText = readLine();
    if (!parseCode(codeText, code)) fail("expected a group code, found " + quotedForMessage(codeText));
  }
  m_groupLine = line;
  m_groupStart = start;
  checkCode(code);
  if (m_pos >= m_data.size()) fail("the file ends after group code " + std::to_string(code) + " without its value");
  group.code = code;
  group.value = readLine();
  group.realRead = isNumeric(binaryTypeOf(code)) && dxf::readPlainDecimal(group.value, group.real);
  if (isNumeric(binaryTypeOf(code)) && !group.realRead) {
    if (!startsAsNumber(group.value))
      fail("group " + std::to_string(code) + " needs a number, found " + quotedForMessage(group.value));
    if (!isWhollyNumber(group.value)) noteRepair(code, group.value);
  }
  return true;
}

void DxfTokenizer::noteRepair(int code, std::string_view value) {
  if (m_repairs++ == 0)
    m_firstRepair = position() + ": group " + std::to_string(code) + " " + quotedForMessage(value) + " read as " +
                    dxf::formatDouble(dxf::toDouble(value));
}

void DxfTokenizer::checkCode(int code) const {
  if (code < kLeastCode || code > kGreatestCode) fail("group code " + std::to_string(code) + " is out of range");
}

std::string_view DxfTokenizer::keep(std::string text) {
  m_values.push_back(std::move(text));
  return m_values.back();
}

bool DxfTokenizer::nextBinary(dxf::Group& group) {
  if (m_pos >= m_data.size()) return false;
  m_groupStart = m_pos;
  auto need = [&](size_t n) {
    if (m_pos + n > m_data.size()) fail("the file ends inside a group");
  };
  int code;
  if (m_shortCodes) {
    need(1);
    code = static_cast<uint8_t>(m_data[m_pos++]);
    if (code == 255) {
      need(2);
      code = readLittleEndian<int16_t>(m_data.data() + m_pos);
      m_pos += 2;
    }
  } else {
    need(2);
    code = readLittleEndian<uint16_t>(m_data.data() + m_pos);
    m_pos += 2;
  }
  checkCode(code);
  group.code = code;
  group.realRead = false;
  switch (binaryTypeOf(code)) {
    case BinaryType::String: {
      size_t end = m_data.find('\0', m_pos);
      if (end == std::string_view::npos) fail("the file ends inside a text value");
      group.value = m_data.substr(m_pos, end - m_pos);
      m_pos = end + 1;
      break;
    }
    case BinaryType::Double: {
      need(8);
      double value = readLittleEndian<double>(m_data.data() + m_pos);
      // As in ASCII files, where "nan" and "inf" do not start as numbers.
      if (!std::isfinite(value)) fail("group " + std::to_string(code) + " needs a number, found " + dxf::formatDouble(value));
      group.value = keep(dxf::formatDouble(value));
      m_pos += 8;
      break;
    }
    case BinaryType::Int16:
      need(2);
      group.value = keep(std::to_string(readLittleEndian<int16_t>(m_data.data() + m_pos)));
      m_pos += 2;
      break;
    case BinaryType::Int32:
      need(4);
      group.value = keep(std::to_string(readLittleEndian<int32_t>(m_data.data() + m_pos)));
      m_pos += 4;
      break;
    case BinaryType::Int64:
      need(8);
      group.value = keep(std::to_string(readLittleEndian<int64_t>(m_data.data() + m_pos)));
      m_pos += 8;
      break;
    case BinaryType::Bool:
      need(1);
      group.value = keep(std::to_string(static_cast<uint8_t>(m_data[m_pos])));
      m_pos += 1;
      break;
    case BinaryType::Chunk: {
      need(1);
      size_t length = static_cast<uint8_t>(m_data[m_pos++]);
      need(length);
      static const char* digits = "0123456789ABCDEF";
      std::string hex;
      hex.reserve(length * 2);
      for (size_t i = 0; i < length; ++i) {
        auto byte = static_cast<uint8_t>(m_data[m_pos + i]);
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
      }
      group.value = keep(std::move(hex));
      m_pos += length;
      break;
    }
  }
  return true;
}
