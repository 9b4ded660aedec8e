#include "HostUi.h"

#include "HostApp.h"
#include "HostQtText.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPalette>
#include <QStringList>

namespace {
QMessageBox::Icon qtIcon(HostUiIcon icon) {
  switch (icon) {
    case HostUiIcon::kWarning: return QMessageBox::Warning;
    case HostUiIcon::kError: return QMessageBox::Critical;
    case HostUiIcon::kInformation: break;
  }
  return QMessageBox::Information;
}

// "Drawing (*.dwg)|*.dwg|" as Qt writes it: "Drawing (*.dwg)".
QString qtFilter(const OdString& filter) {
  QStringList parts = hostToQString(filter).split(QLatin1Char('|'), Qt::SkipEmptyParts);
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    filters << (parts[i].contains(QLatin1Char('(')) ? parts[i] : parts[i] + " (" + patterns.replace(';', ' ') + ")");
  }
  return filters.join(QStringLiteral(";;"));
}

// The colours of the host's dark appearance, around its dark drawing views.
QPalette darkPalette() {
  QPalette palette;
  palette.setColor(QPalette::Window, QColor(45, 45, 48));
  palette.setColor(QPalette::WindowText, QColor(230, 230, 230));
  palette.setColor(QPalette::Base, QColor(33, 33, 36));
  palette.setColor(QPalette::AlternateBase, QColor(52, 52, 56));
  palette.setColor(QPalette::Text, QColor(230, 230, 230));
  palette.setColor(QPalette::Button, QColor(60, 60, 64));
  palette.setColor(QPalette::ButtonText, QColor(230, 230, 230));
  palette.setColor(QPalette::Highlight, QColor(0, 110, 200));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
  return palette;
}

bool hasDarkAppearance() {
  HostApp* app = HostApp::current();
  return app && app->window().appearanceFlag() == 1;
}
}  // namespace

QMainWindow* hostUiMainWindow() {
  HostApp* app = HostApp::current();
  if (!app || app->window().isHeadless()) return nullptr;
  return static_cast<QMainWindow*>(app->window().handle());
}

void hostUiMessageBox(HostUiIcon icon, const OdString& text) {
  if (HostApp* app = HostApp::current()) app->docManager().print(text);
  QMainWindow* window = hostUiMainWindow();
  if (!window) return;
  auto* box = new QMessageBox(qtIcon(icon), window->windowTitle(), hostToQString(text), QMessageBox::Ok, window);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

QWidget* hostUiDialogParent() {
  HostApp* app = HostApp::current();
  return app && app->window().waitsForUser() ? hostUiMainWindow() : nullptr;
}

bool hostUiTaskDialog(const OdString& title, const OdString& instruction, const OdString& content,
                      const OdString& button, const OdString& verification) {
  QWidget* parent = hostUiDialogParent();
  if (!parent) {
    if (HostApp* app = HostApp::current()) app->docManager().print(instruction + "\n" + content);
    return false;
  }
  QMessageBox box(QMessageBox::Information, hostToQString(title), hostToQString(instruction), QMessageBox::NoButton,
                  parent);
  box.setInformativeText(hostToQString(content));
  box.addButton(hostToQString(button), QMessageBox::AcceptRole);
  auto* silence = new QCheckBox(hostToQString(verification), &box);
  box.setCheckBox(silence);
  box.exec();
  return silence->isChecked();
}

OdString hostUiOpenFileName(const OdString& filter) {
  QMainWindow* window = hostUiMainWindow();
  if (!window) return OdString();
  return hostFromQString(QFileDialog::getOpenFileName(window, QString(), QString(), qtFilter(filter)));
}

void hostUiColorizeDialog(QWidget* dialog) {
  if (!dialog || !hasDarkAppearance()) return;
  dialog->setAutoFillBackground(true);
  dialog->setPalette(darkPalette());
}

void hostUiColorizeControls(QWidget* dialog) {
  if (!dialog || !hasDarkAppearance()) return;
  for (QWidget* control : dialog->findChildren<QWidget*>()) control->setPalette(darkPalette());
}
