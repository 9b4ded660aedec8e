#pragma once

#include "DbDxfFiler.h"
#include "RxObject.h"

#include <variant>

class OdResBuf;
using OdResBufPtr = OdSmartPtr<OdResBuf>;

// One typed item of a chain of values (extended data, Xrecord data, system
// variables). Its type is a DXF group code or one of the kRt codes.
class OdResBuf : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdResBuf);

 public:
  enum ValueType {
    kRtNone = 5000, kRtDouble = 5001, kRtPoint2d = 5002, kRtInt16 = 5003, kRtAngle = 5004, kRtString = 5005,
    kRtEntName = 5006, kRtPickSet = 5007, kRtOrient = 5008, kRtPoint3d = 5009, kRtInt32 = 5010,
    kRtColor = 5011, kRtVoid = 5014, kRtListBeg = 5016, kRtListEnd = 5017, kRtDote = 5018, kRtNil = 5019,
    kRtDXF0 = 5020, kRtT = 5021, kRtResBuf = 5023, kRtInt8 = 5028, kRtInt64 = 5031,
    kDxfText = 1, kDxfXCoord = 10, kDxfReal = 40, kDxfInt16 = 70, kDxfInt32 = 90, kDxfBinaryChunk = 310,
    kDxfArbHandle = 320, kDxfSoftPointerId = 330, kDxfHardPointerId = 340, kDxfSoftOwnershipId = 350,
    kDxfHardOwnershipId = 360, kDxfXdAsciiString = 1000, kDxfRegAppName = 1001, kDxfXdHandle = 1005
  };
  enum class Storage { None, String, Int, Double, Point, Id, Handle, Binary };
  // How values of a type are held.
  static Storage storageOf(int restype);

  static OdResBufPtr newRb(int restype = kRtNone);
  static OdResBufPtr newRb(int restype, const OdString& value);
  static OdResBufPtr newRb(int restype, int64_t value);
  static OdResBufPtr newRb(int restype, double value);
  static OdResBufPtr newRb(int restype, const OdGePoint3d& value);
  static OdResBufPtr newRb(int restype, OdDbObjectId value);
  static OdResBufPtr newRb(int restype, const OdBinaryData& value);

  int restype() const { return m_type; }
  void setRestype(int type) { m_type = type; }

  OdString getString() const;
  void setString(const OdString& value) { m_value = value; }
  int16_t getInt16() const { return static_cast<int16_t>(getInt64()); }
  int32_t getInt32() const { return static_cast<int32_t>(getInt64()); }
  int64_t getInt64() const;
  int8_t getInt8() const { return static_cast<int8_t>(getInt64()); }
  bool getBool() const { return getInt64() != 0; }
  void setInt16(int16_t v) { m_value = int64_t(v); }
  void setInt32(int32_t v) { m_value = int64_t(v); }
  void setInt64(int64_t v) { m_value = v; }
  double getDouble() const;
  void setDouble(double v) { m_value = v; }
  OdGePoint3d getPoint3d() const;
  OdGePoint2d getPoint2d() const { auto p = getPoint3d(); return {p.x, p.y}; }
  void setPoint3d(const OdGePoint3d& v) { m_value = v; }
  OdDbObjectId getObjectId(OdDbDatabase* db = nullptr) const;
  void setObjectId(OdDbObjectId id) { m_value = id; }
  OdDbHandle getHandle() const;
  void setHandle(OdDbHandle h) { m_value = h; }
  const OdBinaryData& getBinaryChunk() const;
  void setBinaryChunk(const OdBinaryData& data) { m_value = data; }

  OdResBufPtr next() const { return m_next; }
  OdResBuf* setNext(OdResBuf* next);
  OdResBufPtr last() const;
  OdResBufPtr insert(OdResBuf* item);

 private:
  int m_type = kRtNone;
  std::variant<std::monostate, OdString, int64_t, double, OdGePoint3d, OdDbObjectId, OdDbHandle, OdBinaryData>
      m_value;
  OdResBufPtr m_next;
};
