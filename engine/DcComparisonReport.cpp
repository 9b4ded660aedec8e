#include "DcComparisonReport.h"

#include "DbBlockReference.h"
#include "DbBlockTableRecord.h"
#include "DbDimension.h"
#include "DcSettings.h"
#include "HostObjectHashDxfGenerator.h"
#include "OdParallel.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <unordered_map>
#include <unordered_set>

namespace dwgcompare {
namespace {

constexpr int kBoxPrecision = 6;

size_t GroupCounts::*groupOf(bool inOther, bool isFile1) {
  return inOther ? &GroupCounts::shared : isFile1 ? &GroupCounts::file1Only : &GroupCounts::file2Only;
}

// Whether each entry of `own`, in its order, has its value in `other`: one
// walk over both sorted maps instead of a search per entry.
std::vector<bool> foundInOther(const ComparedObjectMap& own, const ComparedObjectMap& other) {
  std::vector<bool> found;
  found.reserve(own.size());
  auto theirs = other.begin();
  for (const auto& [value, object] : own) {
    while (theirs != other.end() && theirs->first < value) ++theirs;
    found.push_back(theirs != other.end() && theirs->first == value);
  }
  return found;
}

// The object of a bound file's model space an entity belongs to: itself,
// the INSERT of an attribute, the polyline of a vertex, the dimension of an
// entity of its block; null for entities of other blocks.
class TopLevelObjects {
 public:
  explicit TopLevelObjects(OdDbObjectId resultSpace) {
    OdDbBlockTableRecordPtr space = OdDbBlockTableRecord::cast(resultSpace.openObject().get());
    if (space.isNull()) return;
    for (OdDbObjectId id : space->entityIds())
      if (OdDbBlockReferencePtr file = OdDbBlockReference::cast(id.openObject().get()); !file.isNull())
        addFileBlock(file->blockTableRecord());
  }

  OdDbObjectId of(OdDbObjectId id, OdDbObjectPtr object) const {
    for (int depth = 0; depth < kMaxDepth && !object.isNull(); ++depth) {
      OdDbObjectId owner = object->ownerId();
      if (m_fileBlocks.contains(owner)) return id;
      auto dimension = m_dimensionOfBlock.find(owner);
      if (dimension != m_dimensionOfBlock.end()) {
        id = dimension->second;
        object = id.openObject();
        continue;
      }
      object = owner.openObject();
      if (object.isNull() || !object->isKindOf(OdDbEntity::desc())) break;
      id = owner;
    }
    return OdDbObjectId();
  }

 private:
  static constexpr int kMaxDepth = 8;  // dimension, its block's INSERT, its attribute, and no cycle

  void addFileBlock(OdDbObjectId blockId) {
    OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(blockId.openObject().get());
    if (block.isNull()) return;
    m_fileBlocks.insert(blockId);
    for (OdDbObjectId id : block->entityIds())
      if (OdDbDimensionPtr dimension = OdDbDimension::cast(id.openObject().get()); !dimension.isNull())
        m_dimensionOfBlock[dimension->dimBlockId()] = id;
  }

  std::unordered_set<OdDbObjectId> m_fileBlocks;
  std::unordered_map<OdDbObjectId, OdDbObjectId> m_dimensionOfBlock;
};

using SharedFlags = std::vector<std::pair<OdDbObjectId, bool>>;

// In the order objects were made, and for each, its unshared entries first.
void sortByObject(SharedFlags& flags) {
  std::sort(flags.begin(), flags.end(), [](const auto& a, const auto& b) {
    return a.first.stub() != b.first.stub() ? a.first.stub() < b.first.stub() : a.second < b.second;
  });
}

void addCounts(GroupCounts& to, const GroupCounts& from) {
  to.file1Only += from.file1Only;
  to.file2Only += from.file2Only;
  to.shared += from.shared;
}

// Each top-level object once, with its entries' flags: shared when all its entries are.
void countTopLevelObjects(SharedFlags& tops, bool isFile1, ComparisonReport& report) {
  sortByObject(tops);
  for (size_t i = 0; i < tops.size();) {
    auto [top, shared] = tops[i];
    while (i < tops.size() && tops[i].first == top) ++i;
    if (!shared || isFile1) ++(report.counts.*groupOf(shared, isFile1));
  }
}

// One file's entries counted in one pass, each object opened once: per entity
// (shared entries once, from File 1) and by class, and per top-level object,
// which is shared when all its entries are found in the other file.
void countFile(const ComparedObjectMap& own, const ComparedObjectMap& other, bool isFile1,
               const TopLevelObjects& topLevel, ComparisonReport& report) {
  std::vector<bool> inOther = foundInOther(own, other);
  SharedFlags bound;
  bound.reserve(own.size());
  std::unordered_map<const OdRxClass*, GroupCounts> byClass;
  size_t index = 0;
  for (const auto& [value, object] : own) {
    bool shared = inOther[index++];
    if (!object.idPair.value().isNull()) {
      bound.emplace_back(object.idPair.value(), shared);
    } else if (!shared || isFile1) {  // read back from a saved result: no object to ask or place
      ++(report.entityCounts.*groupOf(shared, isFile1));
      ++(byClass[nullptr].*groupOf(shared, isFile1));
      ++(report.counts.*groupOf(shared, isFile1));
    }
  }
  // In the order objects were made rather than by fingerprint: far fewer cache misses.
  sortByObject(bound);
  // Each entry gives way to its top-level object, in place: a million entries take room once.
  size_t tops = 0;
  for (size_t i = 0; i < bound.size(); ++i) {
    if (i + kOdPrefetchAhead < bound.size()) bound[i + kOdPrefetchAhead].first.prefetchObject();
    auto [id, shared] = bound[i];
    OdDbObjectPtr object = id.openObject();
    if (!shared || isFile1) {
      ++(report.entityCounts.*groupOf(shared, isFile1));
      ++(byClass[object.isNull() ? nullptr : object->isA()].*groupOf(shared, isFile1));
    }
    if (OdDbObjectId top = topLevel.of(id, object); !top.isNull()) bound[tops++] = {top, shared};
  }
  bound.resize(tops);
  countTopLevelObjects(bound, isFile1, report);
  for (const auto& [cls, counts] : byClass) addCounts(report.byClass[cls ? cls->name().utf8() : std::string("(saved)")], counts);
}

// The counts of File 2's part of the report added to File 1's.
void addFileCounts(ComparisonReport& report, const ComparisonReport& part) {
  addCounts(report.counts, part.counts);
  addCounts(report.entityCounts, part.entityCounts);
  for (const auto& [name, counts] : part.byClass) addCounts(report.byClass[name], counts);
}

std::string jsonString(const OdString& text) {
  std::string out = "\"";
  for (unsigned char c : text.utf8()) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += char(c);
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += char(c);
    }
  }
  return out + "\"";
}

std::string jsonCounts(const GroupCounts& counts) {
  return "{\"file1Only\": " + std::to_string(counts.file1Only) + ", \"file2Only\": " +
         std::to_string(counts.file2Only) + ", \"shared\": " + std::to_string(counts.shared) + "}";
}

std::string jsonFailures(const std::vector<LayoutFailure>& failures) {
  std::string json = "[";
  const char* separator = "";
  for (const LayoutFailure& failure : failures) {
    json += separator + ("{\"layout\": " + jsonString(failure.layout) + ", \"reason\": " + jsonString(failure.reason) + "}");
    separator = ", ";
  }
  return json + "]";
}

// Boxes come from tessellated curves: six decimals are all they tell ("12.5", "3.0").
std::string number(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", kBoxPrecision, hostObjectCompare::roundToPrecision(value, kBoxPrecision));
  std::string digits = text;
  digits.erase(digits.find_last_not_of('0') + 1);
  if (digits.back() == '.') digits += '0';
  return digits == "-0.0" ? "0.0" : digits;
}

std::string jsonBox(const OdGeExtents3d& box) {
  if (!box.isValidExtents()) return "null";
  return "[" + number(box.minPoint().x) + ", " + number(box.minPoint().y) + ", " + number(box.maxPoint().x) + ", " +
         number(box.maxPoint().y) + "]";
}

std::string jsonObjects(const std::vector<ChangedObject>& objects) {
  std::string json = "[";
  for (const ChangedObject& object : objects)
    json += (json.size() > 1 ? ", " : "") + std::string("{\"handle\": ") + jsonString(OdString(object.handle)) +
            ", \"class\": " + jsonString(OdString(object.className)) + ", \"box\": " + jsonBox(object.box) + "}";
  return json + "]";
}

std::string jsonExplanation(const std::vector<FieldDifference>& fields) {
  std::string json = "[";
  for (const FieldDifference& field : fields)
    json += (json.size() > 1 ? ", " : "") + std::string("{\"code\": ") + std::to_string(field.code) +
            ", \"name\": " + jsonString(OdString(field.name)) + ", \"file1Handle\": " +
            jsonString(OdString(field.file1Handle)) + ", \"file2Handle\": " + jsonString(OdString(field.file2Handle)) +
            ", \"file1\": " +
            jsonString(OdString(field.file1Value)) + ", \"file2\": " + jsonString(OdString(field.file2Value)) + "}";
  return json + "]";
}

std::string jsonChange(const Change& change) {
  return "{\"number\": " + std::to_string(change.number) + ", \"kind\": \"" + changeKindName(change.kind()) +
         "\", \"box\": " + jsonBox(change.box) + ", \"file1\": " + jsonObjects(change.file1) +
         ", \"file2\": " + jsonObjects(change.file2) + ", \"explanation\": " + jsonExplanation(change.explanation) +
         "}";
}

// "2 AcDbLine, 1 AcDbText"
std::string classCounts(const std::vector<ChangedObject>& objects) {
  std::map<std::string, int> counts;
  for (const ChangedObject& object : objects) ++counts[object.className];
  std::string text;
  for (const auto& [name, count] : counts) text += (text.empty() ? "" : ", ") + std::to_string(count) + " " + name;
  return text.empty() ? "none" : text;
}

std::string boxText(const OdGeExtents3d& box) {
  if (!box.isValidExtents()) return "nowhere drawn";
  return "(" + number(box.minPoint().x) + ", " + number(box.minPoint().y) + ")-(" + number(box.maxPoint().x) +
         ", " + number(box.maxPoint().y) + ")";
}

std::string explanationText(const std::vector<FieldDifference>& fields) {
  std::string text;
  for (const FieldDifference& field : fields)
    text += "; " + std::to_string(field.code) + " " + field.name + ": " +
            (field.file1Value.empty() ? "-" : field.file1Value) + " -> " +
            (field.file2Value.empty() ? "-" : field.file2Value);
  return text;
}

std::string jsonFile(const FileInfo& info) {
  return "{\"path\": " + jsonString(info.path) + ", \"fileName\": " + jsonString(info.fileName) +
         ", \"savedBy\": " + jsonString(info.savedBy) + ", \"dateSaved\": " + jsonString(info.dateSaved) + "}";
}
}  // namespace

ComparisonReport makeComparisonReport(const DcComparisonManager& manager, DcBlockTableRecordComparisonImpl& comparison) {
  ComparisonReport report;
  if (const FileInfo* info = manager.file1Info()) report.file1 = *info;
  if (const FileInfo* info = manager.file2Info()) report.file2 = *info;
  TopLevelObjects topLevel(comparison.blockTableRecordId());
  const ComparedObjectMap& file1 = comparison.file1Objects();
  const ComparedObjectMap& file2 = comparison.file2Objects();
  // The two files are counted on two cores, each into a report of its own; they only read.
  file1.prepareForReaders();
  file2.prepareForReaders();
  ComparisonReport file2Part;
  odRunInParallel(2, [&](size_t part) {
    if (part == 0) countFile(file1, file2, true, topLevel, report);
    else countFile(file2, file1, false, topLevel, file2Part);
  });
  addFileCounts(report, file2Part);
  for (const auto& [name, unused] : comparison.unsupportedObjects()) report.unsupported.push_back(name.utf8());
  if (comparison.failureCode() != 0)
    report.failures.push_back({comparison.name(), failureReasonOf(comparison.failureCode())});
  report.changes = comparison.changes();
  return report;
}

GroupCounts paintedCounts(const DcBlockTableRecordComparisonImpl& comparison) {
  const ComparedObjectMap& file1 = comparison.file1Objects();
  const ComparedObjectMap& file2 = comparison.file2Objects();
  GroupCounts counts;
  for (bool inFile2 : foundInOther(file1, file2)) ++(inFile2 ? counts.shared : counts.file1Only);
  for (bool inFile1 : foundInOther(file2, file1)) counts.file2Only += inFile1 ? 0 : 1;
  return counts;
}

std::string comparisonReportJson(const ComparisonReport& report) {
  std::string json = "{\n  \"file1\": " + jsonFile(report.file1) + ",\n  \"file2\": " + jsonFile(report.file2) +
                     ",\n  \"counts\": " + jsonCounts(report.counts) +
                     ",\n  \"entityCounts\": " + jsonCounts(report.entityCounts) + ",\n  \"byClass\": {";
  const char* separator = "\n    ";
  for (const auto& [name, counts] : report.byClass) {
    json += separator + jsonString(OdString(name)) + ": " + jsonCounts(counts);
    separator = ",\n    ";
  }
  json += report.byClass.empty() ? "},\n  \"unsupported\": [" : "\n  },\n  \"unsupported\": [";
  separator = "";
  for (const std::string& name : report.unsupported) {
    json += separator + jsonString(OdString(name));
    separator = ", ";
  }
  json += "],\n  \"failures\": " + jsonFailures(report.failures) + ",\n  \"changes\": [";
  separator = "\n    ";
  for (const Change& change : report.changes) {
    json += separator + jsonChange(change);
    separator = ",\n    ";
  }
  return json + (report.changes.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

OdString failureReasonOf(int code) {
  DcSettings* settings = getDcSettings();
  return settings ? settings->failureReasonText(code) : OdString("Unknown failure");
}

std::vector<OdString> failureReportLines(const std::vector<LayoutFailure>& failures) {
  if (failures.empty()) return {};
  std::vector<OdString> lines = {"Comparison Failure Report"};
  for (const LayoutFailure& failure : failures) lines.push_back(failure.layout + ": " + failure.reason);
  return lines;
}

std::vector<OdString> comparisonReportSummary(const ComparisonReport& report) {
  std::vector<OdString> lines = {
      "File 1: " + report.file1.path,
      "File 2: " + report.file2.path,
      OdString("Only in File 1: " + std::to_string(report.counts.file1Only) + ", only in File 2: " +
               std::to_string(report.counts.file2Only) + ", in both: " + std::to_string(report.counts.shared)),
  };
  lines.push_back(OdString("Changes: " + std::to_string(report.changes.size())));
  if (!report.unsupported.empty()) {
    OdString classes;
    for (const std::string& name : report.unsupported) classes += (classes.isEmpty() ? "" : ", ") + OdString(name);
    lines.push_back("Left out as unsupported: " + classes);
  }
  for (const OdString& line : failureReportLines(report.failures)) lines.push_back(line);
  return lines;
}

std::vector<OdString> changeLines(const Changes& changes) {
  std::vector<OdString> lines;
  for (const Change& change : changes)
    lines.push_back(OdString("Change " + std::to_string(change.number) + " (" + changeKindName(change.kind()) +
                             ") at " + boxText(change.box) + ": File 1 " + classCounts(change.file1) + "; File 2 " +
                             classCounts(change.file2) + explanationText(change.explanation)));
  return lines;
}

}  // namespace dwgcompare
