#include "RxObject.h"

#include <map>
#include <mutex>

namespace {

// Drawings are read on two threads at once, and reading may register classes.
class SysRegistry : public OdStaticRxObject<OdRxDictionary> {
 public:
  OdRxObjectPtr getAt(const OdString& key) const override {
    std::lock_guard lock(m_mutex);
    auto it = m_entries.find(key);
    return it == m_entries.end() ? OdRxObjectPtr() : it->second;
  }
  OdRxObjectPtr putAt(const OdString& key, OdRxObject* obj) override {
    std::lock_guard lock(m_mutex);
    OdRxObjectPtr previous = remove(key);
    m_entries[key] = obj;
    if (auto* cls = dynamic_cast<OdRxClass*>(obj); cls && !cls->dxfName().isEmpty() && cls->constructor())
      m_byDxfName.emplace(std::pair(cls->dxfName(), key), cls);
    return previous;
  }
  OdRxObjectPtr remove(const OdString& key) override {
    std::lock_guard lock(m_mutex);
    auto it = m_entries.find(key);
    if (it == m_entries.end()) return OdRxObjectPtr();
    OdRxObjectPtr previous = it->second;
    if (auto* cls = dynamic_cast<OdRxClass*>(previous.get())) m_byDxfName.erase(std::pair(cls->dxfName(), key));
    m_entries.erase(it);
    return previous;
  }
  bool has(const OdString& key) const override {
    std::lock_guard lock(m_mutex);
    return m_entries.count(key) != 0;
  }
  int numEntries() const override {
    std::lock_guard lock(m_mutex);
    return static_cast<int>(m_entries.size());
  }
  void forEachEntry(const std::function<void(const OdString&, OdRxObject*)>& visit) const override {
    std::lock_guard lock(m_mutex);
    for (const auto& [key, obj] : m_entries) visit(key, obj.get());
  }

  // Of the classes that make objects of a DXF record, the first by name.
  OdRxClass* classByDxfName(const OdString& dxfName) const {
    std::lock_guard lock(m_mutex);
    auto it = m_byDxfName.lower_bound(std::pair(dxfName, OdString()));
    return it != m_byDxfName.end() && it->first.first == dxfName ? it->second : nullptr;
  }

 private:
  mutable std::recursive_mutex m_mutex;  // visitors may look entries up
  std::map<OdString, OdRxObjectPtr> m_entries;
  // Kept with the entries: every file read adds the classes of its unknown
  // records, and a look-up must not cost a pass over them all.
  std::map<std::pair<OdString, OdString>, OdRxClass*> m_byDxfName;
};

SysRegistry& sysRegistry() {
  static SysRegistry registry;
  return registry;
}

}  // namespace

OdRxDictionary* odrxSysRegistry() { return &sysRegistry(); }

OdRxClass* odrxGetClass(const OdString& name) {
  OdRxObjectPtr entry = odrxSysRegistry()->getAt(name);
  return entry && entry->isKindOf(OdRxClass::desc()) ? static_cast<OdRxClass*>(entry.get()) : nullptr;
}

OdRxClass* odrxClassByDxfName(const OdString& dxfName) { return sysRegistry().classByDxfName(dxfName); }

OdRxClass* OdRxObject::desc() {
  static OdRxClass* cls = odrxRegisterBuiltin("OdRxObject", nullptr, nullptr, "");
  return cls;
}

OdRxClass* OdRxObject::isA() const { return desc(); }

bool OdRxObject::isKindOf(const OdRxClass* cls) const { return cls && isA()->isDerivedFrom(cls); }

OdRxObject* OdRxObject::queryX(const OdRxClass* cls) const {
  if (!isKindOf(cls)) return nullptr;
  addRef();
  return const_cast<OdRxObject*>(this);
}

OdRxClass::OdRxClass(const OdString& name, OdRxClass* parent, OdPseudoConstructorType ctor,
                     const OdString& dxfName, const OdString& appName)
    : m_name(name), m_dxfName(dxfName), m_appName(appName), m_parent(parent), m_ctor(ctor) {}

void OdRxClass::release() const {
  if (--m_refs == 0) delete this;
}

OdRxClass* OdRxClass::desc() {
  static OdRxClass* cls = odrxRegisterBuiltin("OdRxClass", OdRxObject::desc(), nullptr, "");
  return cls;
}

bool OdRxClass::isDerivedFrom(const OdRxClass* other) const {
  for (const OdRxClass* c = this; c; c = c->m_parent)
    if (c == other) return true;
  return false;
}

OdRxObjectPtr OdRxClass::create() const {
  if (!m_ctor) return OdRxObjectPtr();
  return OdRxObjectPtr(m_ctor(), kOdRxObjAttach);
}

OdRxClass* odrxRegisterBuiltin(const char* name, OdRxClass* parent, OdPseudoConstructorType ctor,
                               const char* dxfName) {
  auto* cls = new OdRxClass(OdString(name), parent, ctor, OdString(dxfName));
  odrxSysRegistry()->putAt(cls->name(), cls);
  return cls;
}

OdRxClass* newOdRxClass(const OdString& name, OdRxClass* parent, OdPseudoConstructorType ctor, int, int, int,
                        const OdString& dxfName, const OdString& appName) {
  if (odrxSysRegistry()->has(name)) throw OdError(eAlreadyRegistered, name + " is already registered");
  auto* cls = new OdRxClass(name, parent, ctor, dxfName, appName);
  odrxSysRegistry()->putAt(name, cls);
  return cls;
}

void deleteOdRxClass(OdRxClass* cls) {
  if (!cls || odrxGetClass(cls->name()) != cls)
    throw OdError(eClassNotRegistered, (cls ? cls->name() : OdString("null class")) + " is not registered");
  odrxSysRegistry()->remove(cls->name());
}
