#include "DcUiDrawingComparisonPalette.h"

#include "DcComparisonManagerImpl.h"
#include "DcEditorReactor.h"
#include "DcHost.h"
#include "DcMessages.h"
#include "DcModuleContext.h"
#include "DcUiAux.h"
#include "DcUiChangeList.h"
#include "DcUiToolbar.h"
#include "DcUiUnsupportedObjectsMessage.h"
#include "HostAppServices.h"
#include "HostDocManager.h"
#include "HostText.h"
#include "HostUi.h"
#include "OdError.h"
#include "IProfile.h"

#include <QVBoxLayout>

#include <filesystem>
#include <memory>

namespace dwgcompareui {
using namespace dwgcompare;

namespace {
constexpr int kPaletteControlId = 46;
constexpr const char* kDrawingCompareCommand = "DWGCOMPARE";

// The open document that has the path (ignoring case), or null.
HostDocument* openDocumentOf(const OdString& path) {
  if (HostDocManager* docs = hostDocManager())
    for (HostDocument* document : docs->documents())
      if (document->filePath().iCompare(path) == 0) return document;
  return nullptr;
}

// An open document's database when one has the path, else the file read anew.
OdDbDatabasePtr databaseOf(const OdString& path) {
  if (HostDocument* document = openDocumentOf(path)) return OdDbDatabasePtr(document->database());
  HostAppServices* services = hostAppServices();
  return services ? services->readFile(path, false, false, HostAppServices::kShareDenyNo, OdString())
                  : OdDbDatabasePtr();
}

// The same for two paths; when neither is open, both files are read at the same time.
std::pair<OdDbDatabasePtr, OdDbDatabasePtr> databasesOf(const OdString& first, const OdString& second) {
  HostAppServices* services = hostAppServices();
  if (!services || openDocumentOf(first) || openDocumentOf(second)) return {databaseOf(first), databaseOf(second)};
  return services->readFiles(first, second);
}

OdString fileNameOf(const OdString& path) { return OdString(std::filesystem::path(path.utf8()).filename().string()); }

// The document manager reactor stays out of the run's document changes.
class DocManReactorDetached {
 public:
  DocManReactorDetached() {
    if (HostDocManager* docs = hostDocManager()) docs->removeReactor(getDocManReactor());
  }
  ~DocManReactorDetached() {
    if (HostDocManager* docs = hostDocManager()) docs->addReactor(getDocManReactor());
  }
  DocManReactorDetached(const DocManReactorDetached&) = delete;
  DocManReactorDetached& operator=(const DocManReactorDetached&) = delete;
};
}  // namespace

DcUiDrawingComparisonPalette::~DcUiDrawingComparisonPalette() {
  getDocManReactor()->removeResponder(this);
  uiRegistry().unregisterInterface(this);
  // A device must not call a listener whose module has gone.
  if (!m_deviceListener.isNull()) m_deviceListener->stopListening();
}

bool DcUiDrawingComparisonPalette::createWindow() {
  return create(dwgcompare::hostTranslate(hostToWide(dcMessage(kMsgPaletteCaption)).c_str()), kPaletteControlId);
}

bool DcUiDrawingComparisonPalette::onCreate() {
  QWidget* pane = body();
  if (pane) {
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_toolbar = new DcUiToolbar(pane);
    m_toolbar->loadButtons();
    layout->addWidget(m_toolbar);
  }
  m_settingsDialog.create(pane);
  if (pane) {
    pane->layout()->addWidget(m_settingsDialog.window());
    m_changeList = new DcUiChangeList(pane);
    static_cast<QVBoxLayout*>(pane->layout())->addWidget(m_changeList, 1);
  }
  m_settingsDialog.resetFiles();
  uiRegistry().registerInterface(this, DcUiAux::kPalette);
  uiRegistry().registerInterface(&m_settingsDialog, DcUiAux::kSettingsDialog);
  return true;
}

void DcUiDrawingComparisonPalette::onShow(bool visible) {
  if (visible) {
    getDocManReactor()->addResponder(this);
    if (DcComparisonManager* manager = getDocManReactor()->currentComparison())
      comparisonDocumentActivated(nullptr, manager);
  } else {
    getDocManReactor()->removeResponder(this);
  }
}

void DcUiDrawingComparisonPalette::onClose() {
  updateStartupEntry(false, kDrawingCompareCommand);
  if (auto* dialog = findUiInterface<IDcUiCompareResultsPlaceDlg>(DcUiAux::kSettingsDialog)) dialog->resetFiles();
  closePane();
}

bool DcUiDrawingComparisonPalette::isVisible() const { return isShown(); }

void DcUiDrawingComparisonPalette::compareFiles(const OdString& file1Path, const OdString& file2Path) {
  // From a button: a file that cannot be read fails the comparison as any other cause does.
  try {
    compare(file1Path, file2Path);
  } catch (const OdError& error) {
    showCompareFailure(file1Path, file2Path, error.description());
  }
}

OdResult DcUiDrawingComparisonPalette::compare(const OdString& file1Path, const OdString& file2Path) {
  DcComparisonManagerPtr manager = DcComparisonManager::createObject();
  static_cast<DcComparisonManagerImpl*>(manager.get())->setEditorReactorMaker(&newDcEditorReactor);
  if (auto* dialog = findUiInterface<DcComparisonManagerReactor>(DcUiAux::kSettingsDialog)) manager->addReactor(dialog);
  // Files read here, not open documents the user may have changed, go to the binding.
  bool readHere1 = !openDocumentOf(file1Path), readHere2 = !openDocumentOf(file2Path);
  auto [file2, file1] = databasesOf(file2Path, file1Path);
  if (file1.isNull() || file2.isNull()) return eFileNotFound;
  OdDbDatabase* first = file1.get();
  OdDbDatabase* second = file2.get();
  static_cast<DcComparisonManagerImpl*>(manager.get())
      ->handOverReadFiles(readHere1 ? std::move(file1) : OdDbDatabasePtr(),
                          readHere2 ? std::move(file2) : OdDbDatabasePtr());
  OdResult result;
  {
    DocManReactorDetached detached;
    HostDocument* before = hostCurrentDocument();
    result = manager->compare(first, second);
    if (result == eUserBreak) closeCancelledResult(before);
    if (result == eOk) {
      zoomAllWhenDrawn();
      getDocManReactor()->setCurrentComparison(manager.get());
      getDocManReactor()->enableOverrules();
      HostDocument* document = hostCurrentDocument();
      DcBlockTableRecordComparisonPtr comparison =
          manager->findComparison(document->database()->getModelSpaceId());
      if (!comparison.isNull()) comparison->addReactor(this);
      m_settingsDialog.refreshFiles(nullptr);
      if (m_toolbar) m_toolbar->updateInformationButton();
    }
  }
  if (result != eOk && result != eUserBreak) showCompareFailure(file1Path, file2Path, OdError(result).description());
  return result;
}

// The user cancelled: the result document the run began goes, and the
// document that was current before is current again.
void DcUiDrawingComparisonPalette::closeCancelledResult(HostDocument* before) {
  HostDocManager* docs = hostDocManager();
  HostDocument* begun = hostCurrentDocument();
  if (!docs || !begun || begun == before) return;
  docs->closeDocument(begun);
}

// The listener types ZOOMALL once the result has been drawn; the end of that
// zoom starts the comparison of the bound objects.
void DcUiDrawingComparisonPalette::zoomAllWhenDrawn() {
  if (m_deviceListener.isNull()) m_deviceListener = DcUiHostDeviceUpdateListener::createObject();
  HostDocument* document = hostCurrentDocument();
  if (!document) return;
  m_deviceListener->listenTo(document->device());
}

void DcUiDrawingComparisonPalette::comparisonDocumentActivated(OdDbDatabase*, DcComparisonManager* manager) {
  HostDocument* document = hostCurrentDocument();
  if (m_changeList) m_changeList->refresh();
  if (!manager || !document) return;
  if (!manager->findComparison(document->database()->getModelSpaceId()).isNull()) m_settingsDialog.refreshFiles(nullptr);
}

void DcUiDrawingComparisonPalette::noCurrentDocument() {
  if (m_changeList) m_changeList->refresh();
  if (getDocManReactor()->hasNoComparisons()) m_settingsDialog.resetFiles();
}

void DcUiDrawingComparisonPalette::onComparisonEnded(DcBlockTableRecordComparison* comparison) {
  if (m_changeList) m_changeList->refresh();
  if (!comparison->unsupportedObjects().empty()) {
    reportUnsupportedObjects(comparison->unsupportedObjects());
    m_unsupportedObjectsHandled = true;
  }
  getDocManReactor()->attachEventReactor();
}

DcUiDrawingComparisonPalette* comparisonPalette() { return moduleContext().find<DcUiDrawingComparisonPalette>(); }

DcUiDrawingComparisonPalette& makeComparisonPalette() {
  return *moduleContext().findOrMake<DcUiDrawingComparisonPalette>(
      [] { return std::make_shared<DcUiDrawingComparisonPalette>(); });
}

bool isPaletteVisible() {
  DcUiDrawingComparisonPalette* palette = comparisonPalette();
  return palette && palette->isShown();
}

void updateStartupEntry(bool show, const char* commandName) {
  auto profile = HostRefPtr<IProfile>::adopt(hostProfile());
  if (!profile) return;
  auto startup = HostRefPtr<IProfileSection>::adopt(profile->openSection("Startup", true));
  if (!startup) return;
  // The host types each entry's text at start: the command itself.
  if (show) startup->setString(commandName, hostToWide(OdString(commandName)).c_str());
  else startup->deleteEntry(commandName);
}

void showCompareFailure(const OdString& file1Path, const OdString& file2Path, const OdString& description) {
  hostUiMessageBox(HostUiIcon::kError, dcFormatMessage(kMsgCompareFailed, {fileNameOf(file1Path), fileNameOf(file2Path), description}));
}

}  // namespace dwgcompareui
