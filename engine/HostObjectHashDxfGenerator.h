#pragma once

#include "OdCopyFiler.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

class OdDbObject;

namespace hostObjectCompare {

// The display properties that count in fingerprints only when the user asks
// for them: the bits of COMPAREPROPS.
enum CompareProps : int32_t {
  CompareColor = 1,            // colour number (62), true colour (420) and colour name (430)
  CompareLayer = 2,            // layer name (8)
  CompareLinetype = 4,         // linetype name (6)
  CompareLinetypeScale = 8,    // linetype scale (48)
  CompareLineweight = 16,      // lineweight (370)
  CompareTransparency = 32,    // transparency (440)
};

// The value to the given number of decimal places, halves away from zero;
// unchanged for a precision outside 0..14. Never answers negative zero.
double roundToPrecision(double value, int precision);

// Told of each value as it reaches a fingerprint (rounded, names cut), so
// that a report can show why two objects differ.
class HashValueObserver {
 public:
  virtual ~HashValueObserver() = default;
  virtual void passedText(int code, std::u16string_view text) = 0;
  virtual void passedInteger(int code, int64_t value) = 0;
  virtual void passedUnsigned(int code, uint64_t value) = 0;
  // A double, or the coordinates of a point, vector or scale.
  virtual void passedReals(int code, std::span<const double> values) = 0;
  virtual void passedBinary(int code, std::span<const uint8_t> bytes) = 0;
};

using HashFilerBase =
    OdStaticRxObject<OdCopyFilerImpl<OdCopyFilerBase<OdDbDxfFiler, OdMemoryStreamImpl<OdMemoryStreamDummyBase>>>>;

// The DXF filer an object writes its fields into to be fingerprinted. Only
// values reach its stream, without their group codes, and only those that
// tell objects apart: no handles or object ids, no extended data, no names
// of group code 2, no strings holding both braces, no application data
// brackets (102), no proxy graphics or ACIS data (each DXF version writes
// them its own way), no bound-reference
// prefixes ("FILE1$0$"), doubles rounded to COMPARETOLERANCE decimal places,
// and the display properties only when COMPAREPROPS asks for them. The bytes are part of
// what result drawings store: integers and doubles little-endian, strings
// as their length (16 bits) and UTF-16 code units.
//
// One generator per object: it reads both system variables when made.
class HostObjectHashDxfGenerator : public HashFilerBase {
 public:
  static constexpr uint32_t kPageSize = 1024;
  static constexpr int kDefaultPrecision = 6;

  HostObjectHashDxfGenerator();

  // The CRC-32 of what the object writes. A table counts as the block
  // reference it is, without its cells.
  uint32_t computeHash(const OdDbObject* object);

  // Told of every value that passes, until set to null. Not owned.
  void setObserver(HashValueObserver* observer) { m_observer = observer; }

  int32_t compareProps() const { return m_compareProps; }
  // Decimal places doubles keep (not the filer's precision(), which is the
  // library's DXF output precision and keeps its default).
  int roundingPrecision() const { return m_precision; }
  bool inExtendedData() const { return m_inExtendedData; }
  bool hashBinaryChunks() const { return m_hashBinaryChunks; }

  bool includesDefaultValues() const override { return true; }
  bool includesVersionedData() const override { return false; }
  void writeXDataStart() override { m_inExtendedData = true; }

  void wrName(int code, const OdString& value) override;
  void wrString(int code, const OdString& value) override;
  void wrBool(int code, bool value) override;
  void wrInt8(int code, int8_t value) override;
  void wrUInt8(int code, uint8_t value) override;
  void wrInt16(int code, int16_t value) override;
  void wrUInt16(int code, uint16_t value) override;
  void wrInt32(int code, int32_t value) override;
  void wrUInt32(int code, uint32_t value) override;
  void wrInt64(int code, int64_t value) override;
  void wrUInt64(int code, uint64_t value) override;
  void wrHandle(int, OdDbHandle) override {}
  void wrObjectId(int, OdDbObjectId) override {}
  void wrDouble(int code, double value, int prec = kDfltPrec) override;
  void wrPoint2d(int code, const OdGePoint2d& value, int prec = kDfltPrec) override;
  void wrPoint3d(int code, const OdGePoint3d& value, int prec = kDfltPrec) override;
  void wrVector2d(int code, const OdGeVector2d& value, int prec = kDfltPrec) override;
  void wrVector3d(int code, const OdGeVector3d& value, int prec = kDfltPrec) override;
  void wrScale3d(int code, const OdGeScale3d& value, int prec = kDfltPrec) override;
  void wrBinaryChunk(int code, const uint8_t* data, uint32_t length) override;
  using OdDbDxfFiler::wrBinaryChunk;

  // Nothing is read back from a fingerprint.
  int nextItem() override { return 0; }
  OdString rdString() override { return OdString(); }
  bool rdBool() override { return true; }
  int8_t rdInt8() override { return 0; }
  int16_t rdInt16() override { return 0; }
  int32_t rdInt32() override { return 0; }
  int64_t rdInt64() override { return 0; }
  double rdDouble() override { return 0; }
  OdDbHandle rdHandle() override { return OdDbHandle(); }
  OdDbObjectId rdObjectId() override { return OdDbObjectId(); }
  OdGePoint2d rdPoint2d() override { return OdGePoint2d(); }
  OdGePoint3d rdPoint3d() override { return OdGePoint3d(); }
  OdGeVector3d rdVector3d() override { return OdGeVector3d(); }
  OdGeScale3d rdScale3d() override { return OdGeScale3d(0, 0, 0); }
  OdBinaryData rdBinaryChunk() override { return OdBinaryData(); }

 private:
  void writeFieldsOf(const OdDbObject* object);
  void writeVerticesOf(const OdDbObject* object);
  uint32_t crcOfStream();

  bool wants(CompareProps property) const { return (m_compareProps & property) != 0; }
  bool namePasses(int code) const;
  bool int16Passes(int code) const;
  bool int32Passes(int code) const;
  bool doublePasses(int code) const;

  void putText(int code, std::u16string_view text);
  template <class T>
  void putInteger(int code, T value);
  void putReals(int code, std::initializer_list<double> values);

  int32_t m_precision = kDefaultPrecision;
  int32_t m_compareProps = 0;
  bool m_inExtendedData = false;
  bool m_hashBinaryChunks = true;
  bool m_isMLeader = false;
  HashValueObserver* m_observer = nullptr;
};

}  // namespace hostObjectCompare
