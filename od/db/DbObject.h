#pragma once

#include "DbObjectId.h"
#include "DxfFields.h"
#include "RxObject.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class OdDbDatabase;
class OdDbDxfFiler;
class OdResBuf;
using OdResBufPtr = OdSmartPtr<OdResBuf>;

namespace OdDb {
enum DuplicateRecordCloning {
  kDrcNotApplicable = 0, kDrcIgnore = 1, kDrcReplace = 2, kDrcXrefMangleName = 3, kDrcMangleName = 4,
  kDrcUnmangleName = 5
};
}

// Base of everything stored in a database.
class OdDbObject : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdDbObject);

 public:
  static const dxf::ClassLayout& layout();
  OdDbObject();
  ~OdDbObject() override;
  OdDbObject(const OdDbObject&) = delete;
  OdDbObject& operator=(const OdDbObject&) = delete;

  void addRef() const override { m_refs.fetch_add(1, std::memory_order_relaxed); }
  void release() const override;
  long numRefs() const override { return m_refs.load(std::memory_order_relaxed); }

  OdDbObjectId objectId() const { return OdDbObjectId(stub()); }
  OdDbHandle getDbHandle() const { return stub() ? stub()->handle : OdDbHandle(); }
  OdDbDatabase* database() const { return stub() ? stub()->database : meantFor(); }
  bool isDBRO() const { return stub() != nullptr; }
  OdDbObjectId ownerId() const { return m_owner; }
  virtual void setOwnerId(OdDbObjectId owner) { m_owner = owner; }

  // Open state. Objects live in memory; the state records what the holder may do.
  bool isReadEnabled() const { return openMode() != OdDb::kNotOpen; }
  bool isWriteEnabled() const { return openMode() == OdDb::kForWrite; }
  void upgradeOpen();
  void downgradeOpen();
  void setOpenMode(OdDb::OpenMode mode) { m_openMode.store(mode, std::memory_order_relaxed); }
  void close() {}

  bool isErased() const { return stub() && stub()->erased; }
  virtual OdResult erase(bool erasing = true);

  OdDbObjectId extensionDictionary() const;
  // Makes the extension dictionary if the object has none; the object must be in a database.
  void createExtensionDictionary();
  // An empty Xrecord under the name in the extension dictionary (made when
  // missing), cloned with the given duplicate-record mode; answers its id.
  // Replaces an entry of that name.
  OdDbObjectId createXrecord(const OdString& name, OdDb::DuplicateRecordCloning style = OdDb::kDrcIgnore);
  void setExtensionDictionary(OdDbObjectId id);

  const std::vector<OdDbObjectId>& persistentReactors() const;
  void addPersistentReactor(OdDbObjectId id);

  // Extended data: the chain of one registered application, or of all.
  OdResBufPtr xData(const OdString& appName = OdString()) const;
  void setXData(const OdResBuf* chain);

  // The object's fields as the DXF format orders them: its header (handle,
  // reactors, extension dictionary, owner), every subclass section with its
  // marker, and its extended data last, after writeXDataStart.
  virtual void dxfOutFields(OdDbDxfFiler* filer) const;
  // The name of the object's record in a DXF file ("LINE", "DICTIONARY").
  virtual OdString dxfRecordName() const;
  virtual const dxf::ClassLayout& dxfLayout() const;
  // Group code of the handle in DXF files: 105 for dimension styles, else 5.
  virtual int dxfHandleCode() const { return 5; }

  // Copies the fields of another object of a compatible class.
  virtual void copyFrom(const OdRxObject* source);

  // The kept groups of the DXF file this object came from, and its extended data groups.
  std::vector<dxf::KeptGroup>& keptGroups();
  const std::vector<dxf::KeptGroup>* keptGroupsIfAny() const;
  std::vector<dxf::KeptGroup>& xdataGroups();
  const std::vector<dxf::KeptGroup>* xdataGroupsIfAny() const;

  // Called by the database when it takes the object in, and with null when it
  // lets the object go: the object then remembers the database it was in.
  void attachToDatabase(OdDbStub* stub);
  // The database an object not in one is meant for; one in a database keeps its own.
  void setDatabase(OdDbDatabase* db);

 protected:
  struct Extras;
  Extras& extras();
  const Extras* extrasIfAny() const { return m_extras.get(); }
  void writeHeader(OdDbDxfFiler* filer) const;
  void writeXData(OdDbDxfFiler* filer) const;

 private:
  OdDb::OpenMode openMode() const { return m_openMode.load(std::memory_order_relaxed); }

  // Threads that read a drawing together open the same records (layers, styles).
  mutable std::atomic<int> m_refs{0};
  std::atomic<OdDb::OpenMode> m_openMode{OdDb::kForRead};
  OdDbStub* stub() const { return m_place & kMeantFor ? nullptr : reinterpret_cast<OdDbStub*>(m_place); }
  OdDbDatabase* meantFor() const { return reinterpret_cast<OdDbDatabase*>(m_place & ~kMeantFor); }

  // The stub the object is filed under in its database or, with the low bit
  // set, the database it is meant for: one word, as there are millions of objects.
  static constexpr uintptr_t kMeantFor = 1;
  uintptr_t m_place = 0;
  OdDbObjectId m_owner;
  std::unique_ptr<Extras> m_extras;
};

// What most objects lack: kept in one block allocated on demand.
struct OdDbObject::Extras {
  OdDbObjectId extensionDictionary;
  std::vector<OdDbObjectId> reactors;
  std::vector<dxf::KeptGroup> kept;
  std::vector<dxf::KeptGroup> xdata;
};

// Declares the layout of a class: ODRX members plus its field table.
#define OD_DXF_CLASS(ClassName)                                         \
  ODRX_DECLARE_MEMBERS(ClassName);                                      \
                                                                        \
 public:                                                                \
  static const dxf::ClassLayout& layout();                              \
  const dxf::ClassLayout& dxfLayout() const override { return layout(); }
