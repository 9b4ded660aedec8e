#include "DxfTextFormat.h"

namespace dxf {

std::string idText(OdDbObjectId id) { return id.isValid() ? id.getHandle().text() : std::string("0"); }

std::string binaryToHex(const uint8_t* data, uint32_t length) {
  static const char* digits = "0123456789ABCDEF";
  std::string hex;
  hex.reserve(length * 2);
  for (uint32_t i = 0; i < length; ++i) {
    hex += digits[data[i] >> 4];
    hex += digits[data[i] & 15];
  }
  return hex;
}

}  // namespace dxf
