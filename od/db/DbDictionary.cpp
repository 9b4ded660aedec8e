#include "DbDictionary.h"

#include "DbDatabase.h"

ODRX_DEFINE_NAMED(OdDbDictionary, "AcDbDictionary", OdDbObject, "DICTIONARY", odrxNewReferenced<OdDbDictionary>)


const dxf::ClassLayout& OdDbDictionary::layout() {
  static const dxf::Custom entries{&OdDbDictionary::readEntry, &OdDbDictionary::writeEntries};
  static const dxf::Field fields[] = {
      dxf::optional<&OdDbDictionary::m_hardOwner>(280),
      dxf::field<&OdDbDictionary::m_mergeStyle>(281, dxf::defInt(OdDb::kDrcIgnore)),
      dxf::custom(entries),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbObject::layout(), fields);
  return layout;
}

OdDbDictionary::OdDbDictionary() { layout().applyOwnDefaults(this); }

bool OdDbDictionary::readEntry(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx) {
  auto* dict = static_cast<OdDbDictionary*>(obj);
  if (g.code == 3) {
    dict->m_pendingName = ctx.decodeString(g.value);
    return true;
  }
  if (g.code == 350 || g.code == 360) {
    dict->m_entries.push_back(Entry{dict->m_pendingName, ctx.idOf(g)});
    dict->m_pendingName = OdString();
    return true;
  }
  return false;
}

void OdDbDictionary::writeEntries(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* dict = static_cast<const OdDbDictionary*>(obj);
  int code = dict->m_hardOwner ? 360 : 350;
  for (const Entry& e : dict->m_entries) {
    filer->wrString(3, e.name);
    filer->wrObjectId(code, e.id);
  }
}

OdDbDictionary::Entry* OdDbDictionary::find(const OdString& name) {
  for (Entry& e : m_entries)
    if (e.name.iCompare(name) == 0) return &e;
  return nullptr;
}

bool OdDbDictionary::has(const OdString& name) const { return const_cast<OdDbDictionary*>(this)->find(name) != nullptr; }

OdDbObjectId OdDbDictionary::getAt(const OdString& name) const {
  const Entry* e = const_cast<OdDbDictionary*>(this)->find(name);
  return e ? e->id : OdDbObjectId();
}

OdDbObjectPtr OdDbDictionary::getAt(const OdString& name, OdDb::OpenMode mode) const {
  return getAt(name).openObject(mode);
}

OdDbObjectId OdDbDictionary::setAt(const OdString& name, OdDbObject* object) {
  if (!object) throw OdError(eInvalidInput, "No object to store under " + name);
  OdDbObjectId id = object->objectId();
  if (!object->isDBRO()) {
    OdDbDatabase* db = database();
    if (!db) throw OdError(eNotApplicable, "The dictionary is not in a database");
    object->setOwnerId(objectId());
    id = db->addOdDbObject(object);
  }
  setAt(name, id);
  return id;
}

void OdDbDictionary::setAt(const OdString& name, OdDbObjectId id) {
  if (Entry* e = find(name)) {
    if (e->id != id) {
      if (OdDbObjectPtr old = e->id.openObject(OdDb::kForWrite)) old->erase();
      e->id = id;
    }
    return;
  }
  m_entries.push_back(Entry{name, id});
}

OdResult OdDbDictionary::remove(const OdString& name) {
  for (auto it = m_entries.begin(); it != m_entries.end(); ++it)
    if (it->name.iCompare(name) == 0) {
      m_entries.erase(it);
      return eOk;
    }
  return eKeyNotFound;
}

OdString OdDbDictionary::nameAt(OdDbObjectId id) const {
  for (const Entry& e : m_entries)
    if (e.id == id) return e.name;
  return OdString();
}
