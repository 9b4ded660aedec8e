#include "DcCommands.h"

#include "DcComparisonManager.h"
#include "DcComparisonReport.h"
#include "DcDocManReactor.h"
#include "DcHost.h"
#include "DcMessages.h"
#include "DcUiCompareInfo.h"
#include "DcUiCompareInfoDlg.h"
#include "DcUiDrawingComparisonPalette.h"
#include "FingerprintReport.h"
#include "HostDocManager.h"
#include "HostOutputTransaction.h"
#include "HostUi.h"
#include "HostEditor.h"
#include "ICmdFactory.h"
#include "OdError.h"

namespace dwgcompare {
namespace {
constexpr const char* kDrawingCompareCommand = "DWGCOMPARE";
constexpr const char* kCompareInfoCommand = "COMPAREINFO";
constexpr const char* kCommandLineCompareInfoCommand = "-COMPAREINFO";
constexpr const char* kCommandLineCompareCommand = "-DWGCOMPARE";
constexpr const char* kCompareReportCommand = "-COMPAREREPORT";
constexpr const char* kFingerprintCommand = "DWGCOMPAREHASH";

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
  DcComparisonManager* manager = getDocManReactor()->currentComparison();
  HostDocument* document = hostCurrentDocument();
  DcBlockTableRecordComparisonPtr comparison =
      manager && document ? manager->findComparison(document->database()->getModelSpaceId())
                          : DcBlockTableRecordComparisonPtr();
  if (comparison.isNull()) {
    hostPrint(dcMessage(kMsgNotInComparisonMode));
    return kCmdFailed;
  }
  ComparisonReport report = makeComparisonReport(*manager, *comparisonImpl(comparison.get()));
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
  factory->addCommand(kFingerprintCommand, &hostCreateCommand<DcFingerprintCmd>, L"HOST", 0, 0, 0);
}

}  // namespace dwgcompare
