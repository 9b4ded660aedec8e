#include "DcUiChangeList.h"

#include "DcDocManReactor.h"
#include "DcHost.h"
#include "DcMessages.h"
#include "HostQtText.h"
#include "RxObject.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <map>
#include <string>

namespace dwgcompareui {
using namespace dwgcompare;

namespace {
// How often the list follows the result, as a window framework's idle update would.
constexpr int kUpdateIntervalMs = 250;

DcComparisonManager* currentManager() { return getDocManReactor()->currentComparison(); }

// The name users know an object's class by: its DXF record name ("INSERT").
std::string userClassName(const std::string& className) {
  OdRxClass* cls = odrxGetClass(OdString(className));
  return cls && !cls->dxfName().isEmpty() ? cls->dxfName().utf8() : className;
}

// "LINE", "2 LINE, ARC": the classes of one file's objects, by name.
std::string classesOf(const std::vector<ChangedObject>& objects) {
  std::map<std::string, int> counts;
  for (const ChangedObject& object : objects) ++counts[userClassName(object.className)];
  std::string text;
  for (const auto& [name, count] : counts)
    text += (text.empty() ? "" : ", ") + (count > 1 ? std::to_string(count) + " " : std::string()) + name;
  return text.empty() ? "-" : text;
}

QToolButton* commandButton(const char* name, Qt::ArrowType arrow, const char* command, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setArrowType(arrow);
  button->setToolTip(QString::fromLatin1(name));
  QObject::connect(button, &QToolButton::clicked, parent, [command] { hostSendCommand(OdString(command)); });
  return button;
}
}  // namespace

OdString DcUiChangeList::lineOf(const Change& change) {
  return OdString(std::to_string(change.number) + "  " + changeKindName(change.kind()) + "  " + classesOf(change.file1) +
                  " | " + classesOf(change.file2));
}

OdString DcUiChangeList::explanationOf(const Change& change) {
  std::string text;
  for (const FieldDifference& field : change.explanation)
    text += field.name + " (" + std::to_string(field.code) + "): " + (field.file1Value.empty() ? "-" : field.file1Value) +
            " -> " + (field.file2Value.empty() ? "-" : field.file2Value) + "\n";
  return OdString(text);
}

DcUiChangeList::DcUiChangeList(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 4, 2, 0);
  auto* header = new QHBoxLayout;
  m_caption = new QLabel(this);
  header->addWidget(m_caption, 1);
  header->addWidget(commandButton("Previous change", Qt::UpArrow, "COMPAREPREV ", this));
  header->addWidget(commandButton("Next change", Qt::DownArrow, "COMPARENEXT ", this));
  layout->addLayout(header);
  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("Changes"));
  layout->addWidget(m_list, 2);
  m_explanation = new QPlainTextEdit(this);
  m_explanation->setObjectName(QStringLiteral("Explanation"));
  m_explanation->setReadOnly(true);
  m_explanation->setMaximumHeight(90);
  layout->addWidget(m_explanation, 1);
  // A click or the arrow keys; the list's own refills are silent.
  connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) { choose(row); });
  auto* timer = new QTimer(this);
  connect(timer, &QTimer::timeout, this, [this] { refresh(); });
  timer->start(kUpdateIntervalMs);
  refresh();
}

void DcUiChangeList::refresh() {
  DcComparisonManager* manager = currentManager();
  const Changes* changes = manager ? &manager->changes() : nullptr;
  // The list's own changes of row are no user's choice.
  QSignalBlocker quiet(m_list);
  bool refill = changes != m_shown || (changes && changes->size() != m_shownCount);
  if (refill) {
    m_shown = changes;
    m_shownCount = changes ? changes->size() : 0;
    m_list->clear();
    if (changes)
      for (const Change& change : *changes) m_list->addItem(hostToQString(lineOf(change)));
    m_caption->setText(hostToQString(dcMessage(m_shownCount ? kMsgChangesCaption : kMsgNoChanges)) +
                       (m_shownCount ? QStringLiteral(" (%1)").arg(m_shownCount) : QString()));
  }
  int selected = manager ? manager->currentChange() : -1;
  if (refill || selected != m_list->currentRow()) {
    m_list->setCurrentRow(selected);
    showExplanation(selected);
  }
}

void DcUiChangeList::choose(int row) {
  DcComparisonManager* manager = currentManager();
  if (!manager || !manager->selectChange(row)) return;
  showExplanation(row);
}

void DcUiChangeList::showExplanation(int row) {
  DcComparisonManager* manager = currentManager();
  bool valid = manager && row >= 0 && row < int(manager->changes().size());
  m_explanation->setPlainText(valid ? hostToQString(explanationOf(manager->changes()[row])) : QString());
}

}  // namespace dwgcompareui
