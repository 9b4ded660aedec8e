#pragma once

#include "DbHandle.h"
#include "RxObject.h"

#include <cstdint>
#include <functional>
#include <span>

class OdDbDatabase;
class OdDbObject;
using OdDbObjectPtr = OdSmartPtr<OdDbObject>;

namespace OdDb {
enum OpenMode { kNotOpen = -1, kForRead = 0, kForWrite = 1, kForNotify = 2 };
}

// The database's record of one handle: the object it names, once there is one.
struct OdDbStub {
  OdDbHandle handle;
  OdDbDatabase* database = nullptr;
  OdDbObject* object = nullptr;  // holds one reference while set
  bool erased = false;
};

// Identifies an object of a database; stays the same while the object is
// loaded, erased or replaced.
class OdDbObjectId {
 public:
  OdDbObjectId() = default;
  explicit OdDbObjectId(OdDbStub* stub) : m_stub(stub) {}
  static const OdDbObjectId kNull;

  bool isNull() const { return m_stub == nullptr; }
  // Not null, and names an object that exists and is not erased.
  bool isValid() const { return m_stub && m_stub->object && !m_stub->erased; }
  bool isErased() const { return m_stub && m_stub->erased; }
  OdDbHandle getHandle() const { return m_stub ? m_stub->handle : OdDbHandle(); }
  OdDbDatabase* database() const { return m_stub ? m_stub->database : nullptr; }
  OdDbStub* stub() const { return m_stub; }

  // The object, or null when there is none or it is erased (unless asked for).
  OdDbObjectPtr openObject(OdDb::OpenMode mode = OdDb::kForRead, bool openErasedOne = false) const;
  // Same, but throws the library's error instead of answering null.
  OdDbObjectPtr safeOpenObject(OdDb::OpenMode mode = OdDb::kForRead, bool openErasedOne = false) const;
  // Starts fetching the object into the cache, for a loop over many ids to
  // call ahead of the one it opens (odPrefetchAhead): objects lie all over memory.
  void prefetchObject() const {
    if (m_stub) __builtin_prefetch(m_stub->object);
  }

  bool operator==(const OdDbObjectId& o) const { return m_stub == o.m_stub; }
  bool operator!=(const OdDbObjectId& o) const { return m_stub != o.m_stub; }
  bool operator<(const OdDbObjectId& o) const { return getHandle().value() < o.getHandle().value(); }
  explicit operator bool() const { return m_stub != nullptr; }

 private:
  OdDbStub* m_stub = nullptr;
};

using OdDbObjectIdArray = std::vector<OdDbObjectId>;

// How far ahead of the object it opens a loop over many has the next ones fetched.
constexpr size_t kOdPrefetchAhead = 8;

// For a walk over ids that is about to open ids[i]: fetches the object kOdPrefetchAhead ids on.
inline void odPrefetchAhead(std::span<const OdDbObjectId> ids, size_t i) {
  if (i + kOdPrefetchAhead < ids.size()) ids[i + kOdPrefetchAhead].prefetchObject();
}

template <>
struct std::hash<OdDbObjectId> {
  size_t operator()(const OdDbObjectId& id) const noexcept { return std::hash<const void*>()(id.stub()); }
};
