#include "DcChanges.h"

#include "DbBlockReference.h"
#include "DbBlockTableRecord.h"
#include "DbDimension.h"
#include "DbIdMapping.h"
#include "DcBlockTableRecordComparison.h"
#include "DcComparisonModel.h"
#include "FingerprintReport.h"
#include "GiExtents.h"
#include "GiWorldDrawImpl.h"
#include "HostObjectHashGenerator.h"
#include "OdParallel.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numeric>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

namespace dwgcompare {
namespace {

// Owners above an entity before its file's block: an attribute's INSERT, a vertex's polyline.
constexpr int kMaxOwnerDepth = 8;
// A box covering more grid cells than this is checked against every other box instead.
constexpr int64_t kMaxCellsPerBox = 64;
// Objects of one class are paired for an explanation up to this many on each side (pairing is quadratic).
constexpr size_t kMaxPairedPerClass = 16;

std::string classNameOf(const OdDbObject* object) { return object->isA()->name().utf8(); }

// Joins sets of indices; each set ends up under one root.
class DisjointSets {
 public:
  explicit DisjointSets(size_t size) : m_parent(size) { std::iota(m_parent.begin(), m_parent.end(), size_t(0)); }
  size_t root(size_t i) {
    while (m_parent[i] != i) i = m_parent[i] = m_parent[m_parent[i]];
    return i;
  }
  void join(size_t a, size_t b) { m_parent[root(a)] = root(b); }

 private:
  std::vector<size_t> m_parent;
};

struct GridBox {
  double minX, minY, maxX, maxY;
  bool overlaps(const GridBox& o) const { return minX <= o.maxX && o.minX <= maxX && minY <= o.maxY && o.minY <= maxY; }
};

// Joins every two boxes that overlap, looking only at boxes sharing a cell
// of a grid about as fine as the boxes are large.
void joinOverlapping(const std::vector<GridBox>& boxes, DisjointSets& sets) {
  if (boxes.empty()) return;
  std::vector<double> sizes;
  sizes.reserve(boxes.size());
  for (const GridBox& b : boxes) sizes.push_back(std::max(b.maxX - b.minX, b.maxY - b.minY));
  std::nth_element(sizes.begin(), sizes.begin() + sizes.size() / 2, sizes.end());
  double cell = std::max(sizes[sizes.size() / 2], 1e-9);
  std::unordered_map<uint64_t, std::vector<size_t>> cells;
  std::vector<size_t> large;
  auto cellOf = [cell](double v) { return static_cast<int64_t>(std::floor(v / cell)); };
  for (size_t i = 0; i < boxes.size(); ++i) {
    const GridBox& b = boxes[i];
    int64_t x0 = cellOf(b.minX), x1 = cellOf(b.maxX), y0 = cellOf(b.minY), y1 = cellOf(b.maxY);
    if ((x1 - x0 + 1) * (y1 - y0 + 1) > kMaxCellsPerBox) {
      large.push_back(i);
      continue;
    }
    for (int64_t x = x0; x <= x1; ++x)
      for (int64_t y = y0; y <= y1; ++y) cells[uint64_t(x) * 0x9E3779B97F4A7C15ull ^ uint64_t(y)].push_back(i);
  }
  for (const auto& [key, members] : cells)
    for (size_t a = 0; a < members.size(); ++a)
      for (size_t b = a + 1; b < members.size(); ++b)
        if (sets.root(members[a]) != sets.root(members[b]) && boxes[members[a]].overlaps(boxes[members[b]]))
          sets.join(members[a], members[b]);
  for (size_t i : large)
    for (size_t j = 0; j < boxes.size(); ++j)
      if (i != j && sets.root(i) != sets.root(j) && boxes[i].overlaps(boxes[j])) sets.join(i, j);
}

// Reading order: the higher change first, then the one further left.
bool readsBefore(const Change& a, const Change& b) {
  bool aBox = a.box.isValidExtents(), bBox = b.box.isValidExtents();
  if (aBox != bBox) return aBox;
  if (!aBox) return false;
  if (a.box.maxPoint().y != b.box.maxPoint().y) return a.box.maxPoint().y > b.box.maxPoint().y;
  return a.box.minPoint().x < b.box.minPoint().x;
}

// Objects of a change by class, then by place: the same order however they were found.
bool listsBefore(const ChangedObject& a, const ChangedObject& b) {
  auto key = [](const ChangedObject& o) {
    return std::tuple(o.className, o.box.minPoint().x, o.box.minPoint().y, o.box.maxPoint().x, o.box.maxPoint().y);
  };
  return key(a) < key(b);
}

// Names of the group codes an explanation shows, as the DXF reference calls them for most entities.
const char* fieldName(int code) {
  static const std::map<int, const char*> kNames = {
      {1, "text"},           {2, "name"},           {3, "text"},           {6, "linetype"},
      {7, "text style"},     {8, "layer"},          {10, "point"},         {11, "second point"},
      {12, "third point"},   {13, "fourth point"},  {38, "elevation"},     {39, "thickness"},
      {40, "size"},          {41, "second size"},   {42, "bulge or scale"}, {43, "width"},
      {48, "linetype scale"}, {50, "angle"},        {51, "end angle"},     {62, "color"},
      {70, "flags"},         {90, "count"},         {210, "normal"},       {370, "lineweight"},
      {420, "true color"},   {430, "color name"},   {440, "transparency"},
  };
  auto found = kNames.find(code);
  return found == kNames.end() ? "value" : found->second;
}

using FingerprintValues = std::vector<hostObjectCompare::FingerprintValue>;

// The n-th value of each group code of one object against the n-th of the other.
std::vector<FieldDifference> differingFields(const FingerprintValues& file1, const FingerprintValues& file2) {
  using Key = std::pair<int, int>;  // group code, occurrence
  std::map<Key, std::pair<std::string, std::string>> fields;
  std::map<int, int> seen;
  for (const auto& value : file1) fields[{value.code, seen[value.code]++}].first = value.text;
  seen.clear();
  for (const auto& value : file2) fields[{value.code, seen[value.code]++}].second = value.text;
  std::vector<FieldDifference> differences;
  for (const auto& [key, values] : fields)
    if (values.first != values.second)
      differences.push_back({key.first, fieldName(key.first), values.first, values.second, {}, {}});
  return differences;
}

FingerprintValues valuesOf(const ChangedObject& object) {
  OdDbObjectPtr opened = object.id.openObject();
  return opened.isNull() ? FingerprintValues() : hostObjectCompare::fingerprintValues(opened.get());
}

// Pairs File 1 and File 2 objects of one class, the pair differing least first.
void explainClass(const std::vector<const ChangedObject*>& file1, const std::vector<const ChangedObject*>& file2,
                  std::vector<FieldDifference>& explanation) {
  std::vector<FingerprintValues> values1, values2;
  for (const ChangedObject* object : file1) values1.push_back(valuesOf(*object));
  for (const ChangedObject* object : file2) values2.push_back(valuesOf(*object));
  std::vector<std::vector<std::vector<FieldDifference>>> fields(file1.size(), std::vector<std::vector<FieldDifference>>(file2.size()));
  for (size_t i = 0; i < file1.size(); ++i)
    for (size_t j = 0; j < file2.size(); ++j) fields[i][j] = differingFields(values1[i], values2[j]);
  std::vector<bool> paired1(file1.size()), paired2(file2.size());
  for (size_t pairs = std::min(file1.size(), file2.size()); pairs > 0; --pairs) {
    size_t best1 = 0, best2 = 0;
    std::pair<size_t, double> best(SIZE_MAX, 0);  // fields that differ, then how far apart the two lie
    for (size_t i = 0; i < file1.size(); ++i)
      for (size_t j = 0; j < file2.size(); ++j) {
        std::pair<size_t, double> pair(fields[i][j].size(), file1[i]->box.center().distanceTo(file2[j]->box.center()));
        if (!paired1[i] && !paired2[j] && pair < best) std::tie(best1, best2, best) = std::tuple(i, j, pair);
      }
    paired1[best1] = paired2[best2] = true;
    for (FieldDifference& field : fields[best1][best2]) {
      field.file1Handle = file1[best1]->handle;
      field.file2Handle = file2[best2]->handle;
      explanation.push_back(std::move(field));
    }
  }
}

// Each entity of the two blocks with its group, by its fingerprint.
void forEachBlockEntity(const ChangeSource& source, const std::function<void(OdDbObjectId, bool, ObjectState)>& visit) {
  for (bool isFile1 : {true, false}) {
    OdDbBlockTableRecordPtr block =
        OdDbBlockTableRecord::cast((isFile1 ? source.file1Block : source.file2Block).openObject().get());
    if (block.isNull()) continue;
    for (OdDbObjectId id : block->entityIds()) {
      OdDbEntityPtr entity = OdDbEntity::cast(id.openObject().get());
      if (entity.isNull()) continue;
      if (entity->isKindOf(OdDbBlockReference::desc())) normaliseSpatialFilter(entity.get());
      uint32_t value = hostObjectCompare::HostObjectHashGenerator().buildHash(entity.get())->value;
      visit(id, isFile1, objectState(value, *source.file1Objects, *source.file2Objects));
    }
  }
}

// The changed top-level objects of one file. What it notes of a block holds
// for that block alone, so the two files' parts can work on a core each.
class FileChanges {
 public:
  FileChanges(const ChangeSource& source, bool isFile1) : m_source(source), m_isFile1(isFile1) {}

  // The entries of this file's map that the other file's lacks, as the top-level objects they belong to.
  void addEntries() {
    const ComparedObjectMap& own = m_isFile1 ? *m_source.file1Objects : *m_source.file2Objects;
    const ComparedObjectMap& other = m_isFile1 ? *m_source.file2Objects : *m_source.file1Objects;
    for (const auto& [value, object] : own) {
      if (object.idPair.value().isNull() || other.contains(value)) continue;
      if (OdDbObjectId top = topLevelOf(object.idPair.value()); !top.isNull()) add(top);
    }
  }

  // References and dimensions whose block, or a block nested in it, is one of changedBlocks.
  void addReferencesToChangedBlocks(const std::unordered_set<OdDbObjectId>& changedBlocks) {
    OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(fileBlock().openObject().get());
    if (block.isNull()) return;
    const OdDbObjectIdArray& ids = block->entityIds();
    for (size_t i = 0; i < ids.size(); ++i) {
      odPrefetchAhead(ids, i);
      OdDbObjectId shown = blockShownBy(ids[i]);
      if (!shown.isNull() && holdsChange(shown, changedBlocks)) add(ids[i]);
    }
  }

  // An entity of the file's block, fingerprinted again, in the state the maps give it.
  void addBlockEntity(OdDbObjectId id, ObjectState state) {
    if (state == (m_isFile1 ? ObjectState::File1Only : ObjectState::File2Only)) add(id);
    else if (OdDbObjectId shown = blockShownBy(id); !shown.isNull() && fingerprintsDiffer(shown)) add(id);
  }

  // Blocks, other than the file's, that hold an entry found in this file only.
  const std::unordered_set<OdDbObjectId>& changedBlocks() const { return m_changedBlocks; }

  std::vector<ChangedObject> changed;

 private:
  OdDbObjectId fileBlock() const { return m_isFile1 ? m_source.file1Block : m_source.file2Block; }

  // The entity of the file's block the object belongs to; null when it lies
  // in another block, which is then noted as changed.
  OdDbObjectId topLevelOf(OdDbObjectId id) {
    for (int depth = 0; depth < kMaxOwnerDepth; ++depth) {
      OdDbObjectPtr object = id.openObject();
      if (object.isNull()) break;
      OdDbObjectId owner = object->ownerId();
      if (owner == fileBlock()) return id;
      OdDbObjectPtr ownerObject = owner.openObject();
      if (ownerObject.isNull()) break;
      if (!ownerObject->isKindOf(OdDbEntity::desc())) {
        m_changedBlocks.insert(owner);
        break;
      }
      id = owner;
    }
    return OdDbObjectId();
  }

  void add(OdDbObjectId id) {
    if (!m_added.insert(id).second) return;
    OdDbEntityPtr entity = OdDbEntity::cast(id.openObject().get());
    if (entity.isNull()) return;
    const SourceHandles* handles = m_isFile1 ? m_source.file1Handles : m_source.file2Handles;
    std::string handle = handles ? handles->of(id) : std::string();
    changed.push_back({id, std::move(handle), classNameOf(entity.get()), drawnExtents(entity.get())});
  }

  // Whether an entity of the block, or of a block nested in it, is in one file only.
  bool fingerprintsDiffer(OdDbObjectId blockId) {
    if (auto known = m_blockHoldsChange.find(blockId); known != m_blockHoldsChange.end()) return known->second;
    m_blockHoldsChange[blockId] = false;
    bool differs = false;
    OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(blockId.openObject().get());
    for (size_t i = 0; !block.isNull() && !differs && i < block->entityIds().size(); ++i) {
      OdDbObjectId id = block->entityIds()[i];
      OdDbObjectPtr entity = id.openObject();
      if (entity.isNull()) continue;
      uint32_t value = hostObjectCompare::HostObjectHashGenerator().buildHash(entity.get())->value;
      ObjectState state = objectState(value, *m_source.file1Objects, *m_source.file2Objects);
      OdDbObjectId nested = blockShownBy(id);
      differs = state == ObjectState::File1Only || state == ObjectState::File2Only ||
                (!nested.isNull() && fingerprintsDiffer(nested));
    }
    return m_blockHoldsChange[blockId] = differs;
  }

  static OdDbObjectId blockShownBy(OdDbObjectId id) {
    OdDbObjectPtr object = id.openObject();
    if (auto reference = OdDbBlockReference::cast(object.get()); !reference.isNull()) return reference->blockTableRecord();
    if (auto dimension = OdDbDimension::cast(object.get()); !dimension.isNull()) return dimension->dimBlockId();
    return OdDbObjectId();
  }

  bool holdsChange(OdDbObjectId blockId, const std::unordered_set<OdDbObjectId>& changedBlocks) {
    if (auto known = m_blockHoldsChange.find(blockId); known != m_blockHoldsChange.end()) return known->second;
    m_blockHoldsChange[blockId] = false;  // a block that nests itself holds no change through itself
    bool holds = changedBlocks.contains(blockId);
    if (OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(blockId.openObject().get()); !holds && !block.isNull())
      for (OdDbObjectId id : block->entityIds())
        if (OdDbObjectId nested = blockShownBy(id); !nested.isNull() && holdsChange(nested, changedBlocks)) {
          holds = true;
          break;
        }
    return m_blockHoldsChange[blockId] = holds;
  }

  const ChangeSource& m_source;
  const bool m_isFile1;
  std::unordered_set<OdDbObjectId> m_added;
  std::unordered_set<OdDbObjectId> m_changedBlocks;
  std::unordered_map<OdDbObjectId, bool> m_blockHoldsChange;
};

// The changed top-level objects of both files.
class ChangedObjectCollector {
 public:
  explicit ChangedObjectCollector(const ChangeSource& source) : m_files{{source, true}, {source, false}}, m_source(source) {}

  // From the clones the comparison fingerprinted, the two files on a core
  // each: they only read the drawing and the maps.
  void addComparedEntries() {
    m_source.file1Objects->prepareForReaders();
    m_source.file2Objects->prepareForReaders();
    odRunInParallel(2, [this](size_t part) { m_files[part].addEntries(); });
    std::unordered_set<OdDbObjectId> changedBlocks = m_files[0].changedBlocks();
    changedBlocks.insert(m_files[1].changedBlocks().begin(), m_files[1].changedBlocks().end());
    if (changedBlocks.empty()) return;
    odRunInParallel(2, [&](size_t part) { m_files[part].addReferencesToChangedBlocks(changedBlocks); });
  }

  // From the entities of both blocks, fingerprinted again.
  void addBlockEntities() {
    forEachBlockEntity(m_source, [this](OdDbObjectId id, bool isFile1, ObjectState state) {
      m_files[isFile1 ? 0 : 1].addBlockEntity(id, state);
    });
  }

  std::vector<ChangedObject>& file1() { return m_files[0].changed; }
  std::vector<ChangedObject>& file2() { return m_files[1].changed; }

 private:
  FileChanges m_files[2];
  const ChangeSource& m_source;
};

bool isRestored(const ComparedObjectMap& map) { return !map.empty() && map.begin()->second.idPair.value().isNull(); }

bool isRestored(const ChangeSource& source) {
  return isRestored(*source.file1Objects) || isRestored(*source.file2Objects);
}

}  // namespace

OdGeExtents3d drawnExtents(const OdDbEntity* entity) {
  OdGiExtentsSink sink;
  OdGiWorldDrawImpl draw(sink, kOdGiForExtents);
  draw.drawEntity(entity);
  return sink.extents();
}

void SourceHandles::record(OdDbIdMapping& mapping) {
  m_handles.clear();
  m_handles.reserve(mapping.size());
  for (OdDbIdMappingIterPtr it = mapping.newIterator(); !it->done(); it->next()) {
    OdDbIdPair pair;
    it->getMap(pair);
    if (pair.isCloned()) m_handles.emplace_back(pair.value().stub(), pair.key().getHandle().value());
  }
  std::sort(m_handles.begin(), m_handles.end());
}

std::string SourceHandles::of(const OdDbObjectId& clone) const {
  auto found = std::lower_bound(m_handles.begin(), m_handles.end(), std::pair<const OdDbStub*, uint64_t>(clone.stub(), 0));
  return found != m_handles.end() && found->first == clone.stub() ? OdDbHandle(found->second).text() : std::string();
}

const char* changeKindName(ChangeKind kind) {
  switch (kind) {
    case ChangeKind::Removed: return "removed";
    case ChangeKind::Added: return "added";
    default: return "changed";
  }
}

Changes groupChanges(std::vector<ChangedObject> file1, std::vector<ChangedObject> file2, double margin) {
  std::vector<std::pair<ChangedObject*, bool>> objects;  // the object, whether of File 1
  for (ChangedObject& object : file1) objects.emplace_back(&object, true);
  for (ChangedObject& object : file2) objects.emplace_back(&object, false);
  std::vector<GridBox> boxes;
  std::vector<size_t> boxed;  // index in objects of each box
  for (size_t i = 0; i < objects.size(); ++i) {
    const OdGeExtents3d& box = objects[i].first->box;
    if (!box.isValidExtents()) continue;
    double half = margin / 2;
    boxes.push_back({box.minPoint().x - half, box.minPoint().y - half, box.maxPoint().x + half, box.maxPoint().y + half});
    boxed.push_back(i);
  }
  DisjointSets sets(objects.size());
  DisjointSets boxSets(boxes.size());
  joinOverlapping(boxes, boxSets);
  for (size_t b = 0; b < boxes.size(); ++b) sets.join(boxed[b], boxed[boxSets.root(b)]);

  std::unordered_map<size_t, size_t> changeOfRoot;
  Changes changes;
  for (size_t i = 0; i < objects.size(); ++i) {
    auto [at, added] = changeOfRoot.emplace(sets.root(i), changes.size());
    if (added) changes.emplace_back();
    Change& change = changes[at->second];
    change.box.addExt(objects[i].first->box);
    (objects[i].second ? change.file1 : change.file2).push_back(std::move(*objects[i].first));
  }
  for (Change& change : changes)
    for (std::vector<ChangedObject>* objects : {&change.file1, &change.file2}) std::sort(objects->begin(), objects->end(), listsBefore);
  std::stable_sort(changes.begin(), changes.end(), readsBefore);
  for (size_t i = 0; i < changes.size(); ++i) changes[i].number = int(i + 1);
  return changes;
}

std::vector<FieldDifference> explainChange(const Change& change) {
  std::map<std::string, std::pair<std::vector<const ChangedObject*>, std::vector<const ChangedObject*>>> byClass;
  for (const ChangedObject& object : change.file1) byClass[object.className].first.push_back(&object);
  for (const ChangedObject& object : change.file2) byClass[object.className].second.push_back(&object);
  std::vector<FieldDifference> explanation;
  for (const auto& [name, objects] : byClass)
    if (objects.first.size() <= kMaxPairedPerClass && objects.second.size() <= kMaxPairedPerClass)
      explainClass(objects.first, objects.second, explanation);
  return explanation;
}

Changes findChanges(const ChangeSource& source, double drawingSize, double marginFraction) {
  if (!source.file1Objects || !source.file2Objects) return {};
  ChangedObjectCollector collector(source);
  if (isRestored(source)) collector.addBlockEntities();
  else collector.addComparedEntries();
  Changes changes = groupChanges(std::move(collector.file1()), std::move(collector.file2()), drawingSize * marginFraction);
  for (Change& change : changes) change.explanation = explainChange(change);
  return changes;
}

}  // namespace dwgcompare
