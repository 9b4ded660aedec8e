#include "DcUiDrawingComparisonPalette.h"

#include "DcComparisonManagerImpl.h"
#include "DcEditorReactor.h"
#include "DcHost.h"
#include "DcMessages.h"
#include "DcUiUnsupportedObjectsMessage.h"
#include "HostAppServices.h"
#include "HostDocManager.h"
#include "HostText.h"
#include "IProfile.h"

#include <filesystem>
#include <memory>

namespace dwgcompareui {
using namespace dwgcompare;

namespace {
std::unique_ptr<DcUiDrawingComparisonPalette> g_palette;
bool g_paletteVisible = false;

// An open document's database when one has the path (ignoring case), else the file read anew.
OdDbDatabasePtr databaseOf(const OdString& path) {
  if (HostDocManager* docs = hostDocManager())
    for (HostDocument* document : docs->documents())
      if (document->filePath().iCompare(path) == 0) return OdDbDatabasePtr(document->database());
  HostAppServices* services = hostAppServices();
  return services ? services->readFile(path, false, false, HostAppServices::kShareDenyNo, OdString())
                  : OdDbDatabasePtr();
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
  // A device must not call a listener whose module has gone.
  if (!m_deviceListener.isNull()) m_deviceListener->stopListening();
}

bool DcUiDrawingComparisonPalette::createWindow() {
  m_hasWindow = true;
  resetFiles();
  return true;
}

void DcUiDrawingComparisonPalette::show(bool visible) {
  if (visible) {
    getDocManReactor()->addResponder(this);
    if (DcComparisonManager* manager = getDocManReactor()->currentComparison()) refreshFiles(manager);
  } else {
    getDocManReactor()->removeResponder(this);
  }
  g_paletteVisible = visible;
}

bool DcUiDrawingComparisonPalette::isVisible() const { return g_paletteVisible; }

OdResult DcUiDrawingComparisonPalette::compareFiles(const OdString& file1Path, const OdString& file2Path) {
  DcComparisonManagerPtr manager = DcComparisonManager::createObject();
  static_cast<DcComparisonManagerImpl*>(manager.get())->setEditorReactorMaker(&newDcEditorReactor);
  manager->addReactor(&m_failureReport);
  OdDbDatabasePtr file2 = databaseOf(file2Path);
  OdDbDatabasePtr file1 = databaseOf(file1Path);
  if (file1.isNull() || file2.isNull()) return eFileNotFound;
  OdResult result;
  {
    DocManReactorDetached detached;
    result = manager->compare(file1.get(), file2.get());
    if (result == eOk) {
      zoomAllWhenDrawn();
      getDocManReactor()->setCurrentComparison(manager.get());
      getDocManReactor()->enableOverrules();
      HostDocument* document = hostCurrentDocument();
      DcBlockTableRecordComparisonPtr comparison =
          manager->findComparison(document->database()->getModelSpaceId());
      if (!comparison.isNull()) comparison->addReactor(this);
      refreshFiles(manager.get());
    }
  }
  if (result != eOk && result != eUserBreak) showCompareFailure(file1Path, file2Path, OdError(result).description());
  return result;
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
  if (!manager || !document) return;
  if (!manager->findComparison(document->database()->getModelSpaceId()).isNull()) refreshFiles(manager);
}

void DcUiDrawingComparisonPalette::noCurrentDocument() {
  if (getDocManReactor()->hasNoComparisons()) resetFiles();
}

void DcUiDrawingComparisonPalette::onComparisonEnded(DcBlockTableRecordComparison* comparison) {
  if (!comparison->unsupportedObjects().empty()) {
    reportUnsupportedObjects(comparison->unsupportedObjects());
    m_unsupportedObjectsHandled = true;
  }
  getDocManReactor()->attachEventReactor();
}

void DcUiDrawingComparisonPalette::refreshFiles(DcComparisonManager* manager) {
  if (const FileInfo* info = manager->file1Info()) m_file1Row = info->path;
  if (const FileInfo* info = manager->file2Info()) m_file2Row = info->path;
}

void DcUiDrawingComparisonPalette::resetFiles() { m_file1Row = m_file2Row = dcMessage(kMsgSelectDrawing); }

DcUiDrawingComparisonPalette* comparisonPalette() { return g_palette.get(); }

DcUiDrawingComparisonPalette& makeComparisonPalette() {
  if (!g_palette) g_palette = std::make_unique<DcUiDrawingComparisonPalette>();
  return *g_palette;
}

void destroyComparisonPalette() {
  g_palette.reset();
  g_paletteVisible = false;
}

bool isPaletteVisible() { return g_paletteVisible; }

void updateStartupEntry(bool show, const char* commandName) {
  auto profile = HostRefPtr<IProfile>::adopt(hostProfile());
  if (!profile) return;
  auto startup = HostRefPtr<IProfileSection>::adopt(profile->openSection("Startup", true));
  if (!startup) return;
  // The host types each entry's text at start: the command itself.
  if (show) startup->setString(commandName, hostToWide(OdString(commandName)).c_str());
  else startup->deleteEntry(commandName);
}

void showMessage(const OdString& text) { hostPrint(text); }

void showCompareFailure(const OdString& file1Path, const OdString& file2Path, const OdString& description) {
  showMessage(dcFormatMessage(kMsgCompareFailed, {fileNameOf(file1Path), fileNameOf(file2Path), description}));
}

}  // namespace dwgcompareui
