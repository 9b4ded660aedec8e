#include "OdString.h"

#include <cstdio>
#include <vector>

namespace {
void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

void appendUtf16(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out += static_cast<char16_t>(cp);
  } else {
    cp -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (cp >> 10));
    out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
  }
}
}  // namespace

std::u16string OdString::fromUtf8(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      out += c;
      ++i;
      continue;
    }
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : -1;
    char32_t cp = extra == 3 ? c & 0x07 : extra == 2 ? c & 0x0F : c & 0x1F;
    bool valid = extra > 0 && i + extra < s.size();
    for (int k = 1; valid && k <= extra; ++k) {
      unsigned char cc = static_cast<unsigned char>(s[i + k]);
      if ((cc & 0xC0) != 0x80) valid = false;
      else cp = (cp << 6) | (cc & 0x3F);
    }
    static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};  // smaller values are overlong
    if (!valid || cp > 0x10FFFF || cp < kLeast[extra] || (cp >= 0xD800 && cp <= 0xDFFF)) {
      // Not UTF-8: keep the byte as a Latin-1 character rather than lose it.
      out += c;
      ++i;
      continue;
    }
    appendUtf16(out, cp);
    i += extra + 1;
  }
  return out;
}

std::string OdString::toUtf8(std::u16string_view u) {
  std::string out;
  appendUtf8(u, out);
  return out;
}

void OdString::appendUtf8(std::u16string_view u, std::string& out) {
  out.reserve(out.size() + u.size());
  for (size_t i = 0; i < u.size(); ++i) {
    char32_t c = u[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < u.size() && u[i + 1] >= 0xDC00 && u[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (u[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c < 0xE000) {
      c = 0xFFFD;  // a lone surrogate has no UTF-8 form
    }
    ::appendUtf8(out, c);
  }
}

OdString OdString::format(const char* fmt, ...) {
  // %ls takes an OdString*; everything else is handed to vsnprintf piece by piece.
  std::string out;
  va_list args;
  va_start(args, fmt);
  for (const char* p = fmt; *p;) {
    if (*p != '%') { out += *p++; continue; }
    const char* start = p++;
    if (*p == '%') { out += '%'; ++p; continue; }
    while (*p && std::string_view("-+ #0123456789.").find(*p) != std::string_view::npos) ++p;
    std::string conversion(start, p);
    if (*p == 'l' && p[1] == 's') {
      out += va_arg(args, const OdString*)->utf8();
      p += 2;
      continue;
    }
    bool isLong = false;
    if (*p == 'l') { isLong = true; ++p; if (*p == 'l') ++p; }
    char conv = *p ? *p++ : 's';
    conversion += isLong ? "ll" : "";
    conversion += conv;
    char buf[512];
    switch (conv) {
      case 'd': case 'i': case 'u': case 'x': case 'X': case 'o': case 'c':
        if (isLong) std::snprintf(buf, sizeof buf, conversion.c_str(), va_arg(args, long long));
        else std::snprintf(buf, sizeof buf, conversion.c_str(), va_arg(args, int));
        out += buf;
        break;
      case 'f': case 'g': case 'e': case 'G': case 'E':
        std::snprintf(buf, sizeof buf, conversion.c_str(), va_arg(args, double));
        out += buf;
        break;
      default:
        out += va_arg(args, const char*);
    }
  }
  va_end(args);
  return OdString(out);
}

int OdString::find(const OdString& what, int start) const {
  auto pos = m_units.find(what.m_units, static_cast<size_t>(start));
  return pos == std::u16string::npos ? -1 : static_cast<int>(pos);
}

int OdString::find(char16_t what, int start) const {
  auto pos = m_units.find(what, static_cast<size_t>(start));
  return pos == std::u16string::npos ? -1 : static_cast<int>(pos);
}

OdString OdString::mid(int start, int count) const {
  if (start < 0) start = 0;
  if (static_cast<size_t>(start) >= m_units.size()) return OdString();
  return OdString(m_units.substr(start, count < 0 ? std::u16string::npos : static_cast<size_t>(count)));
}

OdString OdString::right(int count) const {
  int n = getLength();
  return count >= n ? *this : mid(n - count);
}

char16_t odToUpper(char16_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 32 : c;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 0x20;
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  return c;
}

OdString& OdString::makeUpper() {
  for (auto& c : m_units) c = odToUpper(c);
  return *this;
}

int OdString::iCompare(const OdString& other) const {
  size_t n = std::min(m_units.size(), other.m_units.size());
  for (size_t i = 0; i < n; ++i) {
    char16_t a = m_units[i], b = other.m_units[i];
    if (a == b) continue;  // names compared are mostly spelt alike
    a = odToUpper(a);
    b = odToUpper(b);
    if (a != b) return a < b ? -1 : 1;
  }
  return m_units.size() == other.m_units.size() ? 0 : (m_units.size() < other.m_units.size() ? -1 : 1);
}
