#pragma once

#include "OdStreamBuf.h"

#include <cstring>

// A DXF filer over a stream: every value is written as its group code and
// its bytes, and read back in the same order. TStream provides the stream
// operations (a memory stream mixed in).
template <class TFiler, class TStream>
class OdCopyFilerBase : public TFiler, public TStream {
 public:
  OdDbDatabase* database() const override { return m_database; }
  void setDatabase(OdDbDatabase* db) { m_database = db; }
  void seek(int64_t offset, OdDb::FilerSeekType from) override { TStream::seek(offset, from); }
  uint64_t tell() const override { return TStream::tell(); }

  void wrString(int code, const OdString& v) override {
    putCode(code);
    putValue(static_cast<uint32_t>(v.units().size()));
    TStream::putBytes(v.c_str(), static_cast<uint32_t>(v.units().size() * sizeof(char16_t)));
  }
  void wrBool(int code, bool v) override { putCode(code); putValue(static_cast<uint8_t>(v)); }
  void wrInt8(int code, int8_t v) override { putCode(code); putValue(v); }
  void wrUInt8(int code, uint8_t v) override { putCode(code); putValue(v); }
  void wrInt16(int code, int16_t v) override { putCode(code); putValue(v); }
  void wrUInt16(int code, uint16_t v) override { putCode(code); putValue(v); }
  void wrInt32(int code, int32_t v) override { putCode(code); putValue(v); }
  void wrUInt32(int code, uint32_t v) override { putCode(code); putValue(v); }
  void wrInt64(int code, int64_t v) override { putCode(code); putValue(v); }
  void wrUInt64(int code, uint64_t v) override { putCode(code); putValue(v); }
  void wrHandle(int code, OdDbHandle v) override { putCode(code); putValue(v.value()); }
  void wrObjectId(int code, OdDbObjectId v) override { putCode(code); putValue(v.stub()); }
  void wrDouble(int code, double v, int = OdDbDxfFiler::kDfltPrec) override { putCode(code); putValue(v); }
  void wrPoint2d(int code, const OdGePoint2d& v, int = OdDbDxfFiler::kDfltPrec) override { putCode(code); putValue(v); }
  void wrPoint3d(int code, const OdGePoint3d& v, int = OdDbDxfFiler::kDfltPrec) override { putCode(code); putValue(v); }
  void wrVector2d(int code, const OdGeVector2d& v, int = OdDbDxfFiler::kDfltPrec) override { putCode(code); putValue(v); }
  void wrVector3d(int code, const OdGeVector3d& v, int = OdDbDxfFiler::kDfltPrec) override { putCode(code); putValue(v); }
  void wrScale3d(int code, const OdGeScale3d& v, int = OdDbDxfFiler::kDfltPrec) override { putCode(code); putValue(v); }
  void wrBinaryChunk(int code, const uint8_t* data, uint32_t length) override {
    putCode(code);
    putValue(length);
    TStream::putBytes(data, length);
  }

  int nextItem() override { return TStream::isEof() ? -1 : getValue<int16_t>(); }
  OdString rdString() override {
    std::u16string units(getValue<uint32_t>(), u'\0');
    TStream::getBytes(units.data(), static_cast<uint32_t>(units.size() * sizeof(char16_t)));
    return OdString(std::move(units));
  }
  bool rdBool() override { return getValue<uint8_t>() != 0; }
  int8_t rdInt8() override { return getValue<int8_t>(); }
  int16_t rdInt16() override { return getValue<int16_t>(); }
  int32_t rdInt32() override { return getValue<int32_t>(); }
  int64_t rdInt64() override { return getValue<int64_t>(); }
  double rdDouble() override { return getValue<double>(); }
  OdDbHandle rdHandle() override { return OdDbHandle(getValue<uint64_t>()); }
  OdDbObjectId rdObjectId() override { return OdDbObjectId(getValue<OdDbStub*>()); }
  OdGePoint2d rdPoint2d() override { return getValue<OdGePoint2d>(); }
  OdGePoint3d rdPoint3d() override { return getValue<OdGePoint3d>(); }
  OdGeVector3d rdVector3d() override { return getValue<OdGeVector3d>(); }
  OdGeScale3d rdScale3d() override { return getValue<OdGeScale3d>(); }
  OdBinaryData rdBinaryChunk() override {
    OdBinaryData data(getValue<uint32_t>());
    TStream::getBytes(data.data(), static_cast<uint32_t>(data.size()));
    return data;
  }

 protected:
  void putCode(int code) { putValue(static_cast<int16_t>(code)); }
  template <class T>
  void putValue(const T& value) {
    TStream::putBytes(&value, sizeof value);
  }
  template <class T>
  T getValue() {
    T value;
    TStream::getBytes(&value, sizeof value);
    return value;
  }

 private:
  OdDbDatabase* m_database = nullptr;
};

// The copy filer: answers the copy filer type.
template <class TBase>
class OdCopyFilerImpl : public TBase {
 public:
  OdDb::FilerType filerType() const override { return OdDb::kCopyFiler; }
};
