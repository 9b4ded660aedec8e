#include "HostObjectHashDxfGenerator.h"

#include "Crc32.h"
#include "DbBlockReference.h"
#include "DbMLeader.h"
#include "DbTable.h"
#include "DbVertex.h"
#include "DcHost.h"
#include "ResBuf.h"

#include <bit>
#include <cmath>
#include <memory>
#include <new>
#include <optional>
#include <type_traits>

namespace hostObjectCompare {
namespace {

// Fingerprints stored with result drawings are over little-endian bytes.
static_assert(std::endian::native == std::endian::little, "values are written as the machine holds them");

// The nearest doubles to 10^-p for p = 0..14.
constexpr double kSteps[] = {1.0,  0.1,  0.01, 1e-3,  1e-4,  1e-5,  1e-6, 1e-7,
                             1e-8, 1e-9, 1e-10, 1e-11, 1e-12, 1e-13, 1e-14};
constexpr int kMaxPrecision = 14;

constexpr std::u16string_view kBoundPrefixEnd = u"$0$";

// A system variable's 32-bit value; false, target unchanged, when the host has none.
bool readSystemVariable(const OdString& name, int32_t& target) {
  OdResBufPtr value = dwgcompare::hostSystemVariable(name);
  if (!value) return false;
  target = value->getInt32();
  return true;
}

// What follows the first "$0$" of a bound symbol's name ("FILE1$0$Walls" is "Walls").
std::optional<std::u16string_view> afterBoundPrefix(std::u16string_view text) {
  size_t at = text.find(kBoundPrefixEnd);
  if (at == std::u16string_view::npos) return std::nullopt;
  return text.substr(at + kBoundPrefixEnd.size());
}

bool holdsBothBraces(std::u16string_view text) {
  return text.find(u'{') != std::u16string_view::npos && text.find(u'}') != std::u16string_view::npos;
}

// Binary chunks count only for classes whose run-time name holds "OdDb"
// (none of the library's AcDb classes does) or names the host's object
// tables, and never for multileaders.
bool binaryChunksCount(const OdDbObject* object) {
  if (object->isKindOf(OdDbMLeader::desc())) return false;
  std::u16string_view name = object->isA()->name().units();
  return name.find(u"OdDb") != std::u16string_view::npos ||
         name.find(u"vqsDbObjectTable2") != std::u16string_view::npos;
}

// floor(x + 0.5) for x >= 0 and ceil(x - 0.5) below: both are the shifted
// value cut towards zero, which the integer conversion does without a call.
// From 2^52 on every double is a whole number already.
double roundHalfAwayFromZero(double x) {
  double shifted = x >= 0 ? x + 0.5 : x - 0.5;
  return std::fabs(shifted) < 0x1p52 ? static_cast<double>(static_cast<int64_t>(shifted)) : shifted;
}

}  // namespace

double roundToPrecision(double value, int precision) {
  if (precision < 0 || precision > kMaxPrecision) return value;
  double step = kSteps[precision];
  double result = roundHalfAwayFromZero(value / step) * step;
  return result == 0 ? 0.0 : result;
}

HostObjectHashDxfGenerator::HostObjectHashDxfGenerator() {
  setPageDataSize(kPageSize);
  static const OdString kCompareProps("COMPAREPROPS"), kCompareTolerance("COMPARETOLERANCE");
  readSystemVariable(kCompareProps, m_compareProps);
  readSystemVariable(kCompareTolerance, m_precision);
}

uint32_t HostObjectHashDxfGenerator::computeHash(const OdDbObject* object) {
  setDatabase(object->database());
  m_hashBinaryChunks = binaryChunksCount(object);
  m_isMLeader = object->isKindOf(OdDbMLeader::desc());
  writeFieldsOf(object);
  m_inExtendedData = false;
  return crcOfStream();
}

void HostObjectHashDxfGenerator::writeFieldsOf(const OdDbObject* object) {
  if (!object->isKindOf(OdDbTable::desc())) {
    object->dxfOutFields(this);
    writeVerticesOf(object);
    return;
  }
  // A table counts by where and how it is placed: its cells would make every
  // edit of a text a different object.
  OdDbBlockReferencePtr reference = OdDbBlockReference::createObject();
  reference->copyFrom(object);
  reference->dxfOutFields(this);
}

// Vertices are left out of comparisons as objects of their own; an old-style
// polyline takes their fields in order, so that moving them shows.
void HostObjectHashDxfGenerator::writeVerticesOf(const OdDbObject* object) {
  const auto* entity = dynamic_cast<const OdDbEntity*>(object);
  if (!entity) return;
  for (OdDbObjectId id : entity->subentityIds()) {
    OdDbObjectPtr vertex = id.openObject();
    if (vertex && vertex->isKindOf(OdDbVertex::desc())) vertex->dxfOutFields(this);
  }
}

uint32_t HostObjectHashDxfGenerator::crcOfStream() {
  seek(0, OdDb::kSeekFromStart);
  auto size = static_cast<uint32_t>(length());
  std::unique_ptr<uint8_t[]> bytes(new (std::nothrow) uint8_t[size]);
  if (!bytes) return 0;
  getBytes(bytes.get(), size);
  return crc32(0, bytes.get(), size);
}

bool HostObjectHashDxfGenerator::namePasses(int code) const {
  switch (code) {
    case 2: return false;  // block and symbol names: bound copies rename them
    case 8: return wants(CompareLayer);
    case 6: return wants(CompareLinetype);
    default: return true;
  }
}

bool HostObjectHashDxfGenerator::int16Passes(int code) const {
  switch (code) {
    case 62: return wants(CompareColor);
    case 370: return wants(CompareLineweight);
    default: return true;
  }
}

bool HostObjectHashDxfGenerator::int32Passes(int code) const {
  switch (code) {
    case 420: return wants(CompareColor);
    case 440: return wants(CompareTransparency);
    default: return true;
  }
}

bool HostObjectHashDxfGenerator::doublePasses(int code) const { return code != 48 || wants(CompareLinetypeScale); }

void HostObjectHashDxfGenerator::wrName(int code, const OdString& value) {
  if (m_inExtendedData || !namePasses(code)) return;
  std::u16string_view name = value.units();
  putText(code, afterBoundPrefix(name).value_or(name));
}

// Whether an object has an extension dictionary or reactors depends on the
// version it was saved in; their brackets (102) say no more than that. A
// colour name (430) is a colour, and only newer versions write it.
void HostObjectHashDxfGenerator::wrString(int code, const OdString& value) {
  if (m_inExtendedData || code == 102 || (code == 430 && !wants(CompareColor))) return;
  std::u16string_view text = value.units();
  if (auto unbound = afterBoundPrefix(text)) putText(code, *unbound);
  else if (!holdsBothBraces(text)) putText(code, text);
}

// A multileader's "extend to text" (295) is written by 2013 and later files
// only, and set in them where older files had none.
void HostObjectHashDxfGenerator::wrBool(int code, bool value) {
  if (!m_inExtendedData && !(m_isMLeader && code == 295)) putInteger(code, static_cast<uint8_t>(value));
}
void HostObjectHashDxfGenerator::wrInt8(int code, int8_t value) {
  if (!m_inExtendedData) putInteger(code, value);
}
void HostObjectHashDxfGenerator::wrUInt8(int code, uint8_t value) {
  if (!m_inExtendedData) putInteger(code, value);
}
void HostObjectHashDxfGenerator::wrInt16(int code, int16_t value) {
  if (!m_inExtendedData && int16Passes(code)) putInteger(code, value);
}
void HostObjectHashDxfGenerator::wrUInt16(int code, uint16_t value) {
  if (!m_inExtendedData) putInteger(code, value);
}
void HostObjectHashDxfGenerator::wrInt32(int code, int32_t value) {
  if (!m_inExtendedData && int32Passes(code)) putInteger(code, value);
}
void HostObjectHashDxfGenerator::wrUInt32(int code, uint32_t value) {
  if (!m_inExtendedData) putInteger(code, value);
}
void HostObjectHashDxfGenerator::wrInt64(int code, int64_t value) {
  if (!m_inExtendedData) putInteger(code, value);
}
void HostObjectHashDxfGenerator::wrUInt64(int code, uint64_t value) {
  if (!m_inExtendedData) putInteger(code, value);
}

// The precision the library passes is its DXF output's; fingerprints round to their own.
void HostObjectHashDxfGenerator::wrDouble(int code, double value, int) {
  if (!m_inExtendedData && doublePasses(code)) putReals(code, {value});
}
void HostObjectHashDxfGenerator::wrPoint2d(int code, const OdGePoint2d& value, int) {
  if (!m_inExtendedData) putReals(code, {value.x, value.y});
}
void HostObjectHashDxfGenerator::wrPoint3d(int code, const OdGePoint3d& value, int) {
  if (!m_inExtendedData) putReals(code, {value.x, value.y, value.z});
}
void HostObjectHashDxfGenerator::wrVector2d(int code, const OdGeVector2d& value, int) {
  if (!m_inExtendedData) putReals(code, {value.x, value.y});
}
void HostObjectHashDxfGenerator::wrVector3d(int code, const OdGeVector3d& value, int) {
  if (!m_inExtendedData) putReals(code, {value.x, value.y, value.z});
}
void HostObjectHashDxfGenerator::wrScale3d(int code, const OdGeScale3d& value, int) {
  if (!m_inExtendedData) putReals(code, {value.sx, value.sy, value.sz});
}

void HostObjectHashDxfGenerator::wrBinaryChunk(int code, const uint8_t* data, uint32_t length) {
  if (m_inExtendedData || !m_hashBinaryChunks) return;
  putBytes(data, length);
  if (m_observer) m_observer->passedBinary(code, std::span(data, length));
}

// The length goes in as the 16-bit write of group code 5 puts it, which no
// filter of that write stops.
void HostObjectHashDxfGenerator::putText(int code, std::u16string_view text) {
  auto units = static_cast<int16_t>(text.size());
  putBytes(&units, sizeof units);
  putBytes(text.data(), static_cast<uint32_t>(text.size() * sizeof(char16_t)));
  if (m_observer) m_observer->passedText(code, text);
}

template <class T>
void HostObjectHashDxfGenerator::putInteger(int code, T value) {
  putBytes(&value, sizeof value);
  if (!m_observer) return;
  if constexpr (std::is_signed_v<T>) m_observer->passedInteger(code, value);
  else m_observer->passedUnsigned(code, value);
}

void HostObjectHashDxfGenerator::putReals(int code, std::initializer_list<double> values) {
  double rounded[3];
  size_t count = 0;
  for (double v : values) rounded[count++] = roundToPrecision(v, m_precision);
  putBytes(rounded, static_cast<uint32_t>(count * sizeof(double)));
  if (m_observer) m_observer->passedReals(code, std::span<const double>(rounded, count));
}

}  // namespace hostObjectCompare
