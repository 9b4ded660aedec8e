#include "DbObject.h"

#include "DbDatabase.h"
#include "DbDictionary.h"
#include "DbXrecord.h"
#include "ResBuf.h"

ODRX_DEFINE_NAMED(OdDbObject, "AcDbObject", OdRxObject, "", nullptr)

const dxf::ClassLayout& OdDbObject::layout() {
  static const dxf::ClassLayout empty(nullptr, {});
  return empty;
}

const dxf::ClassLayout& OdDbObject::dxfLayout() const { return layout(); }

OdDbObject::OdDbObject() = default;
OdDbObject::~OdDbObject() = default;

void OdDbObject::attachToDatabase(OdDbStub* stub) {
  if (stub) m_place = reinterpret_cast<uintptr_t>(stub);
  else if (OdDbStub* was = this->stub()) m_place = reinterpret_cast<uintptr_t>(was->database) | kMeantFor;
}

void OdDbObject::setDatabase(OdDbDatabase* db) {
  if (!stub()) m_place = reinterpret_cast<uintptr_t>(db) | kMeantFor;
}

void OdDbObject::release() const {
  if (m_refs.fetch_sub(1, std::memory_order_acq_rel) == 1) delete this;
}

void OdDbObject::upgradeOpen() { setOpenMode(OdDb::kForWrite); }
void OdDbObject::downgradeOpen() { setOpenMode(OdDb::kForRead); }

OdResult OdDbObject::erase(bool erasing) {
  if (!stub()) return eNotApplicable;
  stub()->erased = erasing;
  return eOk;
}

OdDbObject::Extras& OdDbObject::extras() {
  if (!m_extras) m_extras = std::make_unique<Extras>();
  return *m_extras;
}

OdDbObjectId OdDbObject::extensionDictionary() const {
  return m_extras ? m_extras->extensionDictionary : OdDbObjectId();
}

void OdDbObject::setExtensionDictionary(OdDbObjectId id) { extras().extensionDictionary = id; }

void OdDbObject::createExtensionDictionary() {
  if (extensionDictionary().isValid()) return;
  OdDbDatabase* db = database();
  if (!db || !isDBRO()) throw OdError(eNotApplicable, "The object is not in a database");
  OdDbDictionaryPtr dict = OdDbDictionary::createObject();
  dict->setOwnerId(objectId());
  OdDbObjectId id = db->addOdDbObject(dict.get());
  setExtensionDictionary(id);
}

OdDbObjectId OdDbObject::createXrecord(const OdString& name, OdDb::DuplicateRecordCloning style) {
  createExtensionDictionary();
  OdDbDictionaryPtr dict = extensionDictionary().safeOpenObject(OdDb::kForWrite);
  OdDbXrecordPtr xrecord = OdDbXrecord::createObject();
  xrecord->setMergeStyle(style);
  return dict->setAt(name, xrecord.get());
}

const std::vector<OdDbObjectId>& OdDbObject::persistentReactors() const {
  static const std::vector<OdDbObjectId> none;
  return m_extras ? m_extras->reactors : none;
}

void OdDbObject::addPersistentReactor(OdDbObjectId id) {
  auto& r = extras().reactors;
  if (std::find(r.begin(), r.end(), id) == r.end()) r.push_back(id);
}

std::vector<dxf::KeptGroup>& OdDbObject::keptGroups() { return extras().kept; }
const std::vector<dxf::KeptGroup>* OdDbObject::keptGroupsIfAny() const {
  return m_extras && !m_extras->kept.empty() ? &m_extras->kept : nullptr;
}
std::vector<dxf::KeptGroup>& OdDbObject::xdataGroups() { return extras().xdata; }
const std::vector<dxf::KeptGroup>* OdDbObject::xdataGroupsIfAny() const {
  return m_extras && !m_extras->xdata.empty() ? &m_extras->xdata : nullptr;
}

OdResBufPtr OdDbObject::xData(const OdString& appName) const {
  const auto* groups = xdataGroupsIfAny();
  if (!groups) return OdResBufPtr();
  if (appName.isEmpty()) return dxf::groupsToResBuf(*groups);
  std::vector<dxf::KeptGroup> ofApp;
  bool inApp = false;
  for (const auto& g : *groups) {
    if (g.code == 1001) inApp = OdString(g.text).iCompare(appName) == 0;
    if (inApp) ofApp.push_back(g);
  }
  return ofApp.empty() ? OdResBufPtr() : dxf::groupsToResBuf(ofApp);
}

void OdDbObject::setXData(const OdResBuf* chain) {
  // Replaces the data of every application the chain names; an application
  // given with nothing after its name loses its data.
  auto incoming = dxf::resBufToGroups(chain);
  auto& groups = extras().xdata;
  for (const auto& g : incoming) {
    if (g.code != 1001) continue;
    OdString app(g.text);
    std::vector<dxf::KeptGroup> kept;
    bool inApp = false;
    for (const auto& old : groups) {
      if (old.code == 1001) inApp = OdString(old.text).iCompare(app) == 0;
      if (!inApp) kept.push_back(old);
    }
    groups.swap(kept);
  }
  for (size_t i = 0; i < incoming.size(); ++i) {
    bool appOnly = incoming[i].code == 1001 && (i + 1 == incoming.size() || incoming[i + 1].code == 1001);
    if (incoming[i].code == 1001 && appOnly) continue;
    groups.push_back(incoming[i]);
  }
}

void OdDbObject::writeHeader(OdDbDxfFiler* filer) const {
  filer->wrHandle(dxfHandleCode(), getDbHandle());
  if (m_extras) {
    for (const auto& g : m_extras->kept)
      if (g.section == dxf::KeptGroup::kAppData) dxf::writeGroupByCode(filer, g.code, g.text, g.id);
    if (!m_extras->reactors.empty()) {
      filer->wrString(102, OdString("{ACAD_REACTORS"));
      for (OdDbObjectId id : m_extras->reactors) filer->wrObjectId(330, id);
      filer->wrString(102, OdString("}"));
    }
    if (!m_extras->extensionDictionary.isNull()) {
      filer->wrString(102, OdString("{ACAD_XDICTIONARY"));
      filer->wrObjectId(360, m_extras->extensionDictionary);
      filer->wrString(102, OdString("}"));
    }
  }
  filer->wrObjectId(330, m_owner);
}

void OdDbObject::writeXData(OdDbDxfFiler* filer) const {
  const auto* groups = xdataGroupsIfAny();
  if (!groups) return;
  filer->writeXDataStart();
  for (const auto& g : *groups) dxf::writeGroupByCode(filer, g.code, g.text, g.id);
}

void OdDbObject::dxfOutFields(OdDbDxfFiler* filer) const {
  writeHeader(filer);
  dxfLayout().writeFields(this, filer, keptGroupsIfAny());
  writeXData(filer);
}

OdString OdDbObject::dxfRecordName() const { return isA()->dxfName(); }

void OdDbObject::copyFrom(const OdRxObject* source) {
  if (!source || !source->isKindOf(OdDbObject::desc())) throw OdError(eIllegalReplacement);
  throw OdError(eNotImplementedYet, "copyFrom is not available for " + isA()->name());
}

// An id opens the object its stub holds: that needs the object, so it is defined beside it.
OdDbObjectPtr OdDbObjectId::openObject(OdDb::OpenMode mode, bool openErasedOne) const {
  if (!m_stub || !m_stub->object) return OdDbObjectPtr();
  if (m_stub->erased && !openErasedOne) return OdDbObjectPtr();
  OdDbObject* obj = m_stub->object;
  obj->setOpenMode(mode == OdDb::kForWrite ? OdDb::kForWrite : OdDb::kForRead);
  return OdDbObjectPtr(obj);
}

OdDbObjectPtr OdDbObjectId::safeOpenObject(OdDb::OpenMode mode, bool openErasedOne) const {
  if (!m_stub) throw OdError(eNullObjectId);
  if (m_stub->erased && !openErasedOne) throw OdError(eWasErased);
  OdDbObjectPtr obj = openObject(mode, openErasedOne);
  if (!obj) throw OdError(eKeyNotFound, "No object with handle " + getHandle().ascii());
  return obj;
}
