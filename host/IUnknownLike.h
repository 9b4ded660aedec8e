#pragma once

#include <atomic>
#include <cstring>
#include <utility>

// Interfaces between the host and its plug-ins are named by these ids, so a
// plug-in can ask for one without linking to the class that implements it.
inline constexpr const char* kIID_IUnknownLike = "IUnknownLike";
inline constexpr const char* kIID_IApp = "IApp";
inline constexpr const char* kIID_IProfile = "IProfile";
inline constexpr const char* kIID_IProfileSection = "IProfileSection";
inline constexpr const char* kIID_ICmdFactory = "ICmdFactory";
inline constexpr const char* kIID_ICmdRun = "ICmdRun";
inline constexpr const char* kIID_ICmdProcess = "ICmdProcess";
inline constexpr const char* kIID_IHelpService = "IHelpService";

inline bool sameInterfaceId(const char* a, const char* b) { return a && b && std::strcmp(a, b) == 0; }

// Base of the COM-like interfaces: counted references and interface queries.
class IUnknownLike {
 public:
  virtual long addRef() = 0;
  // Deletes the object when the last reference goes.
  virtual long release() = 0;
  // Stores the interface asked for, referenced once more, in *out; false and
  // null when the object does not have it.
  virtual bool queryInterface(const char* iid, void** out) = 0;

 protected:
  virtual ~IUnknownLike() = default;
};

// Counts the references of an implementation made with new.
template <class Interface>
class UnknownImpl : public Interface {
 public:
  long addRef() override { return ++m_refs; }
  long release() override {
    long left = --m_refs;
    if (left == 0) delete this;
    return left;
  }

 private:
  std::atomic<long> m_refs{1};
};

// Owns one reference to an interface.
template <class T>
class HostRefPtr {
 public:
  HostRefPtr() = default;
  // Takes over a reference the caller was given (from a creator or a factory).
  static HostRefPtr adopt(T* obj) { HostRefPtr p; p.m_obj = obj; return p; }
  HostRefPtr(T* obj) : m_obj(obj) { if (m_obj) m_obj->addRef(); }
  HostRefPtr(const HostRefPtr& other) : HostRefPtr(other.m_obj) {}
  HostRefPtr(HostRefPtr&& other) noexcept : m_obj(std::exchange(other.m_obj, nullptr)) {}
  HostRefPtr& operator=(HostRefPtr other) noexcept { std::swap(m_obj, other.m_obj); return *this; }
  ~HostRefPtr() { if (m_obj) m_obj->release(); }

  T* get() const { return m_obj; }
  T* operator->() const { return m_obj; }
  explicit operator bool() const { return m_obj != nullptr; }
  T* detach() { return std::exchange(m_obj, nullptr); }

 private:
  T* m_obj = nullptr;
};
