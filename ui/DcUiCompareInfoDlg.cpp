#include "DcUiCompareInfoDlg.h"

#include "DcHost.h"
#include "DcUiCompareInfo.h"
#include "HostQtText.h"
#include "HostUi.h"

#include <QClipboard>
#include <QDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>

namespace dwgcompareui {
using namespace dwgcompare;

namespace {
// The path fields are the multi-line ones, the last of each file.
constexpr int kFile1PathControl = 1039;
constexpr int kFile2PathControl = 1041;
constexpr int kFieldsPerFile = 4;

QWidget* fieldControl(const DcUiCompareInfoField& field, QWidget* parent) {
  QWidget* control;
  if (field.control == kFile1PathControl || field.control == kFile2PathControl) {
    auto* edit = new QPlainTextEdit(hostToQString(field.value), parent);
    edit->setReadOnly(true);
    edit->setFixedHeight(edit->fontMetrics().lineSpacing() * 3);
    control = edit;
  } else {
    auto* edit = new QLineEdit(hostToQString(field.value), parent);
    edit->setReadOnly(true);
    edit->setCursorPosition(0);
    control = edit;
  }
  control->setObjectName(QStringLiteral("Field%1").arg(field.control));
  return control;
}

QPushButton* button(const char* text, const char* name, QWidget* parent) {
  auto* made = new QPushButton(QString::fromUtf8(text), parent);
  made->setObjectName(QString::fromUtf8(name));
  made->setAutoDefault(false);
  return made;
}

void addButtons(QDialog* dialog, QGridLayout* grid, const OdString& text) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  QPushButton* insert = button("Insert in the Drawing", "InsertInDrawing", dialog);
  QPushButton* copy = button("Copy to Clipboard", "CopyToClipboard", dialog);
  QPushButton* close = button("Close", "Close", dialog);
  for (QPushButton* b : {insert, copy, close}) row->addWidget(b);
  grid->addLayout(row, grid->rowCount(), 0, 1, 2);
  QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
  QObject::connect(copy, &QPushButton::clicked, dialog,
                   [text] { QGuiApplication::clipboard()->setText(hostToQString(text)); });
  // The text is placed by the command, which asks for the point with the text at the cursor.
  QObject::connect(insert, &QPushButton::clicked, dialog, [dialog] {
    dialog->accept();
    hostSendCommand(OdString("-COMPAREINFO Insert"));
  });
}
}  // namespace

bool openCompareInfoDialog(const FileInfo& file1, const FileInfo& file2) {
  QMainWindow* owner = hostUiMainWindow();
  if (!owner) return false;
  auto* dialog = new QDialog(owner);
  dialog->setObjectName(QStringLiteral("CompareInfo"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(QStringLiteral("Information about Compared Files"));
  auto* grid = new QGridLayout(dialog);
  std::vector<DcUiCompareInfoField> fields = compareInfoFields(file1, file2);
  for (size_t i = 0; i < fields.size(); ++i) {
    // A gap between File 1's fields and File 2's.
    int row = static_cast<int>(i) + (i >= kFieldsPerFile ? 1 : 0);
    grid->addWidget(new QLabel(QString::fromUtf8(fields[i].label), dialog), row, 0, Qt::AlignTop);
    grid->addWidget(fieldControl(fields[i], dialog), row, 1);
  }
  grid->setRowMinimumHeight(kFieldsPerFile, grid->verticalSpacing() * 3);
  addButtons(dialog, grid, compareInfoText(file1, file2));
  dialog->resize(dialog->fontMetrics().averageCharWidth() * 80, dialog->sizeHint().height());
  hostUiColorizeDialog(dialog);
  hostUiColorizeControls(dialog);
  dialog->open();
  return true;
}

}  // namespace dwgcompareui
