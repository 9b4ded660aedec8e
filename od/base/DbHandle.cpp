#include "DbHandle.h"

uint64_t OdDbHandle::parse(std::string_view hex) {
  uint64_t value = 0;
  size_t i = 0;
  while (i < hex.size() && hex[i] == ' ') ++i;
  if (i == hex.size()) return 0;
  int digits = 0;
  for (; i < hex.size(); ++i) {
    char c = hex[i];
    int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    if (d < 0) break;
    if (++digits > 16) return 0;
    value = (value << 4) | static_cast<uint64_t>(d);
  }
  return value;
}

std::string OdDbHandle::text() const {
  static const char* digits = "0123456789ABCDEF";
  char buf[17];
  int pos = 16;
  uint64_t v = m_value;
  do {
    buf[--pos] = digits[v & 15];
    v >>= 4;
  } while (v);
  return std::string(buf + pos, buf + 16);
}

OdString OdDbHandle::ascii() const { return OdString(text()); }
