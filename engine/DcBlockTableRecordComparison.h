#pragma once

#include "CmColor.h"
#include "DbIdMapping.h"
#include "DbObjectId.h"
#include "DcChanges.h"
#include "DcComparisonModel.h"
#include "ResBuf.h"

#include <map>
#include <vector>

namespace dwgcompare {

class DcBlockTableRecordComparison;

// Observer of one comparison's run over the bound objects.
class DcBlockTableRecordComparisonReactor {
 public:
  virtual ~DcBlockTableRecordComparisonReactor() = default;
  virtual void onComparisonStarted(DcBlockTableRecordComparison*) {}
  virtual void onComparisonEnded(DcBlockTableRecordComparison*) {}
  // Instead of onComparisonEnded, when a file's id mapping is missing.
  virtual void onComparisonAborted(DcBlockTableRecordComparison*) {}
  // Asked right after onComparisonEnded; true drops the reactor.
  virtual bool isFinished(DcBlockTableRecordComparison*) { return false; }
};

// What the editor reactor passes on: the end of each deep clone, and the
// end of the zoom-all after which the objects are compared.
class DcEditorReactorResponder {
 public:
  virtual ~DcEditorReactorResponder() = default;
  virtual void onDeepCloneEnded(OdDbIdMapping&) {}
  virtual void onZoomAllEnded() {}
};

// The comparison of what File 1 and File 2 brought into one block table
// record of the result drawing.
class DcBlockTableRecordComparison : public OdRxObject {
  ODRX_DECLARE_MEMBERS(DcBlockTableRecordComparison);

 public:
  using UnsupportedClasses = std::map<OdString, OdString>;

  virtual void addReactor(DcBlockTableRecordComparisonReactor* reactor) = 0;
  virtual void removeReactor(DcBlockTableRecordComparisonReactor* reactor) = 0;
  // The layout's name, the block's name when the record has no layout, or
  // empty when the record does not open.
  virtual OdString name() const = 0;
  virtual OdDbObjectId layoutId() const = 0;
  virtual OdDbObjectId blockTableRecordId() const = 0;
  virtual int failureCode() const = 0;
  // Class names of the objects left out as unsupported.
  virtual const UnsupportedClasses& unsupportedObjects() const = 0;
};
using DcBlockTableRecordComparisonPtr = OdSmartPtr<DcBlockTableRecordComparison>;

class DcBlockTableRecordComparisonImpl : public DcBlockTableRecordComparison, public DcEditorReactorResponder {
 public:
  DcBlockTableRecordComparisonImpl();

  void addReactor(DcBlockTableRecordComparisonReactor* reactor) override;
  void removeReactor(DcBlockTableRecordComparisonReactor* reactor) override;
  OdString name() const override;
  OdDbObjectId layoutId() const override;
  OdDbObjectId blockTableRecordId() const override { return m_blockTableRecordId; }
  int failureCode() const override { return m_failureCode; }
  const UnsupportedClasses& unsupportedObjects() const override { return m_unsupportedClasses; }

  void onDeepCloneEnded(OdDbIdMapping& mapping) override;
  void onZoomAllEnded() override { compareObjects(); }

  void setBlockTableRecordId(const OdDbObjectId& id) { m_blockTableRecordId = id; }
  void setFailureCode(int code) { m_failureCode = code; }
  // Keeps the run's editor reactor alive as long as the comparison it reports to.
  void keepEditorReactor(OdRxObject* reactor) { m_editorReactor = reactor; }
  void expectFile1Mapping();
  void expectFile2Mapping();
  // Fingerprints every clone of both mappings into the two maps.
  void compareObjects();

  // The blocks File 1 and File 2 were bound into: their entities are the objects changes are made of.
  void setFileBlocks(const OdDbObjectId& file1Block, const OdDbObjectId& file2Block);
  // Found once the objects are compared, or when first asked for on a reopened result.
  const Changes& changes();

  const ComparedObjectMap& file1Objects() const { return m_file1Objects; }
  const ComparedObjectMap& file2Objects() const { return m_file2Objects; }
  OdDbIdMapping* file1Mapping() const { return m_file1Mapping.get(); }
  OdDbIdMapping* file2Mapping() const { return m_file2Mapping.get(); }

  // The maps as saved in a result drawing: hash values in binary chunks.
  void readFile1Objects(const OdResBuf* chunks) { readObjects(chunks, m_file1Objects); }
  void readFile2Objects(const OdResBuf* chunks) { readObjects(chunks, m_file2Objects); }
  void writeFile1Objects(OdResBuf* last) const { writeObjects(m_file1Objects, last); }
  void writeFile2Objects(OdResBuf* last) const { writeObjects(m_file2Objects, last); }

 private:
  template <class Notify>
  void notifyReactors(Notify notify);
  void endComparison();
  void findTheChanges(double drawingSize);
  void drawRevisionClouds(double drawingSize);
  void fingerprintClones(OdDbIdMapping& mapping, ComparedObjectMap& target);
  void prepareForFingerprint(OdDbObject* object) const;
  // Notes the object's class when its exclusion flags ask for the class to be reported.
  void noteUnsupported(const OdDbObject* object, uint32_t exclusion);
  static void readObjects(const OdResBuf* chunks, ComparedObjectMap& target);
  static void writeObjects(const ComparedObjectMap& source, OdResBuf* last);

  OdDbObjectId m_blockTableRecordId;
  OdDbIdMappingPtr m_file1Mapping;
  OdDbIdMappingPtr m_file2Mapping;
  int m_failureCode = 0;
  UnsupportedClasses m_unsupportedClasses;
  std::vector<DcBlockTableRecordComparisonReactor*> m_reactors;
  OdCmColor m_dimensionTextBackground;
  bool m_captureFile1 = false;
  bool m_captureFile2 = false;
  bool m_file2Captured = false;
  ComparedObjectMap m_file1Objects;
  ComparedObjectMap m_file2Objects;
  OdDbObjectId m_file1Block;
  OdDbObjectId m_file2Block;
  SourceHandles m_file1Handles;
  SourceHandles m_file2Handles;
  Changes m_changes;
  bool m_changesFound = false;
  OdRxObjectPtr m_editorReactor;
};

// Clips a block reference to the one-point boundary at the origin, through
// the host, as the comparison and the display both do before hashing it.
void normaliseSpatialFilter(OdDbObject* blockReference);

// The comparison's implementation behind the interface it was made as.
inline DcBlockTableRecordComparisonImpl* comparisonImpl(DcBlockTableRecordComparison* comparison) {
  return static_cast<DcBlockTableRecordComparisonImpl*>(comparison);
}

}  // namespace dwgcompare
