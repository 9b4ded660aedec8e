#include "DcCommands.h"

#include "DcComparisonManager.h"
#include "DcDocManReactor.h"
#include "DcHost.h"
#include "DcMessages.h"
#include "DcUiDrawingComparisonPalette.h"
#include "ICmdFactory.h"

namespace dwgcompare {
namespace {
constexpr const char* kDrawingCompareCommand = "DWGCOMPARE";
constexpr const char* kCompareInfoCommand = "COMPAREINFO";

void showPalette(dwgcompareui::DcUiDrawingComparisonPalette& palette, bool show) {
  palette.show(show);
  dwgcompareui::updateStartupEntry(show, kDrawingCompareCommand);
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

void registerModuleCommands() {
  auto factory = HostRefPtr<ICmdFactory>::adopt(hostCommandFactory());
  if (!factory) return;
  factory->addCommand(kDrawingCompareCommand, &hostCreateCommand<DcDrawingCompareCmd>, L"HOST", 0, 0, 0);
  factory->addCommand(kCompareInfoCommand, &hostCreateCommand<DcCompareInfoCmd>, L"HOST", 0, 0, 0);
}

}  // namespace dwgcompare
