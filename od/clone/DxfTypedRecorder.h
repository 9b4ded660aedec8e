#pragma once

#include "DxfFields.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

// A filer that keeps the groups an object writes as typed values: numbers as
// numbers, handles as handles, references as ids, strings (UTF-8) and binary
// data in blocks of its own. Nothing is formatted or parsed, and clear keeps
// the memory for the next object, so that recording allocates only while it
// grows. What it keeps reads back through the field tables as groups of a
// file do (dxf::toDouble, dxf::toInt, ReadContext::idOf...).
class OdDbDxfTypedRecorder : public OdDbDxfFiler {
 public:
  explicit OdDbDxfTypedRecorder(OdDbDatabase* db = nullptr, OdDb::FilerType type = OdDb::kCopyFiler)
      : m_db(db), m_type(type) {}

  OdDb::FilerType filerType() const override { return m_type; }
  OdDbDatabase* database() const override { return m_db; }
  void setDatabase(OdDbDatabase* db) { m_db = db; }
  void seek(int64_t, OdDb::FilerSeekType) override {}
  uint64_t tell() const override { return m_groups.size(); }

  // The groups kept since the last clear, in the order written; valid until then.
  std::span<const dxf::Group> groups() const { return m_groups; }
  void clear();

  void wrString(int code, const OdString& value) override;
  void wrBool(int code, bool value) override { putInteger(code, value ? 1 : 0); }
  void wrInt8(int code, int8_t value) override { putInteger(code, value); }
  void wrUInt8(int code, uint8_t value) override { putInteger(code, value); }
  void wrInt16(int code, int16_t value) override { putInteger(code, value); }
  void wrUInt16(int code, uint16_t value) override { putInteger(code, value); }
  void wrInt32(int code, int32_t value) override { putInteger(code, value); }
  void wrUInt32(int code, uint32_t value) override { putInteger(code, value); }
  void wrInt64(int code, int64_t value) override { putInteger(code, value); }
  void wrUInt64(int code, uint64_t value) override { putInteger(code, static_cast<int64_t>(value)); }
  void wrHandle(int code, OdDbHandle value) override;
  void wrObjectId(int code, OdDbObjectId value) override;
  void wrDouble(int code, double value, int = kDfltPrec) override;
  void wrPoint2d(int code, const OdGePoint2d& p, int = kDfltPrec) override { putReals(code, &p.x, 2); }
  void wrPoint3d(int code, const OdGePoint3d& p, int = kDfltPrec) override { putReals(code, &p.x, 3); }
  void wrVector2d(int code, const OdGeVector2d& v, int = kDfltPrec) override { putReals(code, &v.x, 2); }
  void wrVector3d(int code, const OdGeVector3d& v, int = kDfltPrec) override { putReals(code, &v.x, 3); }
  void wrScale3d(int code, const OdGeScale3d& s, int = kDfltPrec) override { putReals(code, &s.sx, 3); }
  void wrBinaryChunk(int code, const uint8_t* data, uint32_t length) override;

 private:
  void putInteger(int code, int64_t value);
  // Coordinates: groups code, code + 10, code + 20.
  void putReals(int code, const double* values, int count);
  // A copy of the bytes that stays where it is until clear.
  std::string_view keep(std::string_view bytes);

  OdDbDatabase* m_db;
  OdDb::FilerType m_type;
  std::vector<dxf::Group> m_groups;
  std::vector<std::unique_ptr<char[]>> m_blocks;  // text and binary data, kBlockSize bytes each
  std::vector<std::unique_ptr<char[]>> m_large;   // what does not fit in a block, freed by clear
  size_t m_block = 0;                             // the block being filled
  size_t m_used = 0;                              // bytes used of it
  std::string m_utf8;                             // strings while they are encoded
};
