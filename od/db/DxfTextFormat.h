#pragma once

// Formatting of typed DXF values as the text a DXF file holds, shared by the
// DXF writer and by filers that keep the groups an object writes.

#include "DbDxfFiler.h"
#include "DxfFields.h"

#include <charconv>
#include <string>
#include <string_view>

namespace dxf {

// The text of a reference: the handle of what it names, or 0 for nothing.
std::string idText(OdDbObjectId id);
// Binary data as upper-case hexadecimal.
std::string binaryToHex(const uint8_t* data, uint32_t length);

// A DXF filer that formats every value as text and hands each group to its
// Sink: Sink::put(code, text), and Sink::putId(code, id, text) for references.
template <class Sink>
class TextFormatFiler : public OdDbDxfFiler {
 public:
  void wrString(int code, const OdString& value) override { sink().put(code, value.utf8()); }
  void wrBool(int code, bool value) override { putInt(code, value ? 1 : 0); }
  void wrInt8(int code, int8_t value) override { putInt(code, value); }
  void wrUInt8(int code, uint8_t value) override { putInt(code, value); }
  void wrInt16(int code, int16_t value) override { putInt(code, value); }
  void wrUInt16(int code, uint16_t value) override { putInt(code, value); }
  void wrInt32(int code, int32_t value) override { putInt(code, value); }
  void wrUInt32(int code, uint32_t value) override { putInt(code, value); }
  void wrInt64(int code, int64_t value) override { putInt(code, value); }
  void wrUInt64(int code, uint64_t value) override { putInt(code, value); }
  void wrHandle(int code, OdDbHandle value) override { sink().put(code, value.text()); }
  // A reference to nothing the database holds is written as no reference.
  void wrObjectId(int code, OdDbObjectId value) override { sink().putId(code, value, idText(value)); }
  void wrDouble(int code, double value, int) override { sink().put(code, formatDouble(value)); }
  void wrPoint2d(int code, const OdGePoint2d& p, int) override { wrPair(code, p.x, p.y); }
  void wrPoint3d(int code, const OdGePoint3d& p, int) override { wrTriple(code, p.x, p.y, p.z); }
  void wrVector2d(int code, const OdGeVector2d& v, int) override { wrPair(code, v.x, v.y); }
  void wrVector3d(int code, const OdGeVector3d& v, int) override { wrTriple(code, v.x, v.y, v.z); }
  void wrScale3d(int code, const OdGeScale3d& s, int) override { wrTriple(code, s.sx, s.sy, s.sz); }
  void wrBinaryChunk(int code, const uint8_t* data, uint32_t length) override {
    sink().put(code, binaryToHex(data, length));
  }

 private:
  Sink& sink() { return static_cast<Sink&>(*this); }
  void wrPair(int code, double x, double y) {
    wrDouble(code, x, 0);
    wrDouble(code + 10, y, 0);
  }
  void wrTriple(int code, double x, double y, double z) {
    wrPair(code, x, y);
    wrDouble(code + 20, z, 0);
  }
  template <class T>
  void putInt(int code, T value) {
    char buf[24];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    sink().put(code, std::string_view(buf, static_cast<size_t>(end - buf)));
  }
};

}  // namespace dxf
