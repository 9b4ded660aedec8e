#include "DcCommands.h"

#include "DcComparisonManager.h"
#include "DcDocManReactor.h"
#include "DcHost.h"
#include "DcMessages.h"
#include "DcUiDrawingComparisonPalette.h"
#include "HostEditor.h"
#include "ICmdFactory.h"
#include "OdError.h"

namespace dwgcompare {
namespace {
constexpr const char* kDrawingCompareCommand = "DWGCOMPARE";
constexpr const char* kCompareInfoCommand = "COMPAREINFO";
constexpr const char* kCommandLineCompareCommand = "-DWGCOMPARE";

void showPalette(dwgcompareui::DcUiDrawingComparisonPalette& palette, bool show) {
  palette.show(show);
  dwgcompareui::updateStartupEntry(show, kDrawingCompareCommand);
}

// A file the user named: chosen, and there. Tells the user when it is not.
bool isUsableFile(const OdString& path, int notSelectedMessage, int notFoundMessage) {
  if (path.isEmpty() || path.iCompare(dcMessage(kMsgSelectDrawing)) == 0) {
    dwgcompareui::showMessage(dcMessage(notSelectedMessage));
    return false;
  }
  if (!hostFileExists(path)) {
    dwgcompareui::showMessage(dcFormatMessage(notFoundMessage, {path}));
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

void printFileInfo(int number, const FileInfo* info) {
  if (!info) return;
  hostPrint(dcFormatMessage(kMsgInfoFile, {OdString::format("%d", number), info->fileName}));
  hostPrint(dcFormatMessage(kMsgInfoFolder, {info->path}));
  hostPrint(dcFormatMessage(kMsgInfoDateSaved, {info->dateSaved}));
  hostPrint(dcFormatMessage(kMsgInfoSavedBy, {info->savedBy}));
}
}  // namespace

int DcDrawingCompareCmd::run() {
  dwgcompareui::DcUiDrawingComparisonPalette& palette = dwgcompareui::makeComparisonPalette();
  if (!palette.hasWindow()) {
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
  DcComparisonManager* manager = getDocManReactor()->currentComparison();
  if (!manager) {
    hostPrint(dcMessage(kMsgNotInComparisonMode));
    return kCmdOk;
  }
  printFileInfo(1, manager->file1Info());
  printFileInfo(2, manager->file2Info());
  return kCmdOk;
}

int DcCommandLineCompareCmd::run() {
  OdString file1 = promptForFile("File 1 (the original drawing):");
  if (!isUsableFile(file1, kMsgFile1NotSelected, kMsgFile1NotFound)) return kCmdFailed;
  OdString file2 = promptForFile("File 2 (the drawing to compare with it):");
  if (!isUsableFile(file2, kMsgFile2NotSelected, kMsgFile2NotFound)) return kCmdFailed;
  OdResult result;
  try {
    result = dwgcompareui::makeComparisonPalette().compareFiles(file1, file2);
  } catch (const OdError& error) {
    // A drawing the library cannot read fails the comparison as any other cause does.
    dwgcompareui::showCompareFailure(file1, file2, error.description());
    return kCmdFailed;
  }
  if (result == eUserBreak) return kCmdCancelled;
  return result == eOk ? kCmdOk : kCmdFailed;
}

void registerModuleCommands() {
  auto factory = HostRefPtr<ICmdFactory>::adopt(hostCommandFactory());
  if (!factory) return;
  factory->addCommand(kDrawingCompareCommand, &hostCreateCommand<DcDrawingCompareCmd>, L"HOST", 0, 0, 0);
  factory->addCommand(kCompareInfoCommand, &hostCreateCommand<DcCompareInfoCmd>, L"HOST", 0, 0, 0);
  factory->addCommand(kCommandLineCompareCommand, &hostCreateCommand<DcCommandLineCompareCmd>, L"HOST", 0, 0, 0);
}

}  // namespace dwgcompare
