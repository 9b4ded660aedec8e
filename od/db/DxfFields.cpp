#include "DxfFields.h"

#include "DbObject.h"
#include "RxObject.h"
#include "DxfTextFormat.h"

#include <charconv>
#include <algorithm>
#include <cstring>
#include <mutex>

namespace dxf {

namespace {
std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

template <class T>
T& at(OdDbObject* obj, const Field& f) {
  return *static_cast<T*>(f.member(obj));
}
template <class T>
const T& at(const OdDbObject* obj, const Field& f) {
  return *static_cast<const T*>(f.member(const_cast<OdDbObject*>(obj)));
}

int pointComponent(const Field& f, int code) {
  int dims = f.kind == Kind::Point2d ? 2 : 3;
  for (int i = 0; i < dims; ++i)
    if (code == f.code + 10 * i) return i;
  return -1;
}

bool isPointKind(Kind k) {
  return k == Kind::Point2d || k == Kind::Point3d || k == Kind::Vector3d || k == Kind::Scale3d;
}

double* pointCoords(void* member, Kind k) {
  switch (k) {
    case Kind::Point2d: return &static_cast<OdGePoint2d*>(member)->x;
    case Kind::Point3d: return &static_cast<OdGePoint3d*>(member)->x;
    case Kind::Vector3d: return &static_cast<OdGeVector3d*>(member)->x;
    case Kind::Scale3d: return &static_cast<OdGeScale3d*>(member)->sx;
    default: return nullptr;
  }
}

void readValue(OdDbObject* obj, const Field& f, const Group& g, ReadContext& ctx) {
  switch (f.kind) {
    case Kind::String:
    case Kind::Name: at<OdString>(obj, f) = ctx.decodeString(g.value); break;
    case Kind::Bool:
    case Kind::Flag: at<bool>(obj, f) = toInt(g) != 0; break;
    case Kind::Int8: at<int8_t>(obj, f) = static_cast<int8_t>(toInt(g)); break;
    case Kind::Int16: at<int16_t>(obj, f) = static_cast<int16_t>(toInt(g)); break;
    case Kind::Int32: at<int32_t>(obj, f) = static_cast<int32_t>(toInt(g)); break;
    case Kind::Int64: at<int64_t>(obj, f) = toInt(g); break;
    case Kind::Double:
    case Kind::Angle: at<double>(obj, f) = toDouble(g); break;
    case Kind::Point2d:
    case Kind::Point3d:
    case Kind::Vector3d:
    case Kind::Scale3d: pointCoords(f.member(obj), f.kind)[pointComponent(f, g.code)] = toDouble(g); break;
    case Kind::Binary: {
      OdBinaryData more = binaryOf(g);
      auto& data = at<OdBinaryData>(obj, f);
      data.insert(data.end(), more.begin(), more.end());
      break;
    }
    case Kind::Id: at<OdDbObjectId>(obj, f) = ctx.idOf(g); break;
    case Kind::Symbol: at<OdDbObjectId>(obj, f) = ctx.symbolByRawName(f.table, g.value); break;
    case Kind::Marker:
    case Kind::Custom: break;
  }
}

void applyDefault(OdDbObject* obj, const Field& f) {
  switch (f.kind) {
    case Kind::String:
    case Kind::Name: at<OdString>(obj, f) = OdString(f.value.s); break;
    case Kind::Bool:
    case Kind::Flag: at<bool>(obj, f) = f.value.i != 0; break;
    case Kind::Int8: at<int8_t>(obj, f) = static_cast<int8_t>(f.value.i); break;
    case Kind::Int16: at<int16_t>(obj, f) = static_cast<int16_t>(f.value.i); break;
    case Kind::Int32: at<int32_t>(obj, f) = static_cast<int32_t>(f.value.i); break;
    case Kind::Int64: at<int64_t>(obj, f) = f.value.i; break;
    case Kind::Double:
    case Kind::Angle: at<double>(obj, f) = f.value.d[0]; break;
    case Kind::Point2d:
    case Kind::Point3d:
    case Kind::Vector3d:
    case Kind::Scale3d: {
      double* c = pointCoords(f.member(obj), f.kind);
      c[0] = f.value.d[0];
      c[1] = f.value.d[1];
      if (f.kind != Kind::Point2d) c[2] = f.value.d[2];
      break;
    }
    default: break;
  }
}

bool isDefault(const OdDbObject* obj, const Field& f) {
  switch (f.kind) {
    case Kind::String:
    case Kind::Name: return at<OdString>(obj, f) == OdString(f.value.s);
    case Kind::Bool:
    case Kind::Flag: return at<bool>(obj, f) == (f.value.i != 0);
    case Kind::Int8: return at<int8_t>(obj, f) == f.value.i;
    case Kind::Int16: return at<int16_t>(obj, f) == f.value.i;
    case Kind::Int32: return at<int32_t>(obj, f) == f.value.i;
    case Kind::Int64: return at<int64_t>(obj, f) == f.value.i;
    case Kind::Double:
    case Kind::Angle: return at<double>(obj, f) == f.value.d[0];
    case Kind::Point2d:
    case Kind::Point3d:
    case Kind::Vector3d:
    case Kind::Scale3d: {
      const double* c = pointCoords(f.member(const_cast<OdDbObject*>(obj)), f.kind);
      int dims = f.kind == Kind::Point2d ? 2 : 3;
      for (int i = 0; i < dims; ++i)
        if (c[i] != f.value.d[i]) return false;
      return true;
    }
    case Kind::Binary: return at<OdBinaryData>(obj, f).empty();
    case Kind::Id:
    case Kind::Symbol: return !at<OdDbObjectId>(obj, f).isValid();  // a reference to nothing is no reference
    default: return false;
  }
}

void writeValue(const OdDbObject* obj, const Field& f, OdDbDxfFiler* filer) {
  switch (f.kind) {
    case Kind::String: filer->wrString(f.code, at<OdString>(obj, f)); break;
    case Kind::Name: filer->wrName(f.code, at<OdString>(obj, f)); break;
    case Kind::Bool: filer->wrBool(f.code, at<bool>(obj, f)); break;
    case Kind::Flag: filer->wrInt16(f.code, at<bool>(obj, f) ? 1 : 0); break;
    case Kind::Int8: filer->wrInt8(f.code, at<int8_t>(obj, f)); break;
    case Kind::Int16: filer->wrInt16(f.code, at<int16_t>(obj, f)); break;
    case Kind::Int32: filer->wrInt32(f.code, at<int32_t>(obj, f)); break;
    case Kind::Int64: filer->wrInt64(f.code, at<int64_t>(obj, f)); break;
    case Kind::Double: filer->wrDouble(f.code, at<double>(obj, f)); break;
    case Kind::Angle: filer->wrAngle(f.code, at<double>(obj, f)); break;
    case Kind::Point2d: filer->wrPoint2d(f.code, at<OdGePoint2d>(obj, f)); break;
    case Kind::Point3d: filer->wrPoint3d(f.code, at<OdGePoint3d>(obj, f)); break;
    case Kind::Vector3d: filer->wrVector3d(f.code, at<OdGeVector3d>(obj, f)); break;
    case Kind::Scale3d: filer->wrScale3d(f.code, at<OdGeScale3d>(obj, f)); break;
    case Kind::Binary: filer->wrBinaryChunk(f.code, at<OdBinaryData>(obj, f)); break;
    case Kind::Id: filer->wrObjectId(f.code, at<OdDbObjectId>(obj, f)); break;
    case Kind::Symbol: {
      OdString name = symbolNameOf(at<OdDbObjectId>(obj, f).openObject(OdDb::kForRead, true).get());
      filer->wrName(f.code, name.isEmpty() ? OdString(f.value.s) : name);
      break;
    }
    case Kind::Marker:
    case Kind::Custom: break;
  }
}

// Entities keep their proxy graphics (size 92 or 160, data 310) among the
// groups of their AcDbEntity section.
bool isProxyGraphicsGroup(const char* marker, int code) {
  return marker && std::string_view(marker) == "AcDbEntity" && (code == 92 || code == 160 || code == 310);
}

// Customs first: they may take groups a plain field of theirs would too.
inline bool takeGroup(const ClassLayout::Section& section, OdDbObject* obj, const Group& g, ReadContext& ctx) {
  for (const Field* f : section.readers)
    if (f->custom->read(obj, g, ctx)) return true;
  for (const auto& [code, f] : section.takers)
    if (code == g.code) {
      readValue(obj, *f, g, ctx);
      return true;
    }
  return false;
}

void writeKept(const std::vector<KeptGroup>* kept, uint8_t section, const char* marker, OdDbDxfFiler* filer) {
  if (!kept) return;
  bool versioned = filer->includesVersionedData();
  for (const KeptGroup& g : *kept)
    if (g.section == section && (versioned || !isProxyGraphicsGroup(marker, g.code)))
      writeGroupByCode(filer, g.code, g.text, g.id);
}

enum class CodeType { String, Double, Int8, Int16, Int32, Int64, Bool, Binary, Handle, Id };

CodeType codeType(int code) {
  if (code < 0) return CodeType::String;
  if (code == 5 || code == 105) return CodeType::Handle;
  if (code <= 9) return CodeType::String;
  if (code <= 59) return CodeType::Double;
  if (code <= 79) return CodeType::Int16;
  if (code <= 99) return CodeType::Int32;
  if (code <= 109) return CodeType::String;
  if (code <= 149) return CodeType::Double;
  if (code <= 169) return CodeType::Int64;
  if (code <= 179) return CodeType::Int16;
  if (code >= 210 && code <= 239) return CodeType::Double;
  if (code >= 270 && code <= 279) return CodeType::Int16;
  if (code >= 280 && code <= 289) return CodeType::Int8;
  if (code >= 290 && code <= 299) return CodeType::Bool;
  if (code >= 300 && code <= 309) return CodeType::String;
  if (code >= 310 && code <= 319) return CodeType::Binary;
  if (code >= 320 && code <= 329) return CodeType::Handle;
  if (code >= 330 && code <= 369) return CodeType::Id;
  if (code >= 370 && code <= 389) return CodeType::Int16;
  if (code >= 390 && code <= 399) return CodeType::Id;
  if (code >= 400 && code <= 409) return CodeType::Int16;
  if (code >= 410 && code <= 419) return CodeType::String;
  if (code >= 420 && code <= 429) return CodeType::Int32;
  if (code >= 430 && code <= 439) return CodeType::String;
  if (code >= 440 && code <= 459) return CodeType::Int32;
  if (code >= 460 && code <= 469) return CodeType::Double;
  if (code >= 470 && code <= 479) return CodeType::String;
  if (code >= 480 && code <= 481) return CodeType::Id;
  if (code == 1004) return CodeType::Binary;
  if (code == 1005) return CodeType::Id;
  if (code >= 1000 && code <= 1009) return CodeType::String;
  if (code >= 1010 && code <= 1059) return CodeType::Double;
  if (code >= 1060 && code <= 1070) return CodeType::Int16;
  if (code == 1071) return CodeType::Int32;
  return CodeType::String;
}
}  // namespace

// Plain decimals of up to 15 digits ("-1234.5678") are exact as an integer
// divided by a power of ten, which rounds once like any correct parser.
bool readPlainDecimal(std::string_view text, double& value) {
  static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8,
                                       1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const char* p = text.data();
  const char* end = p + text.size();
  bool negative = p < end && *p == '-';
  p += negative;
  const char* first = p;
  while (p < end && *p == '0') ++p;  // leading zeros are no digits of the mantissa
  uint64_t mantissa = 0;
  auto readDigits = [&] {
    const char* from = p;
    for (; p < end && static_cast<unsigned>(*p - '0') < 10; ++p)
      mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    return p - from;
  };
  ptrdiff_t digits = readDigits(), decimals = 0;
  bool point = p < end && *p == '.';
  if (point) {
    ++p;
    decimals = readDigits();
  }
  // Longer mantissas (wrapped above, unused) go to the full parser.
  bool anyDigit = p - first > (point ? 1 : 0);
  if (p != end || !anyDigit || digits + decimals > 15) return false;
  // Below 2^53 the mantissa converts exactly, and as a signed integer in one instruction.
  value = static_cast<double>(static_cast<int64_t>(mantissa)) / kPowers[decimals];
  if (negative) value = -value;
  return true;
}

double toDouble(std::string_view text) {
  text = trimmed(text);
  double fast;
  if (!text.empty() && readPlainDecimal(text, fast)) return fast;
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) {
    // Some writers use a decimal comma or trailing garbage; take what parses.
    std::string copy(text);
    for (char& c : copy)
      if (c == ',') c = '.';
    std::from_chars(copy.data(), copy.data() + copy.size(), value);
  }
  return value;
}

int64_t toInt(std::string_view text) {
  text = trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int64_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) {
    // Integers written as reals ("1.0") by some programs.
    double d = toDouble(text);
    if (d >= -9.2e18 && d <= 9.2e18) value = static_cast<int64_t>(d);
  }
  return value;
}

OdBinaryData hexToBinary(std::string_view hex) {
  hex = trimmed(hex);
  OdBinaryData out;
  out.reserve(hex.size() / 2);
  auto digit = [](char c) {
    return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c >= 'a' && c <= 'f' ? c - 'a' + 10 : 0;
  };
  for (size_t i = 0; i + 1 < hex.size(); i += 2) out.push_back(static_cast<uint8_t>(digit(hex[i]) * 16 + digit(hex[i + 1])));
  return out;
}

double toDouble(const Group& g) {
  switch (g.type) {
    case GroupType::Text: return g.realRead ? g.real : toDouble(g.value);
    case GroupType::Real: return g.real;
    case GroupType::Integer:
    case GroupType::Handle: return static_cast<double>(g.integer);
    default: return 0;
  }
}

int64_t toInt(const Group& g) {
  switch (g.type) {
    case GroupType::Text: return toInt(g.value);
    case GroupType::Real: return g.real >= -9.2e18 && g.real <= 9.2e18 ? static_cast<int64_t>(g.real) : 0;
    case GroupType::Integer:
    case GroupType::Handle: return g.integer;
    default: return 0;
  }
}

OdDbHandle handleOf(const Group& g) {
  switch (g.type) {
    case GroupType::Text: return OdDbHandle(OdDbHandle::parse(g.value));
    case GroupType::Integer:
    case GroupType::Handle: return OdDbHandle(static_cast<uint64_t>(g.integer));
    case GroupType::Id: return OdDbObjectId(g.stub).getHandle();
    default: return OdDbHandle();
  }
}

OdBinaryData binaryOf(const Group& g) {
  if (g.type != GroupType::Binary) return hexToBinary(g.value);
  return OdBinaryData(reinterpret_cast<const uint8_t*>(g.value.data()),
                      reinterpret_cast<const uint8_t*>(g.value.data() + g.value.size()));
}

std::string textOf(const Group& g) {
  char buf[24];
  switch (g.type) {
    case GroupType::Text: return std::string(trimmed(g.value));
    case GroupType::Real: return formatDouble(g.real);
    case GroupType::Integer: {
      auto [end, ec] = std::to_chars(buf, buf + sizeof buf, g.integer);
      return std::string(buf, end);
    }
    case GroupType::Handle: return OdDbHandle(static_cast<uint64_t>(g.integer)).text();
    case GroupType::Id: return idText(OdDbObjectId(g.stub));
    case GroupType::Binary:
      return binaryToHex(reinterpret_cast<const uint8_t*>(g.value.data()), static_cast<uint32_t>(g.value.size()));
  }
  return std::string();
}

OdDbObjectId ReadContext::idOf(const Group& g) {
  switch (g.type) {
    case GroupType::Id: return idFromId(OdDbObjectId(g.stub));
    case GroupType::Text: return idFromHandle(g.value);
    default: return idFromHandle(textOf(g));
  }
}

std::string formatDouble(double v) {
  if (v == 0) return "0.0";
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  std::string text(buf, end);
  if (text.find_first_of(".eEn") == std::string::npos) text += ".0";
  return text;
}

bool isReferenceCode(int code) { return codeType(code) == CodeType::Id; }

void writeGroupByCode(OdDbDxfFiler* filer, int code, const std::string& text, OdDbObjectId id) {
  switch (codeType(code)) {
    case CodeType::String: filer->wrString(code, OdString(text)); break;
    case CodeType::Double: filer->wrDouble(code, toDouble(text)); break;
    case CodeType::Int8: filer->wrInt8(code, static_cast<int8_t>(toInt(text))); break;
    case CodeType::Int16: filer->wrInt16(code, static_cast<int16_t>(toInt(text))); break;
    case CodeType::Int32: filer->wrInt32(code, static_cast<int32_t>(toInt(text))); break;
    case CodeType::Int64: filer->wrInt64(code, toInt(text)); break;
    case CodeType::Bool: filer->wrBool(code, toInt(text) != 0); break;
    case CodeType::Binary: filer->wrBinaryChunk(code, hexToBinary(text)); break;
    case CodeType::Handle: filer->wrHandle(code, OdDbHandle(OdDbHandle::parse(text))); break;
    case CodeType::Id: filer->wrObjectId(code, id); break;
  }
}

KeptGroup keepGroup(uint8_t section, const Group& g, ReadContext& ctx) {
  KeptGroup kept{section, static_cast<int16_t>(g.code), OdDbObjectId(), std::string()};
  switch (codeType(g.code)) {
    case CodeType::Id: kept.id = ctx.idOf(g); break;
    case CodeType::String:
      kept.text = g.type == GroupType::Text ? ctx.decodeString(g.value).utf8() : textOf(g);
      break;
    default: kept.text = textOf(g); break;
  }
  return kept;
}

ClassLayout::ClassLayout(const OdRxClass* cls, const ClassLayout* parent, std::span<const Field> own)
    : m_parent(parent), m_marker(cls->name().utf8()), m_own(own) {}

ClassLayout::Section::Section(const char* marker, std::span<const Field> fields)
    : marker(marker), fields(fields), markerName(marker ? marker : "") {
  auto take = [&](int code, const Field& f) {
    bool taken = std::any_of(takers.begin(), takers.end(), [&](const auto& t) { return t.first == code; });
    if (!taken) takers.emplace_back(static_cast<int16_t>(code), &f);
  };
  for (const Field& f : fields) {
    if (f.kind == Kind::Custom && f.custom->read) readers.push_back(&f);
    if (f.kind == Kind::Marker || f.kind == Kind::Custom) continue;
    int components = !isPointKind(f.kind) ? 1 : f.kind == Kind::Point2d ? 2 : 3;
    for (int i = 0; i < components; ++i) take(f.code + 10 * i, f);
  }
}

const std::vector<ClassLayout::Section>& ClassLayout::buildSections() const {
  static std::recursive_mutex mutex;  // a layout builds its parent's under it too
  std::lock_guard lock(mutex);
  if (m_built.load(std::memory_order_relaxed)) return m_sections;
  if (m_parent) m_sections = m_parent->sections();
  size_t i = 0;
  if (!m_marker.empty() || (!m_own.empty() && m_own[0].kind != Kind::Marker)) {
    // Fields before the first marker continue the parent's last section, or open the class's own.
    while (i < m_own.size() && m_own[i].kind != Kind::Marker) ++i;
    m_sections.emplace_back(m_marker.empty() ? nullptr : m_marker.c_str(), m_own.subspan(0, i));
  }
  while (i < m_own.size()) {
    size_t start = i++;
    while (i < m_own.size() && m_own[i].kind != Kind::Marker) ++i;
    m_sections.emplace_back(m_own[start].marker, m_own.subspan(start + 1, i - start - 1));
  }
  m_built.store(true, std::memory_order_release);
  return m_sections;
}

void ClassLayout::applyOwnDefaults(OdDbObject* obj) const {
  for (const Field& f : m_own) applyDefault(obj, f);
}

int ClassLayout::findSection(std::string_view marker, int after) const {
  const auto& all = sections();
  after = std::max(after, -1);
  for (int pass = 0; pass < 2; ++pass) {
    int from = pass == 0 ? after + 1 : 0;
    int to = pass == 0 ? static_cast<int>(all.size()) : after + 1;
    for (int i = from; i < to && i < static_cast<int>(all.size()); ++i)
      if (all[i].marker && marker == all[i].marker) return i;
  }
  return -1;
}

bool ClassLayout::readGroup(OdDbObject* obj, const Group& g, int& section, bool markersSeen,
                            ReadContext& ctx) const {
  const auto& all = sections();
  auto tryIn = [&](int s) { return takeGroup(all[s], obj, g, ctx); };
  int count = static_cast<int>(all.size());
  if (section >= 0 && section < count && tryIn(section)) return true;
  // Unmarked sections continue the marked one before them.
  for (int s = section + 1; section >= 0 && s < count && !all[s].marker; ++s)
    if (tryIn(s)) return true;
  if (markersSeen) return false;
  // Files without subclass markers: the first section that knows the code takes it.
  for (int s = 0; s < static_cast<int>(all.size()); ++s)
    if (s != section && tryIn(s)) {
      section = s;
      return true;
    }
  return false;
}

bool ClassLayout::readInSection(OdDbObject* obj, const Group& g, int section, ReadContext& ctx) const {
  return takeGroup(sections()[static_cast<size_t>(section)], obj, g, ctx);
}

void ClassLayout::writeFields(const OdDbObject* obj, OdDbDxfFiler* filer, const std::vector<KeptGroup>* kept) const {
  writeKept(kept, KeptGroup::kAfterHeader, nullptr, filer);
  const auto& all = sections();
  bool withDefaults = filer->includesDefaultValues();
  for (size_t s = 0; s < all.size(); ++s) {
    if (all[s].marker) filer->wrSubclassMarker(all[s].markerName);
    for (const Field& f : all[s].fields) {
      if (f.kind == Kind::Custom) {
        if (f.custom->write) f.custom->write(obj, filer);
      } else if (withDefaults || !(f.flags & kOmitDefault) || !isDefault(obj, f)) {
        writeValue(obj, f, filer);
      }
    }
    writeKept(kept, static_cast<uint8_t>(s), all[s].marker, filer);
  }
}

}  // namespace dxf
