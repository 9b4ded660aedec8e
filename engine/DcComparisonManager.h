#pragma once

#include "CmColor.h"
#include "DbDatabase.h"
#include "DcBlockTableRecordComparison.h"
#include "DcComparisonModel.h"

namespace dwgcompare {

class DcComparisonManager;

// Observer of a manager's comparison runs.
class DcComparisonManagerReactor {
 public:
  virtual ~DcComparisonManagerReactor() = default;
  virtual void compareStarted(DcComparisonManager*) {}
  virtual void file1Bound() {}
  virtual void file2Bound() {}
  virtual void compareFinished(DcComparisonManager*) {}
  virtual void compareProgressed() {}
  virtual void compareAborted(DcComparisonManager*) {}
  virtual void comparisonAdded(DcBlockTableRecordComparison*) {}
  virtual void layoutComparisonFailed(DcBlockTableRecordComparison*) {}
  virtual void comparisonReleased(void*) {}
};

// Walks a manager's comparisons in the order they were added.
class DcEnumComparison : public OdRxObject {
 public:
  // The comparison at the cursor (no reference added), advancing; false at the end.
  virtual bool next(DcBlockTableRecordComparison*& comparison) = 0;
  virtual void reset() = 0;
};
using DcEnumComparisonPtr = OdSmartPtr<DcEnumComparison>;

// Runs the comparison of two drawings into a new result drawing and owns
// its outcome. One manager belongs to one result document.
class DcComparisonManager : public OdRxObject {
  ODRX_DECLARE_MEMBERS(DcComparisonManager);

 public:
  virtual void addReactor(DcComparisonManagerReactor* reactor) = 0;
  virtual void removeReactor(DcComparisonManagerReactor* reactor) = 0;
  // Hands the current document's comparison to the display.
  virtual void activate() = 0;
  virtual const FileInfo* file1Info() const = 0;
  virtual const FileInfo* file2Info() const = 0;
  // Answers 0, 293 when the user cancelled, 5 when a file could not be
  // attached, or the drawing library's error code.
  virtual OdResult compare(OdDbDatabase* file1, OdDbDatabase* file2) = 0;
  // The first comparison of the block table record, referenced, or null.
  virtual DcBlockTableRecordComparisonPtr findComparison(const OdDbObjectId& blockTableRecordId) const = 0;
  virtual DcEnumComparisonPtr enumComparisons() const = 0;
  virtual OdCmColor file1Color() const = 0;
  virtual OdCmColor file2Color() const = 0;
  virtual OdCmColor sharedColor() const = 0;
  // The changes of the result, in their numbers' order; empty before a comparison ended.
  virtual const Changes& changes() = 0;
  // The index of the change selected last, or -1.
  virtual int currentChange() const = 0;
  // Selects a change and zooms the result's view to it with a margin around
  // it; false, nothing changed, for an index out of range.
  virtual bool selectChange(int index) = 0;
};
using DcComparisonManagerPtr = OdSmartPtr<DcComparisonManager>;

// A manager rebuilt from a saved result drawing, or null when the database
// holds no comparison pair (or is null).
DcComparisonManagerPtr loadComparisonManager(OdDbDatabase* database);

}  // namespace dwgcompare
