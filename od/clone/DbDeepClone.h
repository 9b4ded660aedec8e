#pragma once

#include "DbDatabase.h"
#include "DbIdMapping.h"
#include "DxfTypedRecorder.h"

#include <deque>
#include <map>
#include <unordered_map>

class OdDbSymbolTableRecord;
class OdDbBlockTableRecord;

// Copies objects, with everything they own, into a database: the one they are
// in or another. Cloning an object makes a new object of its run-time class
// and finds what the object owns and points to (dxf::writeReferences); once
// every object is cloned, each clone gets the fields of its source through
// their field table (dxf::copyObject, DxfObjectCopy.h), as writing the
// source's groups and reading them back would give them, and every reference
// is translated once, through the mapping:
//  - what the object owns (owner codes 350-369, its extension dictionary, its
//    sub-entities, a block's entities) is cloned with it, owned by the clone;
//  - a symbol table record resolves to the record standing for it in the
//    destination, which placeSymbol picks after the mapping's duplicate
//    record cloning (the destination's own record, a clone, a clone replacing
//    a record, a clone under a mangled name); layer "0", linetypes ByLayer,
//    ByBlock and Continuous and the layout blocks are always the destination's
//    own; within one database a record stands for itself;
//  - between two databases, an object of the named objects dictionary that
//    is referenced by a hard pointer (codes 340-349, 390-399, 480-481: image
//    definitions, materials, multileader and table styles) is cloned into the
//    destination's dictionary of the same path, unless that holds an entry of
//    the same name with the same fields, which is then used; a clone whose
//    name is taken gets name_1, name_2...;
//  - anything else resolves to its clone when it was cloned; otherwise it
//    stays as it is within one database and becomes null between two, since a
//    reference into another database could not be written.
// Every clone is in the mapping once, with isCloned set; the objects asked for
// have isPrimary, and isOwnerXlated is set when the clone has its owner.
//
// cloneObjects and cloneSymbol may be called several times; finish copies the
// fields of every clone and fires endDeepClone once.
class OdDbDeepCloner {
 public:
  // The mapping's origDb and destDb are set from the first objects cloned.
  explicit OdDbDeepCloner(OdDbIdMapping& mapping);
  virtual ~OdDbDeepCloner();
  OdDbDeepCloner(const OdDbDeepCloner&) = delete;
  OdDbDeepCloner& operator=(const OdDbDeepCloner&) = delete;

  // Clones the objects (all of one database) under owner: entities are
  // appended to an owner block, objects put in an owner dictionary under
  // their source name. Symbol table records go through cloneSymbol.
  void cloneObjects(const OdDbObjectIdArray& ids, OdDbObjectId owner);
  // The record standing for a symbol table record of the source in the destination.
  OdDbObjectId cloneSymbol(OdDbObjectId source, bool primary = false);
  // Copies the fields of every clone made so far, translating their references.
  void finish();
  // beginDeepClone and endDeepClone reach odrxEvent()'s reactors unless turned off.
  void setFiresEvents(bool fire) { m_firesEvents = fire; }
  // For a source drawing that goes after the clone, so that the drawing and
  // its copy are never both whole in memory: its entities move into the
  // destination, their references translated where they are, unless their
  // sub-entities, reactors or hand-written groups reference objects; those
  // are copied, and each let go of once its copy is filled. Ids stay, so the
  // mapping keeps their handles.
  void setSourceGoes(bool goes) { m_sourceGoes = goes; }
  OdDbIdMapping& mapping() const { return m_mapping; }

 protected:
  using Table = OdDbDatabase::Table;
  struct SymbolPlacement {
    enum Action { kUseExisting, kClone, kCloneOver };
    Action action = kClone;
    OdDbObjectId existing;  // kUseExisting: the record to use; kCloneOver: the record the clone takes the place of
    OdString name;          // the clone's name
  };
  static SymbolPlacement useExisting(OdDbObjectId id) { return {SymbolPlacement::kUseExisting, id, OdString()}; }
  static SymbolPlacement cloneAs(const OdString& name) { return {SymbolPlacement::kClone, OdDbObjectId(), name}; }
  static SymbolPlacement cloneOver(OdDbObjectId id, const OdString& name) {
    return {SymbolPlacement::kCloneOver, id, name};
  }

  // Where a record of the source comes into the destination table t.
  virtual SymbolPlacement placeSymbol(const OdDbSymbolTableRecord* source, Table t);
  // Called for each clone once its fields are read and it has its owner.
  virtual void adjustClone(const OdDbObject* /*source*/, OdDbObject* /*clone*/) {}
  // Blocks are cloned with their entities; without, they come empty.
  virtual bool clonesBlockContents() const { return true; }

  // Layer "0", the linetypes ByLayer, ByBlock and Continuous, and layout blocks.
  static bool isStandardName(Table t, const OdString& name);
  // The destination's record of that name in table t, or null.
  OdDbObjectId destinationRecord(Table t, const OdString& name) const;
  // prefix$N$name with the first N from 0 that no record of table t has.
  OdString mangledName(Table t, const OdString& prefix, const OdString& name) const;
  // A free name for an anonymous block ("*U12" gives "*U" and the first free number).
  OdString anonymousName(const OdString& name);
  // The placement after the mapping's duplicate record cloning.
  SymbolPlacement placeByDuplicateRecordCloning(const OdDbSymbolTableRecord* source, Table t);

 private:
  class Context;
  struct Work {
    OdDbObjectId source;
    OdDbObjectId clone;
    OdDbObjectId owner;  // the clone's owner; null: the translation of the source's owner
    bool isSymbol = false;
    bool primary = false;
    bool moves = false;  // the source itself becomes the clone
  };

  void begin(OdDbDatabase* orig, OdDbDatabase* dest);
  OdDbObjectId cloneObject(OdDbObjectId source, OdDbObjectId owner, bool primary);
  bool isMadeWhenFilled(const OdDbObject* source) const;
  void makeClone(OdDbObjectId clone, OdDbObjectId source);
  OdDbObjectId makeSymbolClone(const OdDbObjectPtr& source, Table t, const SymbolPlacement& place);
  void enqueue(const OdDbObjectPtr& source, OdDbObjectId clone, Work work);
  void appendOwnedIds(const OdDbObject* source, std::vector<OdDbObjectId>& ids) const;
  void cloneNamedObject(OdDbObjectId source);
  bool dictionaryPath(const OdDbObject* obj, std::vector<OdString>& path) const;
  OdDbObjectId destinationDictionary(const std::vector<OdString>& path) const;
  void fill(Work& work);
  void move(const Work& work);
  void placeClone(const Work& work, const OdDbObject* source, OdDbObject* clone);
  void placeSymbolClone(const Work& work, const OdDbObject* source, OdDbObject* clone);
  void placeBlockContents(const OdDbBlockTableRecord* source, OdDbBlockTableRecord* clone);
  void placeSubentities(const OdDbObject* source, OdDbObject* clone);
  void attachToOwner(const Work& work, const OdDbObject* source, OdDbObject* clone);

  OdDbObjectId translate(OdDbObjectId source);
  OdDbObjectId translateSymbolName(dxf::SymbolTable table, const OdString& name);
  OdDbObjectId translateSymbol(dxf::SymbolTable table, OdDbObjectId source, const char* namelessName);
  OdDbObjectId mapped(OdDbObjectId source) const;
  bool tableOfRecord(const OdDbObject* record, Table& t) const;

  OdDbIdMapping& m_mapping;
  OdDbDatabase* m_orig = nullptr;
  OdDbDatabase* m_dest = nullptr;
  std::deque<Work> m_work;  // one per object: kept small
  std::unordered_map<OdDbStub*, OdString> m_symbolNames;  // the names of symbol table records' clones
  size_t m_filled = 0;
  bool m_begun = false;
  bool m_firesEvents = true;
  bool m_sourceGoes = false;
  std::map<OdString, int> m_anonymousNext;
  OdStaticRxObject<OdDbDxfTypedRecorder> m_references;  // what the object being queued references
  OdStaticRxObject<OdDbDxfTypedRecorder> m_scratch;     // for dxf::copyObject and dxf::translateInPlace
  // By table, records of the source with the record that stands for them, once settled.
  std::unordered_map<const OdDbStub*, OdDbObjectId> m_symbols[static_cast<int>(dxf::SymbolTable::RegApp) + 1];
};
