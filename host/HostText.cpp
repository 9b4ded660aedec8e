#include "HostText.h"

#include <charconv>

std::wstring hostToWide(const OdString& text) {
  std::wstring out;
  const std::u16string& units = text.units();
  for (size_t i = 0; i < units.size(); ++i) {
    char32_t c = units[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000)
      c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
    out += static_cast<wchar_t>(c);
  }
  return out;
}

OdString hostFromWide(const wchar_t* text) {
  std::u16string units;
  for (const wchar_t* p = text; p && *p; ++p) {
    char32_t c = static_cast<char32_t>(*p);
    if (c >= 0x10000) {
      c -= 0x10000;
      units += static_cast<char16_t>(0xD800 + (c >> 10));
      units += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
      units += static_cast<char16_t>(c);
    }
  }
  return OdString(std::move(units));
}

std::vector<std::vector<OdString>> hostSplitCommandLine(const OdString& line) {
  std::vector<std::vector<OdString>> steps(1);
  std::u16string word;
  bool inWord = false, quoted = false;
  auto endWord = [&] {
    if (inWord) steps.back().push_back(OdString(word));
    word.clear();
    inWord = false;
  };
  for (char16_t c : line.units()) {
    if (quoted) {
      if (c == u'"') quoted = false;
      else word += c;
    } else if (c == u'"') {
      quoted = inWord = true;
    } else if (c == u';' || c == u'\n') {
      endWord();
      steps.emplace_back();
    } else if (c == u' ' || c == u'\t' || c == u'\r') {
      endWord();
    } else {
      word += c;
      inWord = true;
    }
  }
  endWord();
  std::erase_if(steps, [](const std::vector<OdString>& s) { return s.empty(); });
  return steps;
}

bool hostParseNumber(const std::string& text, double& value) {
  const char* end = text.data() + text.size();
  auto [stop, ec] = std::from_chars(text.data(), end, value);
  return !text.empty() && ec == std::errc() && stop == end;
}

bool hostParsePoint(const OdString& text, OdGePoint3d& point) {
  std::string s = text.utf8();
  double c[3] = {0, 0, 0};
  int n = 0;
  for (size_t start = 0;; ++n) {
    size_t comma = s.find(',', start);
    if (n == 3 || !hostParseNumber(s.substr(start, comma - start), c[n])) return false;
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (n < 1) return false;
  point = OdGePoint3d(c[0], c[1], c[2]);
  return true;
}
