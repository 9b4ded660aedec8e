#pragma once

#include "OdString.h"

#include <QWidget>

#include <functional>

class QLineEdit;
class QPlainTextEdit;

// The command line under the drawing: the messages printed to it above, a
// line to type commands below (Up and Down walk through what was typed).
class HostCommandLineWidget : public QWidget {
 public:
  using TypeLine = std::function<void(const OdString&)>;

  explicit HostCommandLineWidget(TypeLine typeLine, QWidget* parent = nullptr);

  void appendLine(const OdString& line);
  // Shown in the typing line while a command waits for an answer; empty
  // for none.
  void setPrompt(const OdString& prompt);

 private:
  void submit();

  TypeLine m_typeLine;
  QPlainTextEdit* m_history;
  QLineEdit* m_input;
  QStringList m_typed;
};
