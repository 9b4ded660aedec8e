#include "HostCommandLineWidget.h"

#include "HostQtText.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {
// History beyond this many lines is dropped from the top.
constexpr int kHistoryLines = 5000;

// The typing line: Up and Down bring back earlier lines, from the last one
// typed each time a line was added.
class CommandInput : public QLineEdit {
 public:
  explicit CommandInput(const QStringList& typed) : m_typed(typed) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (m_seen != m_typed.size()) m_position = m_seen = m_typed.size();
    if (event->key() == Qt::Key_Up && m_position > 0) setText(m_typed[--m_position]);
    else if (event->key() == Qt::Key_Down && m_position < m_typed.size()) {
      ++m_position;
      setText(m_position < m_typed.size() ? m_typed[m_position] : QString());
    } else QLineEdit::keyPressEvent(event);
  }

 private:
  const QStringList& m_typed;
  qsizetype m_seen = 0;
  qsizetype m_position = 0;
};
}  // namespace

HostCommandLineWidget::HostCommandLineWidget(TypeLine typeLine, QWidget* parent)
    : QWidget(parent), m_typeLine(std::move(typeLine)) {
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  m_history = new QPlainTextEdit(this);
  m_history->setReadOnly(true);
  m_history->setMaximumBlockCount(kHistoryLines);
  m_history->setFont(fixed);
  m_history->setFocusPolicy(Qt::NoFocus);
  m_input = new CommandInput(m_typed);
  m_input->setFont(fixed);
  setPrompt(OdString());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  layout->addWidget(m_history, 1);
  layout->addWidget(m_input);
  connect(m_input, &QLineEdit::returnPressed, this, [this] { submit(); });
}

void HostCommandLineWidget::appendLine(const OdString& line) { m_history->appendPlainText(hostToQString(line)); }

void HostCommandLineWidget::setPrompt(const OdString& prompt) {
  m_input->setPlaceholderText(prompt.isEmpty() ? QStringLiteral("Type a command") : hostToQString(prompt));
}

void HostCommandLineWidget::submit() {
  QString text = m_input->text().trimmed();
  m_input->clear();
  if (text.isEmpty()) return;
  if (m_typed.isEmpty() || m_typed.back() != text) m_typed.append(text);
  m_typeLine(hostFromQString(text));
}
