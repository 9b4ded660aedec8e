#pragma once

#include "DbObjectId.h"
#include "GePoint2d.h"
#include "GePoint3d.h"
#include "GeScale3d.h"
#include "GeVector2d.h"
#include "GeVector3d.h"
#include "OdArray.h"

#include <cstdint>

using OdBinaryData = OdArray<uint8_t>;

namespace OdDb {
enum FilerType { kFileFiler = 0, kCopyFiler = 1, kUndoFiler = 2, kBulkCopyFiler = 3, kWblockCloneFiler = 4,
                 kDeepCloneFiler = 5, kIdFiler = 6, kPurgeFiler = 7, kIdXlateFiler = 8 };
enum FilerSeekType { kSeekFromStart = 0, kSeekFromCurrent = 1, kSeekFromEnd = 2 };
}

// The stream of typed DXF values into which an object writes its fields, and
// from which a reading filer hands them back.
class OdDbDxfFiler : public OdRxObject {
 public:
  ODRX_DECLARE_MEMBERS(OdDbDxfFiler);

 public:
  enum { kDfltPrec = -1 };

  virtual OdDb::FilerType filerType() const = 0;
  virtual OdDbDatabase* database() const = 0;
  virtual bool includesDefaultValues() const { return false; }
  // Proxy graphics and ACIS data, whose form each DXF version writes its own way.
  virtual bool includesVersionedData() const { return true; }
  virtual int precision() const { return 16; }
  virtual int dwgVersion() const { return 33; }  // 2018 format
  virtual void seek(int64_t offset, OdDb::FilerSeekType from) = 0;
  virtual uint64_t tell() const = 0;

  // Everything written after this belongs to the object's extended data.
  virtual void writeXDataStart() {}

  virtual void wrName(int code, const OdString& value) { wrString(code, value); }
  virtual void wrString(int code, const OdString& value) = 0;
  virtual void wrBool(int code, bool value) = 0;
  virtual void wrInt8(int code, int8_t value) = 0;
  virtual void wrUInt8(int code, uint8_t value) = 0;
  virtual void wrInt16(int code, int16_t value) = 0;
  virtual void wrUInt16(int code, uint16_t value) = 0;
  virtual void wrInt32(int code, int32_t value) = 0;
  virtual void wrUInt32(int code, uint32_t value) = 0;
  virtual void wrInt64(int code, int64_t value) = 0;
  virtual void wrUInt64(int code, uint64_t value) = 0;
  virtual void wrHandle(int code, OdDbHandle value) = 0;
  virtual void wrObjectId(int code, OdDbObjectId value) = 0;
  virtual void wrAngle(int code, double value, int prec = kDfltPrec) { wrDouble(code, value, prec); }
  virtual void wrDouble(int code, double value, int prec = kDfltPrec) = 0;
  virtual void wrPoint2d(int code, const OdGePoint2d& value, int prec = kDfltPrec) = 0;
  virtual void wrPoint3d(int code, const OdGePoint3d& value, int prec = kDfltPrec) = 0;
  virtual void wrVector2d(int code, const OdGeVector2d& value, int prec = kDfltPrec) = 0;
  virtual void wrVector3d(int code, const OdGeVector3d& value, int prec = kDfltPrec) = 0;
  virtual void wrScale3d(int code, const OdGeScale3d& value, int prec = kDfltPrec) = 0;
  virtual void wrBinaryChunk(int code, const uint8_t* data, uint32_t length) = 0;
  void wrBinaryChunk(int code, const OdBinaryData& data) {
    wrBinaryChunk(code, data.data(), static_cast<uint32_t>(data.size()));
  }
  void wrSubclassMarker(const OdString& name) { wrString(100, name); }

  // Reading side: the next group code, then its value by type.
  virtual int nextItem() { return -1; }
  virtual OdString rdString() { return OdString(); }
  virtual bool rdBool() { return false; }
  virtual int8_t rdInt8() { return 0; }
  virtual int16_t rdInt16() { return 0; }
  virtual int32_t rdInt32() { return 0; }
  virtual int64_t rdInt64() { return 0; }
  virtual double rdDouble() { return 0; }
  virtual double rdAngle() { return rdDouble(); }
  virtual OdDbHandle rdHandle() { return OdDbHandle(); }
  virtual OdDbObjectId rdObjectId() { return OdDbObjectId(); }
  virtual OdGePoint2d rdPoint2d() { return OdGePoint2d(); }
  virtual OdGePoint3d rdPoint3d() { return OdGePoint3d(); }
  virtual OdGeVector3d rdVector3d() { return OdGeVector3d(); }
  virtual OdGeScale3d rdScale3d() { return OdGeScale3d(); }
  virtual OdBinaryData rdBinaryChunk() { return OdBinaryData(); }
};
using OdDbDxfFilerPtr = OdSmartPtr<OdDbDxfFiler>;
