#include "DcUiUnsupportedObjectsMessage.h"

#include "DcHost.h"
#include "DcMessages.h"
#include "DcModuleContext.h"
#include "DcSettings.h"
#include "DcUiSettings.h"
#include "HostText.h"
#include "HostUi.h"

namespace dwgcompareui {
using namespace dwgcompare;

namespace {
bool showInHost(const DcUiUnsupportedObjectsMessage& message) {
  return hostUiTaskDialog(message.title, message.instruction, message.content, message.button, message.verification);
}

// Kept with the module's state, so that a test's presenter goes with it.
struct PresenterPart {
  DcUiUnsupportedObjectsPresenter shown = &showInHost;
};

DcUiUnsupportedObjectsPresenter& presenter() {
  return moduleContext().findOrMake<PresenterPart>([] { return std::make_shared<PresenterPart>(); })->shown;
}

DcUiSettings* uiSettings() {
  DcSettings* settings = getDcSettings();
  return settings ? settings->uiSettings() : nullptr;
}
}  // namespace

bool shouldShowUnsupportedObjectsMessage(const DcBlockTableRecordComparison::UnsupportedClasses& classes) {
  DcUiSettings* settings = uiSettings();
  return !classes.empty() && settings && settings->showFilteredObjectsMessage();
}

DcUiUnsupportedObjectsMessage unsupportedObjectsMessage(const DcBlockTableRecordComparison::UnsupportedClasses& classes) {
  OdString list;
  for (const auto& [name, unused] : classes) list += hostTranslate(hostToWide(name).c_str()) + "\n";
  return {dcMessage(kMsgPaletteCaption), dcMessage(kMsgUnsupportedObjects),
          dcFormatMessage(kMsgUnsupportedObjectsList, {list}), dcMessage(kMsgOk), dcMessage(kMsgDoNotShowAgain)};
}

void setUnsupportedObjectsPresenter(DcUiUnsupportedObjectsPresenter shown) {
  presenter() = shown ? std::move(shown) : &showInHost;
}

void reportUnsupportedObjects(const DcBlockTableRecordComparison::UnsupportedClasses& classes) {
  if (!shouldShowUnsupportedObjectsMessage(classes)) return;
  if (presenter()(unsupportedObjectsMessage(classes))) uiSettings()->setShowFilteredObjectsMessage(false);
}

}  // namespace dwgcompareui
