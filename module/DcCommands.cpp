#include "DcCommands.h"

#include "DcComparisonManager.h"
#include "DcComparisonReport.h"
#include "DcDocManReactor.h"
#include "DcHost.h"
#include "DcMessages.h"
#include "DcUiCompareInfo.h"
#include "DcUiCompareInfoDlg.h"
#include "DcRevisionClouds.h"
#include "DcUiDrawingComparisonPalette.h"
#include "FingerprintReport.h"
#include "HostDocManager.h"
#include "HostOutputTransaction.h"
#include "HostUi.h"
#include "HostEditor.h"
#include "HostGsDevice.h"
#include "ICmdFactory.h"
#include "OdError.h"

#include <cstdio>
#include <filesystem>

namespace dwgcompare {
namespace {
constexpr const char* kDrawingCompareCommand = "DWGCOMPARE";
constexpr const char* kCompareInfoCommand = "COMPAREINFO";
constexpr const char* kCommandLineCompareInfoCommand = "-COMPAREINFO";
constexpr const char* kCommandLineCompareCommand = "-DWGCOMPARE";
constexpr const char* kCompareReportCommand = "-COMPAREREPORT";
constexpr const char* kFingerprintCommand = "DWGCOMPAREHASH";
constexpr const char* kCompareChangesCommand = "-COMPARECHANGES";
constexpr const char* kCompareNextCommand = "COMPARENEXT";
constexpr const char* kComparePrevCommand = "COMPAREPREV";
constexpr const char* kCompareZoomExportCommand = "-COMPAREZOOMEXPORT";
constexpr int kChangePictureWidth = 1600;
constexpr int kChangePictureHeight = 1200;

void showPalette(dwgcompareui::DcUiDrawingComparisonPalette& palette, bool show) {
  palette.show(show);
  dwgcompareui::updateStartupEntry(show, kDrawingCompareCommand);
}

// A file the user named: chosen, and there. Tells the user when it is not.
bool isUsableFile(const OdString& path, int notSelectedMessage, int notFoundMessage) {
  if (path.isEmpty() || path.iCompare(dcMessage(kMsgSelectDrawing)) == 0) {
    hostUiMessageBox(HostUiIcon::kWarning, dcMessage(notSelectedMessage));
    return false;
  }
  if (!hostFileExists(path)) {
    hostUiMessageBox(HostUiIcon::kError, dcFormatMessage(notFoundMessage, {path}));
    return false;
  }
  return true;
}

OdString promptForFile(const char* prompt) {
  OdString path;
  HostEditor* editor = hostEditor();
  if (editor) editor->getString(prompt, path);
  return path;
}

// The records of the current result's two files; false, and the user told
// so, when the current drawing is no result.
bool currentComparedFiles(FileInfo& file1, FileInfo& file2) {
  DcComparisonManager* manager = getDocManReactor()->currentComparison();
  if (!manager) {
    hostPrint(dcMessage(kMsgNotInComparisonMode));
    return false;
  }
  file1 = manager->file1Info() ? *manager->file1Info() : FileInfo();
  file2 = manager->file2Info() ? *manager->file2Info() : FileInfo();
  return true;
}

void printCompareInfo(const OdString& text) {
  for (const OdString& line : dwgcompareui::compareInfoLines(text)) hostPrint(line);
}

// The compared files and those the open drawings came from: no report may replace them.
std::vector<OdString> filesCompared(const DcComparisonManager& manager) {
  std::vector<OdString> files;
  if (HostDocManager* docs = hostDocManager()) files = docs->protectedFiles();
  for (const FileInfo* info : {manager.file1Info(), manager.file2Info()})
    if (info) files.push_back(info->path);
  return files;
}

// "change_001.png": numbered so that a folder lists the changes in order.
std::string dcChangePictureName(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "change_%03d.png", number);
  return name;
}

// The comparison of the current result drawing, or null (and the user told) when the drawing is none.
DcBlockTableRecordComparisonImpl* currentComparison(DcComparisonManager*& manager) {
  manager = getDocManReactor()->currentComparison();
  HostDocument* document = hostCurrentDocument();
  DcBlockTableRecordComparisonPtr comparison =
      manager && document ? manager->findComparison(document->database()->getModelSpaceId())
                          : DcBlockTableRecordComparisonPtr();
  if (comparison.isNull()) hostPrint(dcMessage(kMsgNotInComparisonMode));
  return comparison.isNull() ? nullptr : comparisonImpl(comparison.get());
}
}  // namespace

int DcDrawingCompareCmd::run() {
  dwgcompareui::DcUiDrawingComparisonPalette& palette = dwgcompareui::makeComparisonPalette();
  if (!palette.isCreated()) {
    if (!palette.createWindow()) return kCmdOk;
    showPalette(palette, true);
  } else {
    showPalette(palette, !palette.isVisible());
  }
  return kCmdOk;
}

int DcDrawingCompareCmd::state() {
  return dwgcompareui::isPaletteVisible() ? kCmdEnabled | kCmdChecked : kCmdEnabled;
}

int DcCompareInfoCmd::run() {
  FileInfo file1, file2;
  if (currentComparedFiles(file1, file2) && !dwgcompareui::openCompareInfoDialog(file1, file2))
    printCompareInfo(dwgcompareui::compareInfoText(file1, file2));
  return kCmdOk;
}

int DcCommandLineCompareInfoCmd::run() {
  FileInfo file1, file2;
  if (!currentComparedFiles(file1, file2)) return kCmdOk;
  OdString text = dwgcompareui::compareInfoText(file1, file2);
  OdString option;
  HostEditor* editor = hostEditor();
  if (editor && !editor->pendingAnswers().empty()) editor->getString("Enter an option [Print/Insert] <Print>:", option);
  if (option.isEmpty() || option.iCompare("Print") == 0 || option.iCompare("P") == 0) {
    printCompareInfo(text);
    return kCmdOk;
  }
  if (option.iCompare("Insert") != 0 && option.iCompare("I") != 0)
    throw OdError(eInvalidInput, "unknown option \"" + option + "\"; give Print or Insert");
  return dwgcompareui::insertCompareInfoText(text) ? kCmdOk : kCmdCancelled;
}

int DcCommandLineCompareCmd::run() {
  OdString file1 = promptForFile("File 1 (the original drawing):");
  if (!isUsableFile(file1, kMsgFile1NotSelected, kMsgFile1NotFound)) return kCmdFailed;
  OdString file2 = promptForFile("File 2 (the drawing to compare with it):");
  if (!isUsableFile(file2, kMsgFile2NotSelected, kMsgFile2NotFound)) return kCmdFailed;
  OdResult result;
  try {
    result = dwgcompareui::makeComparisonPalette().compare(file1, file2);
  } catch (const OdError& error) {
    // A drawing the library cannot read fails the comparison as any other cause does.
    dwgcompareui::showCompareFailure(file1, file2, error.description());
    return kCmdFailed;
  }
  if (result == eUserBreak) return kCmdCancelled;
  return result == eOk ? kCmdOk : kCmdFailed;
}

int DcCompareReportCmd::run() {
  DcComparisonManager* manager = nullptr;
  DcBlockTableRecordComparisonImpl* comparison = currentComparison(manager);
  if (!comparison) return kCmdFailed;
  ComparisonReport report = makeComparisonReport(*manager, *comparison);
  OdString path;
  HostEditor* editor = hostEditor();
  if (editor && !editor->pendingAnswers().empty() && editor->getString("JSON report file <none>:", path) == kPromptOk &&
      !path.isEmpty()) {
    if (!hostHasExtension(path, ".json"))
      throw OdError(eInvalidInput, path + ": the report is JSON; the file name must end in .json");
    hostWriteOutput(path, [&] { return comparisonReportJson(report); }, filesCompared(*manager));
  }
  for (const OdString& line : comparisonReportSummary(report)) hostPrint(line);
  return kCmdOk;
}

int DcCompareChangesCmd::run() {
  DcComparisonManager* manager = nullptr;
  DcBlockTableRecordComparisonImpl* comparison = currentComparison(manager);
  if (!comparison) return kCmdFailed;
  for (const OdString& line : changeLines(comparison->changes())) hostPrint(line);
  return kCmdOk;
}

int DcCompareStepCmd::run() {
  DcComparisonManager* manager = getDocManReactor()->currentComparison();
  if (!manager) {
    hostPrint(dcMessage(kMsgNotInComparisonMode));
    return kCmdOk;
  }
  int count = int(manager->changes().size());
  if (count == 0) {
    hostPrint(hostTranslate(L"No changes to show"));
    return kCmdOk;
  }
  // From no change selected, the next is the first and the previous the last.
  int current = manager->currentChange();
  int next = current < 0 ? (m_step > 0 ? 0 : count - 1) : (current + m_step + count) % count;
  manager->selectChange(next);
  for (const OdString& line : changeLines({manager->changes()[next]})) hostPrint(line);
  return kCmdOk;
}

int DcCompareZoomExportCmd::run() {
  DcComparisonManager* manager = nullptr;
  if (!currentComparison(manager)) return kCmdFailed;
  OdString folder;
  HostEditor* editor = hostEditor();
  if (!editor || editor->getString("Folder for one picture per change:", folder) != kPromptOk || folder.isEmpty())
    return kCmdCancelled;
  if (!std::filesystem::is_directory(folder.utf8())) throw OdError(eInvalidInput, folder + ": not a folder");
  HostGsDevice* device = hostCurrentDocument()->device();
  HostGsView shown = device->view();
  int selected = manager->currentChange();
  for (const Change& change : manager->changes()) {
    manager->selectChange(change.number - 1);
    std::filesystem::path picture = std::filesystem::path(folder.utf8()) / dcChangePictureName(change.number);
    device->exportView(OdString(picture.string()), kChangePictureWidth, kChangePictureHeight, filesCompared(*manager));
  }
  if (selected >= 0) manager->selectChange(selected);
  else highlightRevisionCloud(hostCurrentDocument()->database(), nullptr);
  device->view() = shown;
  hostPrint(OdString("Wrote " + std::to_string(manager->changes().size()) + " pictures of changes into ") + folder);
  return kCmdOk;
}

int DcFingerprintCmd::run() {
  HostDocument* document = hostCurrentDocument();
  if (!document) throw OdError(eNotApplicable, "no drawing is open");
  OdString handle;
  HostEditor* editor = hostEditor();
  bool handleGiven = editor && !editor->pendingAnswers().empty() &&
                     editor->getString("Handle of the entity <all>:", handle) == kPromptOk && !handle.isEmpty();
  if (!handleGiven) {
    for (const OdString& line : hostObjectCompare::fingerprintLines(document->database())) hostPrint(line);
    return kCmdOk;
  }
  OdDbObjectPtr object = document->database()->getOdDbObjectId(OdDbHandle(handle)).openObject();
  if (object.isNull()) throw OdError(eInvalidInput, "no object has the handle \"" + handle + "\"");
  for (const OdString& line : hostObjectCompare::fingerprintValueLines(object.get())) hostPrint(line);
  return kCmdOk;
}

void registerModuleCommands() {
  auto factory = HostRefPtr<ICmdFactory>::adopt(hostCommandFactory());
  if (!factory) return;
  factory->addCommand(kDrawingCompareCommand, &hostCreateCommand<DcDrawingCompareCmd>, L"HOST", 0, 0, 0);
  factory->addCommand(kCompareInfoCommand, &hostCreateCommand<DcCompareInfoCmd>, L"HOST", 0, 0, 0);
  factory->addCommand(kCommandLineCompareInfoCommand, &hostCreateCommand<DcCommandLineCompareInfoCmd>, L"HOST", 0, 0, 0);
  factory->addCommand(kCommandLineCompareCommand, &hostCreateCommand<DcCommandLineCompareCmd>, L"HOST", 0, 0, 0);
  factory->addCommand(kCompareReportCommand, &hostCreateCommand<DcCompareReportCmd>, L"HOST", 0, 0, 0);
  factory->addCommand(kCompareChangesCommand, &hostCreateCommand<DcCompareChangesCmd>, L"HOST", 0, 0, 0);
  factory->addCommand(kCompareNextCommand, &hostCreateCommand<DcCompareNextCmd>, L"HOST", 0, 0, 0);
  factory->addCommand(kComparePrevCommand, &hostCreateCommand<DcComparePrevCmd>, L"HOST", 0, 0, 0);
  factory->addCommand(kCompareZoomExportCommand, &hostCreateCommand<DcCompareZoomExportCmd>, L"HOST", 0, 0, 0);
  factory->addCommand(kFingerprintCommand, &hostCreateCommand<DcFingerprintCmd>, L"HOST", 0, 0, 0);
}

}  // namespace dwgcompare
