#include "DcComparisonManagerImpl.h"

#include "DcHost.h"
#include "DcMessages.h"
#include "DcPairInfo.h"
#include "DcResultDrawing.h"
#include "DcRevisionClouds.h"
#include "DcSettings.h"
#include "DbXrecord.h"
#include "HostDocManager.h"
#include "HostGsDevice.h"
#include "OdTimeStamp.h"
#include "RxSystemServices.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace dwgcompare {

ODRX_DEFINE_MODULE_CLASS(DcComparisonManager, OdRxObject, odrxNewImpl<DcComparisonManagerImpl>)

namespace {
constexpr int kFailedToCloneFile1 = 1;
constexpr int kFailedToCloneFile2 = 2;

class DcEnumComparisonImpl : public DcEnumComparison {
 public:
  explicit DcEnumComparisonImpl(const std::vector<DcBlockTableRecordComparisonPtr>& comparisons)
      : m_comparisons(comparisons) {}
  bool next(DcBlockTableRecordComparison*& comparison) override {
    if (m_cursor >= m_comparisons.size()) return false;
    comparison = m_comparisons[m_cursor++].get();
    return true;
  }
  void reset() override { m_cursor = 0; }

 private:
  const std::vector<DcBlockTableRecordComparisonPtr>& m_comparisons;
  size_t m_cursor = 0;
};

// External-reference watching pauses for the whole run, whichever way it ends.
class XrefWatchPause {
 public:
  XrefWatchPause() { hostDisableXrefWatch(); }
  ~XrefWatchPause() { hostEnableXrefWatch(); }
  XrefWatchPause(const XrefWatchPause&) = delete;
  XrefWatchPause& operator=(const XrefWatchPause&) = delete;
};

// The progress line ends however the run ends, so the terminal is left tidy.
class ProgressFinish {
 public:
  explicit ProgressFinish(ProgressBar& progress) : m_progress(progress) {}
  ~ProgressFinish() {
    if (m_progress.isActive()) m_progress.finish();
  }
  ProgressFinish(const ProgressFinish&) = delete;
  ProgressFinish& operator=(const ProgressFinish&) = delete;

 private:
  ProgressBar& m_progress;
};

OdString formattedModificationTime(const OdString& path) {
  OdTimeStamp time;
  if (odrxSystemServices()->getFileMTime(path, time) != eOk) return OdString();
  time.universalToLocal();
  OdString text;
  time.strftime("%#c", text);
  return text;
}

// The box grown on every side by a quarter of its larger side, so that what surrounds a change shows too.
OdGeExtents3d withZoomMargin(const OdGeExtents3d& box) {
  OdGeVector3d size = box.maxPoint() - box.minPoint();
  double margin = std::max(size.x, size.y) * 0.25;
  OdGeExtents3d grown = box;
  return grown.expandBy(OdGeVector3d(margin, margin, 0)).expandBy(OdGeVector3d(-margin, -margin, 0));
}

// A bind that throws nothing can still leave the block unresolved, or empty
// although the file's model space is not.
bool hasModelSpaceEntities(OdDbDatabase* file) {
  OdDbBlockTableRecordPtr modelSpace = file->getModelSpaceId().safeOpenObject();
  return modelSpace->entityCount() > 0;
}

bool boundWithContent(const OdDbObjectId& blockId, bool fileHasEntities) {
  OdDbBlockTableRecordPtr block = blockId.safeOpenObject();
  if (block->isFromExternalReference()) return false;
  return block->entityCount() > 0 || !fileHasEntities;
}
}  // namespace

FileInfoPtr makeFileInfo(OdDbDatabase* database) {
  auto info = std::make_shared<FileInfo>();
  info->path = database->getFilename();
  info->fileName = OdString(std::filesystem::path(info->path.utf8()).filename().string());
  info->savedBy = database->lastSavedBy();
  info->dateSaved = formattedModificationTime(info->path);
  return info;
}

DcComparisonManagerImpl::DcComparisonManagerImpl() {
  if (DcSettings* settings = getDcSettings()) {
    m_file1Color = settings->file1Color();
    m_file2Color = settings->file2Color();
    m_sharedColor = settings->sharedColor();
  }
}

void DcComparisonManagerImpl::addReactor(DcComparisonManagerReactor* reactor) {
  if (std::find(m_reactors.begin(), m_reactors.end(), reactor) == m_reactors.end()) m_reactors.push_back(reactor);
}

void DcComparisonManagerImpl::removeReactor(DcComparisonManagerReactor* reactor) {
  auto found = std::find(m_reactors.begin(), m_reactors.end(), reactor);
  if (found != m_reactors.end()) m_reactors.erase(found);
}

template <class Notify>
void DcComparisonManagerImpl::notifyReactors(Notify notify) {
  for (DcComparisonManagerReactor* reactor : std::vector(m_reactors)) notify(reactor);
}

OdResult DcComparisonManagerImpl::compare(OdDbDatabase* file1, OdDbDatabase* file2) {
  m_file1Info = makeFileInfo(file1);
  m_file2Info = makeFileInfo(file2);
  struct LetGoOfReadFiles {
    std::array<OdDbDatabasePtr, 2>& files;
    ~LetGoOfReadFiles() { files = {}; }
  } letGo{m_readFiles};
  XrefWatchPause pause;
  notifyReactors([this](auto* r) { r->compareStarted(this); });
  ProgressFinish progressFinish(m_progress);
  m_progress.start(dcMessage(kMsgComparing), 4, 0);
  m_progress.step();

  DcBlockTableRecordComparisonPtr comparison = DcBlockTableRecordComparison::createObject();
  m_comparisons.push_back(comparison);
  DcBlockTableRecordComparisonImpl& impl = *comparisonImpl(comparison.get());
  OdSmartPtr<HostEditorReactor> editorReactor = m_makeEditorReactor ? m_makeEditorReactor(&impl) : OdSmartPtr<HostEditorReactor>();
  impl.keepEditorReactor(editorReactor.get());

  HostDocManager* docs = hostDocManager();
  if (!docs) return eNotApplicable;
  if (OdResult made = docs->newDocument(); made != eOk) return made;
  HostDocument* resultDocument = docs->curDocument();
  resultDocument->addSourceFile(m_file1Info->path);
  resultDocument->addSourceFile(m_file2Info->path);
  OdDbDatabase* result = resultDocument->database();
  impl.setBlockTableRecordId(result->getModelSpaceId());
  ResultBlockNames names = chooseResultBlockNames(file1, file2);

  m_progress.step();
  m_progress.setText(dcMessage(kMsgProcessingFile1));
  if (m_progress.isCancelled()) {
    notifyReactors([this](auto* r) { r->compareAborted(this); });
    return eUserBreak;
  }
  std::optional<HostDocLock> lock(std::in_place, *docs, resultDocument, OdString("DWGCOMPARE"));
  impl.expectFile1Mapping();
  if (OdResult bound = bindFile(result, file1, names.file1, false, impl, editorReactor.get(), m_file1Block); bound != eOk) return bound;
  hostMarkPhase("bind File 1");
  notifyReactors([](auto* r) { r->file1Bound(); });
  insertMarkedReference(result, result->getOdDbObjectId(m_file1Block));

  m_progress.setText(dcMessage(kMsgProcessingFile2));
  m_progress.step();
  if (m_progress.isCancelled()) {
    notifyReactors([this](auto* r) { r->compareAborted(this); });
    return eUserBreak;
  }
  impl.expectFile2Mapping();
  if (OdResult bound = bindFile(result, file2, names.file2, true, impl, editorReactor.get(), m_file2Block); bound != eOk) return bound;
  hostMarkPhase("bind File 2");
  notifyReactors([](auto* r) { r->file2Bound(); });
  // File 2's bind is the longest step: a Cancel pressed during it still counts.
  if (m_progress.isCancelled()) {
    notifyReactors([this](auto* r) { r->compareAborted(this); });
    return eUserBreak;
  }
  insertMarkedReference(result, result->getOdDbObjectId(m_file2Block));
  impl.setFileBlocks(result->getOdDbObjectId(m_file1Block), result->getOdDbObjectId(m_file2Block));

  nameResult(resultDocument, m_file1Info->path, m_file2Info->path);  // File 1 may be gone: it was handed over
  createPairInfoDictionary(result);
  notifyReactors([&](auto* r) { r->comparisonAdded(comparison.get()); });
  // We tell of a failed layout, so that the user sees what the result lacks.
  if (impl.failureCode() != 0) notifyReactors([&](auto* r) { r->layoutComparisonFailed(comparison.get()); });
  notifyReactors([this](auto* r) { r->compareFinished(this); });
  lock.reset();

  m_progress.setText(dcMessage(kMsgGeneratingResult));
  m_progress.step();
  m_progress.finish();
  m_shown = displayContextOf(impl, result);
  return eOk;
}

// Attaches and binds one file; on success the block's handle is recorded.
OdResult DcComparisonManagerImpl::bindFile(OdDbDatabase* result, OdDbDatabase* file, const OdString& blockName,
                                           bool isFile2, DcBlockTableRecordComparisonImpl& comparison,
                                           HostEditorReactor* editorReactor, OdDbHandle& blockHandle) {
  OdDbBlockTableRecordPtr block = attachFileBlock(result, file, blockName);
  if (block.isNull()) {
    notifyReactors([this](auto* r) { r->compareAborted(this); });
    return eNoXrefDefinitionBlock;
  }
  bool fileHasEntities = hasModelSpaceEntities(file);
  // A file handed over goes with the bind: `file` may name nothing after it.
  OdDbDatabasePtr handedOver = m_readFiles[isFile2].get() == file ? std::move(m_readFiles[isFile2]) : OdDbDatabasePtr();
  try {
    bindFileBlock(block.get(), editorReactor, isFile2, std::move(handedOver));
  } catch (const OdError& error) {
    return error.code();
  }
  blockHandle = block->objectId().getHandle();
  if (!boundWithContent(block->objectId(), fileHasEntities))
    comparison.setFailureCode(isFile2 ? kFailedToCloneFile2 : kFailedToCloneFile1);
  return eOk;
}

DcDisplayContext DcComparisonManagerImpl::displayContextOf(DcBlockTableRecordComparisonImpl& comparison,
                                                           OdDbDatabase* result) const {
  return {&comparison.file1Objects(), &comparison.file2Objects(), m_file1Block, m_file2Block, result, m_restored};
}

void DcComparisonManagerImpl::activate() {
  HostDocument* document = hostCurrentDocument();
  if (!document) return;
  OdDbObjectId modelSpace = document->database()->getModelSpaceId();
  DcBlockTableRecordComparisonPtr comparison = findComparison(modelSpace);
  if (comparison.isNull()) return;
  OdDbObjectPtr record = comparison->blockTableRecordId().openObject();
  m_shown = displayContextOf(*comparisonImpl(comparison.get()), record.isNull() ? nullptr : record->database());
}

DcBlockTableRecordComparisonPtr DcComparisonManagerImpl::findComparison(const OdDbObjectId& blockTableRecordId) const {
  for (const DcBlockTableRecordComparisonPtr& comparison : m_comparisons)
    if (comparison->blockTableRecordId() == blockTableRecordId) return comparison;
  return DcBlockTableRecordComparisonPtr();
}

DcEnumComparisonPtr DcComparisonManagerImpl::enumComparisons() const {
  return DcEnumComparisonPtr(new OdRxObjectImpl<DcEnumComparisonImpl>(m_comparisons), kOdRxObjAttach);
}

const Changes& DcComparisonManagerImpl::changes() {
  static const Changes none;
  return m_comparisons.empty() ? none : comparisonImpl(m_comparisons.front().get())->changes();
}

bool DcComparisonManagerImpl::selectChange(int index) {
  const Changes& all = changes();
  if (index < 0 || index >= int(all.size())) return false;
  m_currentChange = index;
  HostDocument* document = hostCurrentDocument();
  if (!document) return true;
  highlightRevisionCloud(document->database(), &all[index]);
  if (all[index].box.isValidExtents()) document->device()->view().zoomExtents(withZoomMargin(all[index].box));
  hostRegen();
  return true;
}

bool DcComparisonManagerImpl::writePairInfo(OdDbDatabase* database) const {
  OdDbDictionaryPtr pair = openPairInfoDictionary(database, OdDb::kForWrite);
  if (pair.isNull()) return false;
  OdResBufPtr file1Chain = pairInfoChain(m_file1Info ? *m_file1Info : FileInfo(), m_file1Block);
  OdResBufPtr file2Chain = pairInfoChain(m_file2Info ? *m_file2Info : FileInfo(), m_file2Block);
  OdDbXrecordPtr file1Record = OdDbXrecord::createObject();
  OdDbXrecordPtr file2Record = OdDbXrecord::createObject();
  if (!m_comparisons.empty()) {
    DcBlockTableRecordComparisonImpl* first = comparisonImpl(m_comparisons.front().get());
    try {
      first->writeFile1Objects(file1Chain->last().get());
      first->writeFile2Objects(file2Chain->last().get());
    } catch (const std::bad_alloc&) {
      hostPrint(hostTranslate(L"DWGCOMPARE: Failed to write file compare info\n"));
    }
  }
  file1Record->setFromRbChain(file1Chain.get());
  file2Record->setFromRbChain(file2Chain.get());
  pair->setAt(kFile1Entry, file1Record.get());
  pair->setAt(kFile2Entry, file2Record.get());
  return true;
}

bool DcComparisonManagerImpl::readPairInfo(OdDbDatabase* database) {
  OdDbDictionaryPtr pair = openPairInfoDictionary(database, OdDb::kForRead);
  if (pair.isNull()) return false;
  m_file1Info = std::make_shared<FileInfo>();
  m_file2Info = std::make_shared<FileInfo>();
  OdResBufPtr file1Chain = pairInfoRecordChain(pair.get(), kFile1Entry);
  OdResBufPtr file2Chain = pairInfoRecordChain(pair.get(), kFile2Entry);
  OdResBufPtr file1Hashes = readPairInfoChain(file1Chain.get(), *m_file1Info, m_file1Block);
  OdResBufPtr file2Hashes = readPairInfoChain(file2Chain.get(), *m_file2Info, m_file2Block);
  m_restored = true;

  DcBlockTableRecordComparisonPtr comparison = DcBlockTableRecordComparison::createObject();
  DcBlockTableRecordComparisonImpl& impl = *comparisonImpl(comparison.get());
  impl.setBlockTableRecordId(database->getModelSpaceId());
  impl.setFileBlocks(database->getOdDbObjectId(m_file1Block), database->getOdDbObjectId(m_file2Block));
  impl.readFile1Objects(file1Hashes.get());
  impl.readFile2Objects(file2Hashes.get());
  m_comparisons.push_back(comparison);
  activate();
  return true;
}

DcComparisonManagerPtr loadComparisonManager(OdDbDatabase* database) {
  if (!database) return DcComparisonManagerPtr();
  DcComparisonManagerPtr manager = DcComparisonManager::createObject();
  if (!static_cast<DcComparisonManagerImpl*>(manager.get())->readPairInfo(database)) return DcComparisonManagerPtr();
  return manager;
}

}  // namespace dwgcompare
