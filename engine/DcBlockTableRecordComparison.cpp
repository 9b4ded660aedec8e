#include "DcBlockTableRecordComparison.h"

#include "DbBlockReference.h"
#include "DbBlockTableRecord.h"
#include "DbDimension.h"
#include "DbLayout.h"
#include "DcHost.h"
#include "DcPairInfo.h"
#include "DcRevisionClouds.h"
#include "DcSettings.h"
#include "GiExtents.h"
#include "HostDocument.h"
#include "HostGsDevice.h"
#include "HostObjectHashGenerator.h"
#include "OdParallel.h"

#include <algorithm>
#include <vector>

namespace dwgcompare {

ODRX_DEFINE_MODULE_CLASS(DcBlockTableRecordComparison, OdRxObject, odrxNewImpl<DcBlockTableRecordComparisonImpl>)

namespace {
// Hash values as a saved result drawing keeps them: 63 to a chunk of 255 bytes.
constexpr size_t kChunkSize = 255;
constexpr size_t kValuesPerChunk = kChunkSize / 4;

// An object of a file on its way to its fingerprint.
struct Fingerprinted {
  OdDbIdPair pair;
  OdDbObjectPtr object;
  uint32_t exclusion = 0;           // the flags of a class left out
  bool waitsForTheHost = false;     // a block reference, which the host normalises first
  hostObjectCompare::HashPtr hash;  // null for what is not fingerprinted
};

// Objects fingerprinted together: enough to share among the cores, few enough to cost no memory.
constexpr size_t kFingerprintBatch = 65536;

// Each core takes an equal run of the batch, in which it looks at each
// object in order; what it finds stays in the object's place.
template <class Visit>
void forEachInParallel(std::vector<Fingerprinted>& batch, Visit visit) {
  if (batch.empty()) return;
  size_t parts = std::min(odCoreCount(), batch.size());
  size_t share = (batch.size() + parts - 1) / parts;
  odRunInParallel(parts, [&](size_t part) {
    size_t end = std::min(batch.size(), (part + 1) * share);
    for (size_t i = part * share; i < end; ++i) {
      if (i + kOdPrefetchAhead < end) batch[i + kOdPrefetchAhead].pair.value().prefetchObject();
      visit(batch[i]);
    }
  });
}

hostObjectCompare::HashPtr fingerprintOf(const OdDbObjectPtr& object) {
  return hostObjectCompare::HostObjectHashGenerator().buildHash(object.get());
}

// The larger side of the drawing as the view shows it right after the zoom-all that precedes the comparison.
double zoomedAllSize() {
  HostDocument* document = hostCurrentDocument();
  if (!document || !document->hasDevice()) return 0;
  const HostGsView& view = document->device()->view();
  return std::max(view.width(), view.height());
}

double extentsSize(const OdDbObjectId& space) {
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(space.openObject().get());
  OdGeExtents3d extents = block.isNull() ? OdGeExtents3d() : odGiBlockExtents(block.get());
  if (!extents.isValidExtents()) return 0;
  OdGeVector3d diagonal = extents.maxPoint() - extents.minPoint();
  return std::max(diagonal.x, diagonal.y);
}

OdDbBlockTableRecordPtr openBlockTableRecord(const OdDbObjectId& id) {
  if (!id.isValid()) return OdDbBlockTableRecordPtr();
  OdDbObjectPtr object = id.openObject();
  if (object.isNull()) return OdDbBlockTableRecordPtr();
  return OdDbBlockTableRecordPtr(object);  // another class throws not-that-kind-of-class
}
}  // namespace

DcBlockTableRecordComparisonImpl::DcBlockTableRecordComparisonImpl() { m_dimensionTextBackground.setRGB(255, 255, 255); }

void DcBlockTableRecordComparisonImpl::addReactor(DcBlockTableRecordComparisonReactor* reactor) {
  if (std::find(m_reactors.begin(), m_reactors.end(), reactor) == m_reactors.end()) m_reactors.push_back(reactor);
}

void DcBlockTableRecordComparisonImpl::removeReactor(DcBlockTableRecordComparisonReactor* reactor) {
  auto found = std::find(m_reactors.begin(), m_reactors.end(), reactor);
  if (found != m_reactors.end()) m_reactors.erase(found);
}

OdString DcBlockTableRecordComparisonImpl::name() const {
  OdDbBlockTableRecordPtr record = openBlockTableRecord(m_blockTableRecordId);
  if (record.isNull()) return OdString();
  if (!record->isLayout()) return record->getName();
  OdDbObjectPtr layout = record->getLayoutId().openObject();
  return layout.isNull() ? OdString() : OdDbLayoutPtr(layout)->getLayoutName();
}

OdDbObjectId DcBlockTableRecordComparisonImpl::layoutId() const {
  OdDbBlockTableRecordPtr record = openBlockTableRecord(m_blockTableRecordId);
  return record.isNull() ? OdDbObjectId() : record->getLayoutId();
}

void DcBlockTableRecordComparisonImpl::onDeepCloneEnded(OdDbIdMapping& mapping) {
  if (m_captureFile1) {
    m_file1Mapping = &mapping;
    m_file1Handles.record(mapping);
  }
  if (m_captureFile2 && !m_file2Captured) {
    m_file2Mapping = &mapping;
    m_file2Handles.record(mapping);
    m_file2Captured = true;
  }
}

void DcBlockTableRecordComparisonImpl::expectFile1Mapping() {
  m_captureFile1 = true;
  m_captureFile2 = false;
}

void DcBlockTableRecordComparisonImpl::expectFile2Mapping() {
  m_captureFile1 = false;
  m_captureFile2 = true;
}

template <class Notify>
void DcBlockTableRecordComparisonImpl::notifyReactors(Notify notify) {
  for (DcBlockTableRecordComparisonReactor* reactor : std::vector(m_reactors)) notify(reactor);
}

void DcBlockTableRecordComparisonImpl::compareObjects() {
  notifyReactors([this](auto* r) { r->onComparisonStarted(this); });
  for (auto [mapping, target] : {std::pair{&m_file1Mapping, &m_file1Objects}, std::pair{&m_file2Mapping, &m_file2Objects}}) {
    if (mapping->isNull()) {
      notifyReactors([this](auto* r) { r->onComparisonAborted(this); });
      return;
    }
    fingerprintClones(**mapping, *target);
    // Its keys name objects of a drawing that went with its bind; the changes
    // keep what they need of them, the source handles.
    mapping->release();
  }
  // Each map sorted and indexed on a core of its own, for the changes, the report and the display to read.
  odRunInParallel(2, [this](size_t part) { (part == 0 ? m_file1Objects : m_file2Objects).prepareForReaders(); });
  hostMarkPhase("fingerprint");
  double drawingSize = zoomedAllSize();
  findTheChanges(drawingSize);
  if (DcSettings* settings = getDcSettings(); settings && settings->showsRevisionClouds()) drawRevisionClouds(drawingSize);
  hostMarkPhase("find the changes");
  endComparison();
}

void DcBlockTableRecordComparisonImpl::drawRevisionClouds(double drawingSize) {
  OdDbObjectPtr space = m_blockTableRecordId.openObject();
  if (space.isNull()) return;
  OdGeExtents3d clouds = addRevisionClouds(space->database(), m_changes, drawingSize);
  // The view of the zoom-all takes the clouds in, as a zoom-all of the saved result would.
  HostDocument* document = hostCurrentDocument();
  if (!document || !document->hasDevice() || document->database() != space->database()) return;
  HostGsView& view = document->device()->view();
  OdGeExtents3d all = view.zoomedExtents();
  if (all.isValidExtents() && !(all.addExt(clouds) == view.zoomedExtents())) view.zoomExtents(all);
}

void DcBlockTableRecordComparisonImpl::setFileBlocks(const OdDbObjectId& file1Block, const OdDbObjectId& file2Block) {
  m_file1Block = file1Block;
  m_file2Block = file2Block;
}

const Changes& DcBlockTableRecordComparisonImpl::changes() {
  if (!m_changesFound) findTheChanges(extentsSize(m_blockTableRecordId));
  return m_changes;
}

void DcBlockTableRecordComparisonImpl::findTheChanges(double drawingSize) {
  DcSettings* settings = getDcSettings();
  double margin = settings ? settings->changeMargin() : 0;
  m_changes = findChanges({&m_file1Objects, &m_file2Objects, m_file1Block, m_file2Block, &m_file1Handles, &m_file2Handles},
                          drawingSize, margin);
  m_changesFound = true;
}

void DcBlockTableRecordComparisonImpl::endComparison() {
  for (size_t i = 0; i < m_reactors.size();) {
    DcBlockTableRecordComparisonReactor* reactor = m_reactors[i];
    reactor->onComparisonEnded(this);
    if (reactor->isFinished(this)) m_reactors.erase(m_reactors.begin() + i);
    else ++i;
  }
}

void DcBlockTableRecordComparisonImpl::fingerprintClones(OdDbIdMapping& mapping, ComparedObjectMap& target) {
  DcSettings* settings = getDcSettings();
  std::vector<Fingerprinted> batch;
  batch.reserve(kFingerprintBatch);
  target.reserve(mapping.size());
  auto fingerprintBatch = [&] {
    // On every core: what each object is, and the fingerprints of the entities that change only themselves.
    forEachInParallel(batch, [&](Fingerprinted& entry) {
      entry.object = entry.pair.value().openObject();
      if (entry.object.isNull()) return;
      entry.exclusion = settings ? settings->objectExclusionFlags(entry.object.get()) : 0;
      if (entry.exclusion != 0) return;
      if (!entry.object->isKindOf(OdDbEntity::desc())) {
        entry.object.release();
        return;
      }
      entry.waitsForTheHost = entry.object->isKindOf(OdDbBlockReference::desc());
      if (entry.waitsForTheHost) return;
      prepareForFingerprint(entry.object.get());
      entry.hash = fingerprintOf(entry.object);
    });
    // What may change the drawing or changes the comparison, here and in order.
    for (Fingerprinted& entry : batch) {
      if (entry.exclusion != 0) noteUnsupported(entry.object.get(), entry.exclusion);
      else if (entry.waitsForTheHost) normaliseSpatialFilter(entry.object.get());
    }
    forEachInParallel(batch, [](Fingerprinted& entry) {
      if (entry.waitsForTheHost) entry.hash = fingerprintOf(entry.object);
    });
    for (Fingerprinted& entry : batch)
      if (entry.hash) target.insert({std::move(entry.hash), entry.pair});
    batch.clear();
  };
  for (OdDbIdMappingIterPtr it = mapping.newIterator(); !it->done(); it->next()) {
    it->getMap(batch.emplace_back().pair);
    if (batch.size() == kFingerprintBatch) fingerprintBatch();
  }
  fingerprintBatch();
}

void DcBlockTableRecordComparisonImpl::noteUnsupported(const OdDbObject* object, uint32_t exclusion) {
  if ((exclusion & kReportClass) == 0) return;
  m_unsupportedClasses.emplace(object->isA()->name(), OdString());
}

// Dimensions are normalised the way the display does before it hashes them,
// so both see the same values; block references are, by the host, apart.
void DcBlockTableRecordComparisonImpl::prepareForFingerprint(OdDbObject* object) const {
  if (auto dimension = OdDbDimension::cast(object); !dimension.isNull()) {
    object->upgradeOpen();
    dimension->setBgrndTxtColor(m_dimensionTextBackground, 0);
    object->downgradeOpen();
  }
}

void DcBlockTableRecordComparisonImpl::readObjects(const OdResBuf* chunks, ComparedObjectMap& target) {
  std::vector<uint32_t> values;
  bool complete = readPairInfoHashes(chunks, values);
  for (uint32_t value : values) {
    auto hash = std::make_shared<hostObjectCompare::Hash>();
    hash->value = value;
    target.insert({hash, OdDbIdPair()});
  }
  if (!complete) hostPrint(hostTranslate(L"DWGCOMPARE: Failed to read file compare info\n"));
}

void DcBlockTableRecordComparisonImpl::writeObjects(const ComparedObjectMap& source, OdResBuf* last) {
  auto entry = source.begin();
  while (entry != source.end()) {
    OdBinaryData chunk;
    chunk.resize(kChunkSize, 0);
    for (size_t slot = 0; slot < kValuesPerChunk && entry != source.end(); ++slot, ++entry) {
      uint32_t value = entry->first;
      for (size_t byte = 0; byte < 4; ++byte) chunk[slot * 4 + byte] = uint8_t(value >> (8 * byte));
    }
    last = last->setNext(OdResBuf::newRb(OdResBuf::kDxfBinaryChunk, chunk).get());
  }
}

void normaliseSpatialFilter(OdDbObject* blockReference) {
  const OdGePoint2d origin(0, 0);
  blockReference->upgradeOpen();
  hostSetSpatialFilter(blockReference->objectId(), &origin, 1, OdGePlane(), true);
  blockReference->downgradeOpen();
}

}  // namespace dwgcompare
