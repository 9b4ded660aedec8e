#pragma once

#include "OdError.h"
#include "OdString.h"

#include <atomic>
#include <functional>
#include <utility>

class OdRxClass;
class OdRxObject;
using OdPseudoConstructorType = OdRxObject* (*)();

enum OdRxObjMod { kOdRxObjAttach };

// Base of every run-time typed, reference-counted object of the library.
class OdRxObject {
 public:
  virtual ~OdRxObject() = default;

  virtual void addRef() const = 0;
  virtual void release() const = 0;
  virtual long numRefs() const = 0;

  static OdRxClass* desc();
  virtual OdRxClass* isA() const;
  bool isKindOf(const OdRxClass* cls) const;
  // This object, referenced once more, when it is of the class asked for; null otherwise.
  virtual OdRxObject* queryX(const OdRxClass* cls) const;
  // An object of a class asked for, or null; never throws.
  static OdRxObject* cast(const OdRxObject* obj) { return const_cast<OdRxObject*>(obj); }
};

// Intrusive smart pointer. Converting from an object of another class throws
// the not-that-kind-of-class error.
template <class T>
class OdSmartPtr {
 public:
  OdSmartPtr() = default;
  OdSmartPtr(std::nullptr_t) {}
  OdSmartPtr(const T* obj) : m_obj(const_cast<T*>(obj)) { if (m_obj) m_obj->addRef(); }
  OdSmartPtr(const T* obj, OdRxObjMod) : m_obj(const_cast<T*>(obj)) {}
  OdSmartPtr(const OdSmartPtr& other) : OdSmartPtr(other.m_obj) {}
  OdSmartPtr(OdSmartPtr&& other) noexcept : m_obj(std::exchange(other.m_obj, nullptr)) {}
  template <class U>
  OdSmartPtr(const OdSmartPtr<U>& other) { assignChecked(other.get()); }
  ~OdSmartPtr() { if (m_obj) m_obj->release(); }

  // Converting construction from any run-time object.
  static OdSmartPtr fromObject(const OdRxObject* obj) { OdSmartPtr p; p.assignChecked(obj); return p; }

  OdSmartPtr& operator=(OdSmartPtr other) noexcept { std::swap(m_obj, other.m_obj); return *this; }

  T* get() const { return m_obj; }
  T* operator->() const { return m_obj; }
  T& operator*() const { return *m_obj; }
  explicit operator bool() const { return m_obj != nullptr; }
  bool isNull() const { return m_obj == nullptr; }
  operator T*() const { return m_obj; }
  void release() { if (m_obj) { m_obj->release(); m_obj = nullptr; } }
  T* detach() { return std::exchange(m_obj, nullptr); }
  void attach(T* obj) { release(); m_obj = obj; }

 private:
  void assignChecked(const OdRxObject* obj);
  T* m_obj = nullptr;
};

using OdRxObjectPtr = OdSmartPtr<OdRxObject>;

// Run-time class record: name, parent, and the pseudo-constructor that makes
// a new instance.
class OdRxClass : public OdRxObject {
 public:
  OdRxClass(const OdString& name, OdRxClass* parent, OdPseudoConstructorType ctor,
            const OdString& dxfName = OdString(), const OdString& appName = OdString());

  void addRef() const override { ++m_refs; }
  void release() const override;
  long numRefs() const override { return m_refs; }
  static OdRxClass* desc();
  OdRxClass* isA() const override { return desc(); }

  const OdString& name() const { return m_name; }
  const OdString& dxfName() const { return m_dxfName; }
  const OdString& appName() const { return m_appName; }
  OdRxClass* myParent() const { return m_parent; }
  bool isDerivedFrom(const OdRxClass* other) const;
  OdRxObjectPtr create() const;
  OdPseudoConstructorType constructor() const { return m_ctor; }

 private:
  OdString m_name;
  OdString m_dxfName;
  OdString m_appName;
  OdRxClass* m_parent;
  OdPseudoConstructorType m_ctor;
  mutable std::atomic<long> m_refs{0};
};

// The process-wide registry of run-time classes and services. One instance,
// living in the library, shared by the host and every module it loads.
class OdRxDictionary : public OdRxObject {
 public:
  virtual OdRxObjectPtr getAt(const OdString& key) const = 0;
  // Stores obj under key; answers what was there before.
  virtual OdRxObjectPtr putAt(const OdString& key, OdRxObject* obj) = 0;
  virtual OdRxObjectPtr remove(const OdString& key) = 0;
  virtual bool has(const OdString& key) const = 0;
  virtual int numEntries() const = 0;
  virtual void forEachEntry(const std::function<void(const OdString&, OdRxObject*)>& visit) const = 0;
};
using OdRxDictionaryPtr = OdSmartPtr<OdRxDictionary>;

OdRxDictionary* odrxSysRegistry();
OdRxClass* odrxGetClass(const OdString& name);
// The registered class whose DXF record name is dxfName ("LINE"), or null.
OdRxClass* odrxClassByDxfName(const OdString& dxfName);

// Registers a new class; throws the already-registered error (313) when the
// name is taken.
OdRxClass* newOdRxClass(const OdString& name, OdRxClass* parent, OdPseudoConstructorType ctor = nullptr,
                        int dwgVer = 0, int maintVer = 0, int proxyFlags = 0, const OdString& dxfName = OdString(),
                        const OdString& appName = OdString());
// Unregisters and deletes a class; throws the class-not-registered error (255)
// when it is not in the registry.
void deleteOdRxClass(OdRxClass* cls);

// Reference counting for classes whose objects are made on the heap.
template <class T, class Base = T>
class OdRxObjectImpl : public T {
 public:
  template <class... Args>
  explicit OdRxObjectImpl(Args&&... args) : T(std::forward<Args>(args)...) {}
  void addRef() const override { ++m_refs; }
  void release() const override { if (--m_refs == 0) delete this; }
  long numRefs() const override { return m_refs; }
  static OdSmartPtr<Base> createObject() { return OdSmartPtr<Base>(new OdRxObjectImpl<T, Base>(), kOdRxObjAttach); }

 private:
  mutable std::atomic<long> m_refs{1};
};

// For objects on the stack or static: reference counting does nothing.
template <class T>
class OdStaticRxObject : public T {
 public:
  using T::T;
  void addRef() const override {}
  void release() const override {}
  long numRefs() const override { return 1; }
};

template <class T>
void OdSmartPtr<T>::assignChecked(const OdRxObject* obj) {
  if (!obj) return;
  OdRxObject* found = obj->queryX(T::desc());
  if (!found) throw OdError_NotThatKindOfClass(obj->isA()->name(), T::desc()->name());
  m_obj = static_cast<T*>(found);
}

// Declares desc/isA/cast/createObject of a run-time class.
#define ODRX_DECLARE_MEMBERS(ClassName)                                        \
 public:                                                                      \
  static OdRxClass* desc();                                                   \
  OdRxClass* isA() const override;                                            \
  OdRxObject* queryX(const OdRxClass* cls) const override;                    \
  static OdSmartPtr<ClassName> cast(const OdRxObject* obj) {                  \
    if (!obj) return nullptr;                                                 \
    return OdSmartPtr<ClassName>(static_cast<ClassName*>(obj->queryX(desc())), kOdRxObjAttach); \
  }                                                                           \
  static OdSmartPtr<ClassName> createObject() {                              \
    OdRxObjectPtr made = desc()->create();                                    \
    return OdSmartPtr<ClassName>::fromObject(made.get());                     \
  }                                                                           \
  static void rxInit();                                                       \
  static void rxUninit()

// Built-in class of the library: registered on first use, lives for the process.
#define ODRX_DEFINE_BUILTIN(ClassName, ParentName, DxfName, Ctor)                           \
  OdRxClass* ClassName::desc() {                                                           \
    static OdRxClass* cls = odrxRegisterBuiltin(#ClassName, ParentName::desc(), Ctor, DxfName); \
    return cls;                                                                            \
  }                                                                                        \
  OdRxClass* ClassName::isA() const { return desc(); }                                     \
  OdRxObject* ClassName::queryX(const OdRxClass* cls) const {                              \
    if (cls && desc()->isDerivedFrom(cls)) { addRef(); return const_cast<ClassName*>(this); } \
    return nullptr;                                                                        \
  }                                                                                        \
  void ClassName::rxInit() { desc(); }                                                     \
  void ClassName::rxUninit() {}                                                            \
  [[maybe_unused]] static OdRxClass* const g_registered##ClassName = ClassName::desc();

// Same as above, but the run-time name differs from the C++ name (AcDbLine for OdDbLine).
#define ODRX_DEFINE_NAMED(ClassName, RxName, ParentName, DxfName, Ctor)                     \
  OdRxClass* ClassName::desc() {                                                           \
    static OdRxClass* cls = odrxRegisterBuiltin(RxName, ParentName::desc(), Ctor, DxfName); \
    return cls;                                                                            \
  }                                                                                        \
  OdRxClass* ClassName::isA() const { return desc(); }                                     \
  OdRxObject* ClassName::queryX(const OdRxClass* cls) const {                              \
    if (cls && desc()->isDerivedFrom(cls)) { addRef(); return const_cast<ClassName*>(this); } \
    return nullptr;                                                                        \
  }                                                                                        \
  void ClassName::rxInit() { desc(); }                                                     \
  void ClassName::rxUninit() {}                                                            \
  [[maybe_unused]] static OdRxClass* const g_registered##ClassName = ClassName::desc();

// Class registered by a module between rxInit and rxUninit; desc() is null
// outside that time.
#define ODRX_DEFINE_MODULE_CLASS(ClassName, ParentClass, Ctor)                               \
  static OdRxClass* g_p##ClassName##Desc = nullptr;                                         \
  OdRxClass* ClassName::desc() { return g_p##ClassName##Desc; }                              \
  OdRxClass* ClassName::isA() const { return g_p##ClassName##Desc; }                         \
  OdRxObject* ClassName::queryX(const OdRxClass* cls) const {                               \
    if (cls && isA() && isA()->isDerivedFrom(cls)) { addRef(); return const_cast<ClassName*>(this); } \
    return ParentClass::queryX(cls);                                                        \
  }                                                                                         \
  void ClassName::rxInit() { g_p##ClassName##Desc = newOdRxClass(#ClassName, ParentClass::desc(), Ctor); } \
  void ClassName::rxUninit() {                                                              \
    deleteOdRxClass(g_p##ClassName##Desc);                                                  \
    g_p##ClassName##Desc = nullptr;                                                         \
  }

OdRxClass* odrxRegisterBuiltin(const char* name, OdRxClass* parent, OdPseudoConstructorType ctor, const char* dxfName);

// Pseudo-constructor of a class whose objects count their own references:
// the new object comes with one reference for the caller.
template <class T>
OdRxObject* odrxNewReferenced() {
  T* obj = new T;
  obj->addRef();
  return obj;
}

// Pseudo-constructor of a class counted by OdRxObjectImpl, which starts at one reference.
template <class T>
OdRxObject* odrxNewImpl() {
  return new OdRxObjectImpl<T>();
}
