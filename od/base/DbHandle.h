#pragma once

#include "OdString.h"

#include <cstdint>
#include <string_view>

// Persistent handle of a database object; its text form is upper-case hexadecimal.
class OdDbHandle {
 public:
  OdDbHandle() = default;
  OdDbHandle(uint64_t value) : m_value(value) {}
  explicit OdDbHandle(const OdString& hex) : m_value(parse(hex.utf8())) {}

  // Parses hexadecimal text; answers 0 for text that is not a handle.
  static uint64_t parse(std::string_view hex);
  OdString ascii() const;
  std::string text() const;

  uint64_t value() const { return m_value; }
  operator uint64_t() const { return m_value; }
  bool isNull() const { return m_value == 0; }
  OdDbHandle& operator++() { ++m_value; return *this; }

 private:
  uint64_t m_value = 0;
};
