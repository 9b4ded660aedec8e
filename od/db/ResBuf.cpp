#include "ResBuf.h"

#include "DbDatabase.h"

ODRX_DEFINE_BUILTIN(OdResBuf, OdRxObject, "", odrxNewImpl<OdResBuf>)

OdResBuf::Storage OdResBuf::storageOf(int t) {
  switch (t) {
    case kRtNone: case kRtVoid: case kRtListBeg: case kRtListEnd: case kRtDote: case kRtNil: case kRtT:
      return Storage::None;
    case kRtDouble: case kRtAngle: case kRtOrient: return Storage::Double;
    case kRtPoint2d: case kRtPoint3d: return Storage::Point;
    case kRtInt16: case kRtInt32: case kRtInt8: case kRtInt64: case kRtColor: return Storage::Int;
    case kRtString: case kRtDXF0: return Storage::String;
    case kRtEntName: case kRtPickSet: return Storage::Id;
    default: break;
  }
  if ((t >= 10 && t <= 19) || (t >= 110 && t <= 112) || (t >= 1010 && t <= 1013)) return Storage::Point;
  if ((t >= 20 && t <= 59) || (t >= 140 && t <= 149) || (t >= 210 && t <= 239) || (t >= 460 && t <= 469) ||
      (t >= 1014 && t <= 1059))
    return Storage::Double;
  if ((t >= 60 && t <= 99) || (t >= 160 && t <= 179) || (t >= 270 && t <= 299) || (t >= 370 && t <= 389) ||
      (t >= 400 && t <= 409) || (t >= 420 && t <= 429) || (t >= 440 && t <= 459) || (t >= 1060 && t <= 1071))
    return Storage::Int;
  if ((t >= 310 && t <= 319) || t == 1004) return Storage::Binary;
  if (t == 105 || t == 5 || (t >= 320 && t <= 329)) return Storage::Handle;
  if ((t >= 330 && t <= 369) || (t >= 390 && t <= 399) || (t >= 480 && t <= 481) || t == 1005) return Storage::Id;
  return Storage::String;
}

OdResBufPtr OdResBuf::newRb(int restype) {
  OdResBufPtr rb(static_cast<OdResBuf*>(desc()->create().detach()), kOdRxObjAttach);
  rb->m_type = restype;
  return rb;
}
OdResBufPtr OdResBuf::newRb(int restype, const OdString& v) { auto rb = newRb(restype); rb->m_value = v; return rb; }
OdResBufPtr OdResBuf::newRb(int restype, int64_t v) { auto rb = newRb(restype); rb->m_value = v; return rb; }
OdResBufPtr OdResBuf::newRb(int restype, double v) { auto rb = newRb(restype); rb->m_value = v; return rb; }
OdResBufPtr OdResBuf::newRb(int restype, const OdGePoint3d& v) { auto rb = newRb(restype); rb->m_value = v; return rb; }
OdResBufPtr OdResBuf::newRb(int restype, OdDbObjectId v) { auto rb = newRb(restype); rb->m_value = v; return rb; }
OdResBufPtr OdResBuf::newRb(int restype, const OdBinaryData& v) { auto rb = newRb(restype); rb->m_value = v; return rb; }

OdString OdResBuf::getString() const {
  if (auto* s = std::get_if<OdString>(&m_value)) return *s;
  if (auto* h = std::get_if<OdDbHandle>(&m_value)) return h->ascii();
  return OdString();
}

int64_t OdResBuf::getInt64() const {
  if (auto* i = std::get_if<int64_t>(&m_value)) return *i;
  if (auto* d = std::get_if<double>(&m_value)) return static_cast<int64_t>(*d);
  return 0;
}

double OdResBuf::getDouble() const {
  if (auto* d = std::get_if<double>(&m_value)) return *d;
  if (auto* i = std::get_if<int64_t>(&m_value)) return static_cast<double>(*i);
  return 0;
}

OdGePoint3d OdResBuf::getPoint3d() const {
  if (auto* p = std::get_if<OdGePoint3d>(&m_value)) return *p;
  return OdGePoint3d();
}

OdDbObjectId OdResBuf::getObjectId(OdDbDatabase* db) const {
  if (auto* id = std::get_if<OdDbObjectId>(&m_value)) return *id;
  if (auto* h = std::get_if<OdDbHandle>(&m_value); h && db) return db->getOdDbObjectId(*h);
  return OdDbObjectId();
}

OdDbHandle OdResBuf::getHandle() const {
  if (auto* h = std::get_if<OdDbHandle>(&m_value)) return *h;
  if (auto* id = std::get_if<OdDbObjectId>(&m_value)) return id->getHandle();
  if (auto* s = std::get_if<OdString>(&m_value)) return OdDbHandle(*s);
  return OdDbHandle();
}

const OdBinaryData& OdResBuf::getBinaryChunk() const {
  static const OdBinaryData empty;
  if (auto* b = std::get_if<OdBinaryData>(&m_value)) return *b;
  return empty;
}

OdResBuf* OdResBuf::setNext(OdResBuf* next) {
  m_next = next;
  return next;
}

OdResBufPtr OdResBuf::last() const {
  OdResBufPtr rb(this);
  while (rb->m_next) rb = rb->m_next;
  return rb;
}

OdResBufPtr OdResBuf::insert(OdResBuf* item) {
  OdResBufPtr after = m_next;
  m_next = item;
  if (item) item->last()->m_next = after;
  return OdResBufPtr(item);
}

namespace dxf {

OdResBufPtr groupsToResBuf(const std::vector<KeptGroup>& groups) {
  OdResBufPtr first, last;
  auto append = [&](OdResBufPtr rb) {
    if (!first) first = rb;
    else last->setNext(rb.get());
    last = rb;
  };
  for (size_t i = 0; i < groups.size(); ++i) {
    const KeptGroup& g = groups[i];
    switch (OdResBuf::storageOf(g.code)) {
      case OdResBuf::Storage::Point: {
        OdGePoint3d p(toDouble(g.text), 0, 0);
        if (i + 1 < groups.size() && groups[i + 1].code == g.code + 10) p.y = toDouble(groups[++i].text);
        if (i + 1 < groups.size() && groups[i + 1].code == g.code + 20) p.z = toDouble(groups[++i].text);
        append(OdResBuf::newRb(g.code, p));
        break;
      }
      case OdResBuf::Storage::Double: append(OdResBuf::newRb(g.code, toDouble(g.text))); break;
      case OdResBuf::Storage::Int: append(OdResBuf::newRb(g.code, toInt(g.text))); break;
      case OdResBuf::Storage::Binary: append(OdResBuf::newRb(g.code, hexToBinary(g.text))); break;
      case OdResBuf::Storage::Id: append(OdResBuf::newRb(g.code, g.id)); break;
      case OdResBuf::Storage::Handle: {
        auto rb = OdResBuf::newRb(g.code);
        rb->setHandle(OdDbHandle(OdDbHandle::parse(g.text)));
        append(rb);
        break;
      }
      default: append(OdResBuf::newRb(g.code, OdString(g.text))); break;
    }
  }
  return first;
}

namespace {
std::string hexOf(const OdBinaryData& data) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  out.reserve(data.size() * 2);
  for (uint8_t b : data) {
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}
std::string numberText(double v);
}  // namespace

std::vector<KeptGroup> resBufToGroups(const OdResBuf* rb, uint8_t section) {
  std::vector<KeptGroup> out;
  for (; rb; rb = rb->next().get()) {
    int code = rb->restype();
    auto add = [&](int c, std::string text, OdDbObjectId id = OdDbObjectId()) {
      out.push_back(KeptGroup{section, static_cast<int16_t>(c), id, std::move(text)});
    };
    switch (OdResBuf::storageOf(code)) {
      case OdResBuf::Storage::Point: {
        OdGePoint3d p = rb->getPoint3d();
        add(code, numberText(p.x));
        add(code + 10, numberText(p.y));
        if (code != OdResBuf::kRtPoint2d) add(code + 20, numberText(p.z));
        break;
      }
      case OdResBuf::Storage::Double: add(code, numberText(rb->getDouble())); break;
      case OdResBuf::Storage::Int: add(code, std::to_string(rb->getInt64())); break;
      case OdResBuf::Storage::Binary: add(code, hexOf(rb->getBinaryChunk())); break;
      case OdResBuf::Storage::Id: add(code, std::string(), rb->getObjectId()); break;
      case OdResBuf::Storage::Handle: add(code, rb->getHandle().text()); break;
      case OdResBuf::Storage::None: add(code, std::string()); break;
      default: add(code, rb->getString().utf8()); break;
    }
  }
  return out;
}

namespace {
std::string numberText(double v) { return formatDouble(v); }
}  // namespace

}  // namespace dxf
