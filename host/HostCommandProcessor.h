#pragma once

#include "HostCommandRegistry.h"

#include <deque>
#include <vector>

class HostDocManager;
class HostEditor;
class HostCommandContext;

// Runs typed command lines. A line is split at ';' into steps; the first
// word of a step names a command (or a system variable) and the words after
// it answer the command's prompts in order.
class HostCommandProcessor {
 public:
  HostCommandProcessor(HostCommandRegistry& commands, HostEditor& editor, HostDocManager& docs);

  // Answers whether every command of the line, and of the lines they
  // queued, succeeded. While a command runs, the line is queued instead.
  bool typeLine(const OdString& line);
  // Queues a line to run when the running command has ended; with none
  // running it runs at once.
  void sendStringToExecute(const OdString& line);

  bool isBusy() const { return m_active != nullptr; }
  // The global name of the running command, or empty.
  OdString activeCommand() const;
  // Commands that failed (or were cancelled) since the processor was made.
  int failures() const { return m_failures; }
  // QUIT: no further steps or queued lines run.
  void requestQuit() { m_quit = true; }
  bool quitRequested() const { return m_quit; }

 private:
  bool runStep(std::vector<OdString> words);
  bool runCommand(const HostCommandRegistry::Entry& entry, std::deque<OdString> answers);
  bool runVariable(const OdString& name, const std::deque<OdString>& answers);
  bool runQueued();
  bool fail(const OdString& message);

  HostCommandRegistry& m_commands;
  HostEditor& m_editor;
  HostDocManager& m_docs;
  HostCommandContext* m_active = nullptr;
  std::deque<OdString> m_queue;
  int m_failures = 0;
  bool m_quit = false;
};
