#include "DcUiUnsupportedObjectsMessage.h"

#include "DcHost.h"
#include "DcMessages.h"
#include "DcSettings.h"
#include "DcUiSettings.h"
#include "HostQtText.h"
#include "HostText.h"
#include "HostUi.h"

#include <QCheckBox>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>

namespace dwgcompareui {
using namespace dwgcompare;

namespace {
void showMessageBox(const DcUiUnsupportedObjectsMessage& message, QMainWindow* owner,
                    const DcUiUnsupportedObjectsAnswer& answer) {
  auto* box = new QMessageBox(QMessageBox::Warning, hostToQString(message.title), hostToQString(message.instruction),
                              QMessageBox::NoButton, owner);
  box->setObjectName(QStringLiteral("UnsupportedObjectsMessage"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setInformativeText(hostToQString(message.content));
  box->addButton(hostToQString(message.button), QMessageBox::AcceptRole);
  box->setCheckBox(new QCheckBox(hostToQString(message.verification), box));
  QObject::connect(box, &QMessageBox::finished, box, [box, answer] { answer(box->checkBox()->isChecked()); });
  hostUiColorizeDialog(box);
  hostUiColorizeControls(box);
  box->open();
}

void showInHost(const DcUiUnsupportedObjectsMessage& message, DcUiUnsupportedObjectsAnswer answer) {
  hostPrint(message.instruction);
  hostPrint(message.content);
  if (QMainWindow* window = hostUiMainWindow()) showMessageBox(message, window, answer);
  else answer(false);
}

DcUiUnsupportedObjectsPresenter& presenter() {
  static DcUiUnsupportedObjectsPresenter shown = &showInHost;
  return shown;
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
  presenter()(unsupportedObjectsMessage(classes), [](bool doNotShowAgain) {
    DcUiSettings* settings = uiSettings();
    if (settings && doNotShowAgain) settings->setShowFilteredObjectsMessage(false);
  });
}

}  // namespace dwgcompareui
