#pragma once

#include "DbObjectId.h"
#include "DcComparisonModel.h"
#include "GeExtents3d.h"

#include <string>
#include <utility>
#include <vector>

class OdDbEntity;
class OdDbIdMapping;

namespace dwgcompare {

// One field that tells a File 1 object from its File 2 counterpart, as the
// fingerprint sees it (filtered and rounded).
struct FieldDifference {
  int code = 0;
  std::string name;
  std::string file1Value;  // empty when only File 2 has the field
  std::string file2Value;  // empty when only File 1 has it
  std::string file1Handle;  // the two objects compared, by their handles in their files
  std::string file2Handle;
};

// A top-level object of one file that the other file does not have.
struct ChangedObject {
  OdDbObjectId id;         // its clone in the result drawing
  std::string handle;      // in its own file; empty when no longer known (a reopened result)
  std::string className;
  OdGeExtents3d box;       // invalid when it draws nothing
};

enum class ChangeKind { Removed, Added, Changed };

// Objects only in File 1 and only in File 2 that lie near each other.
struct Change {
  int number = 0;  // from 1
  OdGeExtents3d box;
  std::vector<ChangedObject> file1;
  std::vector<ChangedObject> file2;
  std::vector<FieldDifference> explanation;

  ChangeKind kind() const {
    return file2.empty() ? ChangeKind::Removed : file1.empty() ? ChangeKind::Added : ChangeKind::Changed;
  }
};
using Changes = std::vector<Change>;

const char* changeKindName(ChangeKind kind);

// The box of what the entity draws; invalid when it draws nothing.
OdGeExtents3d drawnExtents(const OdDbEntity* entity);

// Groups the objects into changes: two objects whose boxes lie within the
// margin of each other belong to one change. Objects without a box are a
// change each. Changes are numbered in reading order, top to bottom.
Changes groupChanges(std::vector<ChangedObject> file1, std::vector<ChangedObject> file2, double margin);

// The fields that differ between File 1 and File 2 objects of one class,
// paired so that each pair differs in as few fields as can be.
std::vector<FieldDifference> explainChange(const Change& change);

// The handles a bind's clones had in their file, noted while that file is
// still open: the ids of the sources do not outlive the bind.
class SourceHandles {
 public:
  void record(OdDbIdMapping& mapping);
  // Empty for an object the bind did not make.
  std::string of(const OdDbObjectId& clone) const;

 private:
  std::vector<std::pair<const OdDbStub*, uint64_t>> m_handles;  // by clone
};

// What a comparison needs to find its changes: the two maps, the blocks the
// files were bound into in the result drawing and the handles of the clones.
struct ChangeSource {
  const ComparedObjectMap* file1Objects = nullptr;
  const ComparedObjectMap* file2Objects = nullptr;
  OdDbObjectId file1Block;
  OdDbObjectId file2Block;
  const SourceHandles* file1Handles = nullptr;
  const SourceHandles* file2Handles = nullptr;
};

// The changes of a comparison, each explained; the margin is a fraction of
// the larger side of the drawing's extents (drawingSize). Entries read back
// from a saved result have no objects: the blocks' entities are then
// fingerprinted again.
Changes findChanges(const ChangeSource& source, double drawingSize, double marginFraction);

// Whether the maps were read back from a saved result: their entries have no objects.
bool isRestored(const ChangeSource& source);
// The top-level objects of both blocks by group, each fingerprinted again,
// as a reopened result counts them.
GroupCounts restoredObjectCounts(const ChangeSource& source);

}  // namespace dwgcompare
