#include "HostSystemVariables.h"

#include "HostText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {
using Storage = OdResBuf::Storage;

bool parseInt(const std::string& s, int64_t& out) {
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return ec == std::errc() && end == s.data() + s.size() && !s.empty();
}

bool fitsType(int restype, int64_t v) {
  switch (restype) {
    case OdResBuf::kRtInt8: return v >= INT8_MIN && v <= INT8_MAX;
    case OdResBuf::kRtInt16: return v >= INT16_MIN && v <= INT16_MAX;
    case OdResBuf::kRtInt32: return v >= INT32_MIN && v <= INT32_MAX;
    default: return true;
  }
}

OdResBufPtr copyOf(const OdResBuf* rb) {
  switch (OdResBuf::storageOf(rb->restype())) {
    case Storage::Int: return OdResBuf::newRb(rb->restype(), rb->getInt64());
    case Storage::Double: return OdResBuf::newRb(rb->restype(), rb->getDouble());
    case Storage::String: return OdResBuf::newRb(rb->restype(), rb->getString());
    case Storage::Point: return OdResBuf::newRb(rb->restype(), rb->getPoint3d());
    default: return OdResBuf::newRb(rb->restype());
  }
}
}  // namespace

HostSystemVariables::HostSystemVariables() {
  // Which properties the comparison looks at (six bit flags), and its
  // tolerance as a number of decimal places (the rounding knows 0 to 14).
  define("COMPAREPROPS", OdResBuf::newRb(OdResBuf::kRtInt16, int64_t(0)), Range{0, 63});
  define("COMPARETOLERANCE", OdResBuf::newRb(OdResBuf::kRtInt16, int64_t(6)), Range{0, 14});
  // No file dialogs without a window; command echo on.
  define("FILEDIA", OdResBuf::newRb(OdResBuf::kRtInt16, int64_t(0)));
  define("CMDECHO", OdResBuf::newRb(OdResBuf::kRtInt16, int64_t(1)));
}

bool HostSystemVariables::define(const OdString& name, OdResBufPtr value, std::optional<Range> range) {
  if (name.isEmpty() || !value || m_vars.count(name)) return false;
  m_vars.emplace(name, copyOf(value.get()));
  if (range) m_ranges.emplace(name, *range);
  return true;
}

OdString HostSystemVariables::refusal(const OdString& name, const OdString& text) const {
  OdString message = "invalid value \"" + text + "\" for " + name.upper();
  auto range = m_ranges.find(name);
  if (range == m_ranges.end()) return message;
  return message + OdString::format("; it takes a whole number from %lld to %lld",
                                    static_cast<long long>(range->second.lowest),
                                    static_cast<long long>(range->second.highest));
}

size_t HostSystemVariables::NameHash::operator()(const OdString& name) const {
  size_t hash = 14695981039346656037ull;
  for (char16_t unit : name.units()) {
    // Names are ASCII: upper-cased here rather than by a call for each letter.
    char16_t upper = unit >= 0x80 ? odToUpper(unit) : unit >= u'a' && unit <= u'z' ? unit - 32 : unit;
    hash = (hash ^ upper) * 1099511628211ull;
  }
  return hash;
}

bool HostSystemVariables::has(const OdString& name) const { return m_vars.count(name) != 0; }

OdResBufPtr HostSystemVariables::get(const OdString& name) const {
  auto it = m_vars.find(name);
  return it == m_vars.end() ? OdResBufPtr() : copyOf(it->second.get());
}

bool HostSystemVariables::set(const OdString& name, const OdResBuf* value) {
  auto it = m_vars.find(name);
  if (it == m_vars.end() || !value) return false;
  OdResBuf* var = it->second.get();
  Storage from = OdResBuf::storageOf(value->restype());
  switch (OdResBuf::storageOf(var->restype())) {
    case Storage::Int: {
      int64_t v;
      if (from == Storage::Int) v = value->getInt64();
      else if (from == Storage::Double && std::trunc(value->getDouble()) == value->getDouble())
        v = static_cast<int64_t>(value->getDouble());
      else return false;
      if (!fitsType(var->restype(), v)) return false;
      if (auto range = m_ranges.find(name); range != m_ranges.end() && (v < range->second.lowest || v > range->second.highest))
        return false;
      var->setInt64(v);
      return true;
    }
    case Storage::Double:
      if (from == Storage::Int) var->setDouble(static_cast<double>(value->getInt64()));
      else if (from == Storage::Double) var->setDouble(value->getDouble());
      else return false;
      return true;
    case Storage::String:
      if (from != Storage::String) return false;
      var->setString(value->getString());
      return true;
    case Storage::Point:
      if (from != Storage::Point) return false;
      var->setPoint3d(value->getPoint3d());
      return true;
    default:
      return false;
  }
}

bool HostSystemVariables::setFromText(const OdString& name, const OdString& text) {
  auto it = m_vars.find(name);
  if (it == m_vars.end()) return false;
  std::string s = text.utf8();
  switch (OdResBuf::storageOf(it->second->restype())) {
    case Storage::Int: {
      int64_t v;
      return parseInt(s, v) && set(name, OdResBuf::newRb(OdResBuf::kRtInt64, v).get());
    }
    case Storage::Double: {
      double v;
      return hostParseNumber(s, v) && set(name, OdResBuf::newRb(OdResBuf::kRtDouble, v).get());
    }
    case Storage::Point: {
      OdGePoint3d p;
      return hostParsePoint(text, p) && set(name, OdResBuf::newRb(OdResBuf::kRtPoint3d, p).get());
    }
    case Storage::String:
      return set(name, OdResBuf::newRb(OdResBuf::kRtString, text).get());
    default:
      return false;
  }
}

OdString HostSystemVariables::toText(const OdResBuf* value) {
  if (!value) return OdString();
  switch (OdResBuf::storageOf(value->restype())) {
    case Storage::Int: return OdString(std::to_string(value->getInt64()));
    case Storage::Double: return OdString::format("%g", value->getDouble());
    case Storage::String: return value->getString();
    case Storage::Point: {
      OdGePoint3d p = value->getPoint3d();
      return OdString::format("%g,%g,%g", p.x, p.y, p.z);
    }
    default: return OdString();
  }
}
