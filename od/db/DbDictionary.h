#pragma once

#include "DbObject.h"

#include <vector>

// Named entries, each owning or referencing one object. Entries keep the
// order in which they were added; names compare without regard to case.
class OdDbDictionary : public OdDbObject {
  OD_DXF_CLASS(OdDbDictionary);

 public:
  OdDbDictionary();
  struct Entry {
    OdString name;
    OdDbObjectId id;
  };

  bool has(const OdString& name) const;
  OdDbObjectId getAt(const OdString& name) const;
  OdDbObjectPtr getAt(const OdString& name, OdDb::OpenMode mode) const;
  // Stores the object under the name, replacing (and erasing) what was there;
  // an object not yet in the database is added to it, owned by this dictionary.
  OdDbObjectId setAt(const OdString& name, OdDbObject* object);
  void setAt(const OdString& name, OdDbObjectId id);
  OdResult remove(const OdString& name);
  int numEntries() const { return static_cast<int>(m_entries.size()); }
  const std::vector<Entry>& entries() const { return m_entries; }
  OdString nameAt(OdDbObjectId id) const;

  OdDb::DuplicateRecordCloning mergeStyle() const { return static_cast<OdDb::DuplicateRecordCloning>(m_mergeStyle); }
  void setMergeStyle(OdDb::DuplicateRecordCloning style) { m_mergeStyle = static_cast<int8_t>(style); }
  bool isTreatElementsAsHard() const { return m_hardOwner; }
  void setTreatElementsAsHard(bool hard) { m_hardOwner = hard; }

 private:
  static bool readEntry(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeEntries(const OdDbObject* obj, OdDbDxfFiler* filer);
  Entry* find(const OdString& name);

  std::vector<Entry> m_entries;
  OdString m_pendingName;
  bool m_hardOwner = false;
  int8_t m_mergeStyle = OdDb::kDrcIgnore;
};
using OdDbDictionaryPtr = OdSmartPtr<OdDbDictionary>;
