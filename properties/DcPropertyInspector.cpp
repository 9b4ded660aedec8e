#include "DcPropertyInspector.h"

#include "HostQtText.h"
#include "HostUi.h"
#include "HostUiColorProperty.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QToolButton>

namespace dcproperties {
namespace {
constexpr int kDefaultLabelWidth = 151;
}  // namespace

DcPropertyInspector::DcPropertyInspector(QWidget* parent) : QTreeWidget(parent) {
  setColumnCount(2);
  header()->hide();
  header()->setStretchLastSection(true);
  setRootIsDecorated(true);
  setSelectionMode(QAbstractItemView::NoSelection);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

QTreeWidgetItem* DcPropertyInspector::groupItem(const OdString& group) {
  QString caption = hostToQString(group);
  for (int i = 0; i < topLevelItemCount(); ++i)
    if (topLevelItem(i)->text(0) == caption) return topLevelItem(i);
  auto* item = new QTreeWidgetItem(this, {caption});
  item->setFirstColumnSpanned(true);
  QFont bold = item->font(0);
  bold.setBold(true);
  item->setFont(0, bold);
  item->setExpanded(true);
  return item;
}

void DcPropertyInspector::addRow(DcPropertyRow* row) {
  m_rows.push_back(row);
  QTreeWidgetItem* parentItem = row->group().isEmpty() ? invisibleRootItem() : groupItem(row->group());
  auto* item = new QTreeWidgetItem(parentItem, {hostToQString(row->name())});
  parentItem->setExpanded(true);
  setItemWidget(item, 1, makeEditor(row));
  refresh(row);
}

QWidget* DcPropertyInspector::makeEditor(DcPropertyRow* row) {
  QWidget* editor = nullptr;
  switch (row->kind()) {
    case DcPropertyRow::Kind::kText: {
      auto* line = new QLineEdit;
      connect(line, &QLineEdit::editingFinished, this, [this, row, line] { commit(row, hostFromQString(line->text())); });
      editor = line;
      break;
    }
    case DcPropertyRow::Kind::kChoice:
    case DcPropertyRow::Kind::kEditableChoice: {
      auto* box = new QComboBox;
      for (const OdString& choice : row->choices()) box->addItem(hostToQString(choice));
      if (row->kind() == DcPropertyRow::Kind::kEditableChoice) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        connect(box->lineEdit(), &QLineEdit::editingFinished, this,
                [this, row, box] { commit(row, hostFromQString(box->currentText())); });
      }
      connect(box, &QComboBox::textActivated, this, [this, row](const QString& text) { commit(row, hostFromQString(text)); });
      editor = box;
      break;
    }
    case DcPropertyRow::Kind::kColor: {
      auto* colorRow = static_cast<DcColorRow*>(row);
      editor = new hostui::hostUiColorProperty(colorRow->provider(), [this, colorRow](const OdCmColor& color) {
        colorRow->setColor(color);
        refresh(colorRow);
      });
      break;
    }
    case DcPropertyRow::Kind::kFile: editor = makeFileEditor(static_cast<DcFileRow*>(row)); break;
  }
  editor->setObjectName(hostToQString(row->label()));
  return editor;
}

QWidget* DcPropertyInspector::makeFileEditor(DcFileRow* row) {
  auto* editor = new QWidget;
  auto* layout = new QHBoxLayout(editor);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);
  auto* line = new QLineEdit;
  auto* browse = new QToolButton;
  browse->setText(QStringLiteral("..."));
  browse->setObjectName(QStringLiteral("browse"));
  layout->addWidget(line, 1);
  layout->addWidget(browse);
  connect(line, &QLineEdit::editingFinished, this, [this, row, line] { commit(row, hostFromQString(line->text())); });
  connect(browse, &QToolButton::clicked, this, [this, row] {
    OdString path = hostUiOpenFileName(row->filter());
    if (!path.isEmpty()) commit(row, path);
  });
  return editor;
}

void DcPropertyInspector::commit(DcPropertyRow* row, const OdString& text) {
  if (text != row->text()) row->setText(text);
  // A refused text gives way to the value the row kept.
  refresh(row);
}

QWidget* DcPropertyInspector::editorOf(DcPropertyRow* row) const {
  return findChild<QWidget*>(hostToQString(row->label()));
}

void DcPropertyInspector::refresh(DcPropertyRow* row) {
  QWidget* editor = editorOf(row);
  if (!editor) return;
  QString text = hostToQString(row->text());
  if (auto* color = dynamic_cast<hostui::hostUiColorProperty*>(editor)) color->setColor(static_cast<DcColorRow*>(row)->color());
  else if (auto* box = dynamic_cast<QComboBox*>(editor)) box->setCurrentText(text);
  else if (auto* line = dynamic_cast<QLineEdit*>(editor)) line->setText(text);
  else if (auto* fileLine = editor->findChild<QLineEdit*>()) {
    fileLine->setText(text);
    fileLine->setToolTip(text);
  }
}

void DcPropertyInspector::resizeEvent(QResizeEvent* event) {
  QTreeWidget::resizeEvent(event);
  int half = viewport()->width() / 2;
  setColumnWidth(0, half > 0 ? half : kDefaultLabelWidth);
}

void DcPropertyInspector::refreshAll() {
  for (DcPropertyRow* row : m_rows) refresh(row);
}

}  // namespace dcproperties
