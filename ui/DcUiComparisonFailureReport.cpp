#include "DcUiComparisonFailureReport.h"

#include "DcHost.h"
#include "DcMessages.h"
#include "HostQtText.h"
#include "HostUi.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMainWindow>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dwgcompareui {
using namespace dwgcompare;

namespace {
constexpr int kLayoutColumnWidth = 100;
constexpr int kReasonColumnWidth = 200;

QTreeWidget* failureList(const std::vector<LayoutFailure>& rows, QWidget* parent) {
  auto* list = new QTreeWidget(parent);
  list->setObjectName(QStringLiteral("FailureList"));
  list->setRootIsDecorated(false);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setHeaderLabels({hostToQString(dcMessage(kMsgLayoutColumn)), hostToQString(dcMessage(kMsgFailureReasonColumn))});
  list->header()->resizeSection(0, kLayoutColumnWidth);
  list->header()->resizeSection(1, kReasonColumnWidth);
  for (const LayoutFailure& row : rows)
    new QTreeWidgetItem(list, {hostToQString(row.layout), hostToQString(row.reason)});
  return list;
}

void showFailureDialog(const std::vector<LayoutFailure>& rows, QMainWindow* owner) {
  auto* dialog = new QDialog(owner);
  dialog->setObjectName(QStringLiteral("ComparisonFailureReport"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(QStringLiteral("Comparison Failure Report"));
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(failureList(rows, dialog));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  layout->addWidget(buttons);
  hostUiColorizeDialog(dialog);
  hostUiColorizeControls(dialog);
  dialog->open();
}
}  // namespace

void DcUiComparisonFailureReport::addFailure(DcBlockTableRecordComparison* comparison) {
  m_failures[comparison->name()] = comparison->failureCode();
}

std::vector<LayoutFailure> DcUiComparisonFailureReport::rows() const {
  std::vector<LayoutFailure> rows;
  for (const auto& [layout, code] : m_failures) rows.push_back({layout, failureReasonOf(code)});
  return rows;
}

void DcUiComparisonFailureReport::show() const {
  for (const OdString& line : failureReportLines(rows())) hostPrint(line);
  if (QMainWindow* window = hostUiMainWindow()) showFailureDialog(rows(), window);
}

}  // namespace dwgcompareui
