#pragma once

#include <cstdarg>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Text of the drawing library. Held as UTF-16 code units, the form in which
// text is fingerprinted; converted to and from UTF-8 exactly, surrogate pairs
// included.
class OdString {
 public:
  OdString() = default;
  OdString(const char* utf8) : m_units(utf8 ? fromUtf8(utf8) : std::u16string()) {}
  OdString(const std::string& utf8) : m_units(fromUtf8(utf8)) {}
  OdString(std::string_view utf8) : m_units(fromUtf8(utf8)) {}
  OdString(const char16_t* units) : m_units(units ? units : u"") {}
  OdString(std::u16string units) : m_units(std::move(units)) {}

  static std::u16string fromUtf8(std::string_view utf8);
  static std::string toUtf8(std::u16string_view units);
  // Appends the UTF-8 of the units to out (which keeps its memory when reused).
  static void appendUtf8(std::u16string_view units, std::string& out);
  // printf-style formatting; %s takes a const char* in UTF-8 and %ls an OdString.
  static OdString format(const char* fmt, ...);

  const std::u16string& units() const { return m_units; }
  const char16_t* c_str() const { return m_units.c_str(); }
  std::string utf8() const { return toUtf8(m_units); }
  int getLength() const { return static_cast<int>(m_units.size()); }
  bool isEmpty() const { return m_units.empty(); }

  int find(const OdString& what, int start = 0) const;
  int find(char16_t what, int start = 0) const;
  OdString mid(int start, int count = -1) const;
  OdString left(int count) const { return mid(0, count); }
  OdString right(int count) const;
  OdString& makeUpper();
  OdString upper() const { OdString s(*this); return s.makeUpper(); }
  int compare(const OdString& other) const { return m_units.compare(other.m_units); }
  int iCompare(const OdString& other) const;

  OdString& operator+=(const OdString& other) { m_units += other.m_units; return *this; }
  OdString& operator+=(char16_t c) { m_units += c; return *this; }
  friend OdString operator+(OdString a, const OdString& b) { return a += b; }
  friend OdString operator+(OdString a, const char* b) { return a += OdString(b); }
  friend bool operator==(const OdString& a, const OdString& b) { return a.m_units == b.m_units; }
  friend bool operator!=(const OdString& a, const OdString& b) { return !(a == b); }
  friend bool operator<(const OdString& a, const OdString& b) { return a.m_units < b.m_units; }

 private:
  std::u16string m_units;
};

// Upper case of one code unit for the scripts names are written in
// (Latin, Greek, Cyrillic); symbol names compare without regard to case.
char16_t odToUpper(char16_t c);

template <>
struct std::hash<OdString> {
  size_t operator()(const OdString& s) const noexcept { return std::hash<std::u16string>()(s.units()); }
};

// Case-insensitive ordering and hashing, for symbol tables and dictionaries.
struct OdStringLessNoCase {
  bool operator()(const OdString& a, const OdString& b) const { return a.iCompare(b) < 0; }
};
