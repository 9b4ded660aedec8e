#pragma once

#include "DbObject.h"
#include "DxfFields.h"
#include "OdHashIndex.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class OdDbSymbolTable;
class OdDbBlockTableRecord;
class OdDbDictionary;
class OdDbIdMapping;
class OdDbDatabase;
class OdGsModel;
using OdDbDatabasePtr = OdSmartPtr<OdDbDatabase>;

// A drawing: its objects by handle, its symbol tables, named objects and
// header variables.
class OdDbDatabase : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdDbDatabase);

 public:
  OdDbDatabase();
  ~OdDbDatabase() override;
  OdDbDatabase(const OdDbDatabase&) = delete;
  OdDbDatabase& operator=(const OdDbDatabase&) = delete;

  // A new database; with defaults it has the standard tables, layer "0",
  // the standard linetypes and style, model space and one paper space layout.
  static OdDbDatabasePtr create(bool withDefaults = true);
  // Makes whatever of the standard objects is missing (after reading a file
  // that lacks tables or blocks).
  void ensureStandardObjects();
  // The part of it that entities need: tables, standard records, model and paper space.
  void ensureStandardTablesAndBlocks();
  // Every block has its BLOCK and ENDBLK records.
  void ensureBlockBeginAndEnd(OdDbBlockTableRecord* block);

  // Adds an object with a fresh handle (or the given one, when free).
  OdDbObjectId addOdDbObject(OdDbObject* object, OdDbObjectId ownerId = OdDbObjectId(), OdDbHandle handle = 0);
  // The id of a handle; with create, an id for a handle not yet seen (for
  // references read before the object they name).
  OdDbObjectId getOdDbObjectId(OdDbHandle handle, bool create = false);
  // While a file is read, objects that come without a handle get theirs only
  // at the end, so that they cannot take a handle a later object brings.
  void deferNewHandles(bool defer);
  // Makes room for count more handles.
  void reserveHandles(size_t count) { m_byHandle.reserve(count); }
  // An id with a fresh handle that names no object yet: one is put under it later.
  OdDbObjectId newObjectId();
  // Puts an object under an id that has none yet.
  void attachObject(OdDbObjectId id, OdDbObject* object);
  // Puts another object under an id that names one, so that references to it
  // name the new one; the database lets go of the old one.
  void replaceObject(OdDbObjectId id, OdDbObject* object);
  // Lets go of the object under the id; the id stays and names nothing. For a
  // drawing about to go whose objects were copied elsewhere.
  void releaseObject(OdDbObjectId id);
  OdDbHandle handseed() const { return m_handseed; }
  void setHandseed(OdDbHandle seed) { if (seed.value() > m_handseed.value()) m_handseed = seed; }
  // Every id that names an object, in the order the objects were added.
  void forEachObject(const std::function<void(OdDbObjectId)>& visit) const;
  size_t objectCount() const;

  // Clones the objects of this database, with what they own, under owner
  // (of this database or another), as OdDbDeepCloner does (DbDeepClone.h);
  // fires beginDeepClone and endDeepClone.
  void deepCloneObjects(const OdDbObjectIdArray& ids, OdDbObjectId owner, OdDbIdMapping& mapping);

  enum class Table { Block, Layer, Linetype, TextStyle, View, Ucs, Viewport, DimStyle, RegApp, Count };
  static Table tableOf(dxf::SymbolTable t);
  // The class of the records of table t.
  static OdRxClass* recordClassOf(Table t);
  OdDbObjectId tableId(Table t) const { return m_tables[static_cast<int>(t)]; }
  void setTableId(Table t, OdDbObjectId id) { m_tables[static_cast<int>(t)] = id; }
  OdDbSymbolTable* table(Table t) const;
  OdDbObjectId getBlockTableId() const { return tableId(Table::Block); }
  OdDbObjectId getLayerTableId() const { return tableId(Table::Layer); }
  OdDbObjectId getLinetypeTableId() const { return tableId(Table::Linetype); }
  OdDbObjectId getTextStyleTableId() const { return tableId(Table::TextStyle); }
  OdDbObjectId getViewTableId() const { return tableId(Table::View); }
  OdDbObjectId getUCSTableId() const { return tableId(Table::Ucs); }
  OdDbObjectId getViewportTableId() const { return tableId(Table::Viewport); }
  OdDbObjectId getDimStyleTableId() const { return tableId(Table::DimStyle); }
  OdDbObjectId getRegAppTableId() const { return tableId(Table::RegApp); }
  OdDbSymbolTable* blockTable() const { return table(Table::Block); }
  OdDbSymbolTable* layerTable() const { return table(Table::Layer); }
  OdDbSymbolTable* linetypeTable() const { return table(Table::Linetype); }

  OdDbObjectId getModelSpaceId() const;
  OdDbObjectId getPaperSpaceId() const;
  OdDbObjectId getNamedObjectsDictionaryId() const { return m_namedObjects; }
  void setNamedObjectsDictionaryId(OdDbObjectId id) { m_namedObjects = id; }
  OdDbObjectId getLayoutDictionaryId() const;
  OdDbObjectId layerZeroId() const;
  OdDbObjectId linetypeByLayerId() const;
  OdDbObjectId linetypeByBlockId() const;
  OdDbObjectId linetypeContinuousId() const;
  OdDbObjectId textStyleStandardId() const;

  // Header variables in file order, each as its groups ("$INSBASE" → 10, 20, 30).
  struct HeaderVariable {
    std::string name;
    std::vector<dxf::KeptGroup> groups;
  };
  const std::vector<HeaderVariable>& headerVariables() const { return m_header; }
  const HeaderVariable* headerVariable(std::string_view name) const;
  void setHeaderVariable(std::string_view name, std::vector<dxf::KeptGroup> groups);
  void setHeaderString(std::string_view name, int code, const OdString& value);
  OdString headerString(std::string_view name) const;

  // The file the database was read from or last saved to.
  OdString getFilename() const { return m_fileName; }
  void setFilename(const OdString& path) { m_fileName = path; }
  void setDatabaseFileName(const OdString& path) { m_fileName = path; }
  // The file the database was read from as it was then (name, identity, size,
  // time; see odFileStamp), empty when not read from a file.
  const std::string& readFileStamp() const { return m_readFileStamp; }
  void setReadFileStamp(std::string stamp) { m_readFileStamp = std::move(stamp); }
  // Values the reader repaired (numbers followed by other text), and the first of them with its place.
  size_t readRepairs() const { return m_readRepairs; }
  const OdString& firstReadRepair() const { return m_firstReadRepair; }
  void setReadRepairs(size_t count, const OdString& first) {
    m_readRepairs = count;
    m_firstReadRepair = first;
  }
  // $ACADVER of the file read ("AC1009"); the database writes AC1032.
  OdString originalFileVersion() const { return m_originalVersion; }
  void setOriginalFileVersion(const OdString& v) { m_originalVersion = v; }
  // The code page the text of the file was read in ("ANSI_1252"), or UTF-8.
  OdString codePage() const { return m_codePage; }
  void setCodePage(const OdString& cp) { m_codePage = cp; }
  // Summary information: who saved the drawing last.
  OdString lastSavedBy() const { return headerString("$LASTSAVEDBY"); }
  void setLastSavedBy(const OdString& name) { setHeaderString("$LASTSAVEDBY", 1, name); }

  // What the CLASSES and THUMBNAILIMAGE sections held, kept for writing back.
  std::vector<std::vector<dxf::KeptGroup>>& dxfClasses() { return m_classes; }
  const std::vector<std::vector<dxf::KeptGroup>>& dxfClasses() const { return m_classes; }
  // Sections of a file this library does not read (ACDSDATA...), kept whole.
  struct OtherSection {
    std::string name;
    std::vector<dxf::KeptGroup> groups;
  };
  std::vector<OtherSection>& otherSections() { return m_otherSections; }
  const std::vector<OtherSection>& otherSections() const { return m_otherSections; }
  std::vector<dxf::KeptGroup>& thumbnail() { return m_thumbnail; }
  const std::vector<dxf::KeptGroup>& thumbnail() const { return m_thumbnail; }

  // The graphics of the drawing as hosts show them (what is highlighted); made on first use.
  OdGsModel* graphicsModel();

 private:
  OdDbStub* newStub(OdDbHandle handle);
  OdDbObjectId makeTable(Table t, const char* dxfName);
  OdDbObjectId ensureRecord(Table t, const OdString& name, OdRxClass* cls);
  OdDbObjectId ensureBlock(const OdString& name);
  void ensureLayouts();
  void linkLayoutsToBlocks();

  std::deque<OdDbStub> m_stubs;
  OdHashIndex<OdDbStub*, nullptr> m_byHandle;
  OdDbHandle m_handseed = 1;
  OdDbObjectId m_tables[static_cast<int>(Table::Count)];
  OdDbObjectId m_namedObjects;
  std::vector<HeaderVariable> m_header;
  std::vector<std::vector<dxf::KeptGroup>> m_classes;
  std::vector<dxf::KeptGroup> m_thumbnail;
  std::vector<OtherSection> m_otherSections;
  std::vector<OdDbStub*> m_pendingHandles;
  bool m_deferHandles = false;
  OdString m_fileName;
  std::string m_readFileStamp;
  size_t m_readRepairs = 0;
  OdString m_firstReadRepair;
  OdString m_originalVersion;
  OdString m_codePage = "ANSI_1252";
  OdSmartPtr<OdGsModel> m_graphicsModel;
};
