#include "HostCommandProcessor.h"

#include "HostCommandContext.h"
#include "ICmdProcess.h"
#include "HostDocManager.h"
#include "HostEditor.h"
#include "HostText.h"
#include "OdError.h"

HostCommandProcessor::HostCommandProcessor(HostCommandRegistry& commands, HostEditor& editor, HostDocManager& docs)
    : m_commands(commands), m_editor(editor), m_docs(docs) {}

OdString HostCommandProcessor::activeCommand() const { return m_active ? m_active->globalName() : OdString(); }

bool HostCommandProcessor::typeLine(const OdString& line) {
  if (isBusy()) {
    m_queue.push_back(line);
    return true;
  }
  bool ok = true;
  for (auto& step : hostSplitCommandLine(line)) {
    if (m_quit) break;
    ok = runStep(std::move(step)) && ok;
  }
  return ok;
}

void HostCommandProcessor::sendStringToExecute(const OdString& line) {
  if (isBusy()) m_queue.push_back(line);
  else typeLine(line);
}

bool HostCommandProcessor::fail(const OdString& message) {
  ++m_failures;
  m_docs.print(message);
  return false;
}

bool HostCommandProcessor::runStep(std::vector<OdString> words) {
  OdString name = words.front().upper();
  std::deque<OdString> answers(words.begin() + 1, words.end());
  bool ok;
  if (const HostCommandRegistry::Entry* entry = m_commands.find(name)) ok = runCommand(*entry, std::move(answers));
  else if (m_editor.variables().has(name)) ok = runVariable(name, answers);
  else ok = fail("Unknown command \"" + name + "\".");
  return runQueued() && ok;
}

bool HostCommandProcessor::runCommand(const HostCommandRegistry::Entry& entry, std::deque<OdString> answers) {
  ICmdProcess* made = nullptr;
  if (!entry.creator(&made) || !made) return fail(entry.name + ": the command could not be made.");
  auto command = HostRefPtr<ICmdProcess>::adopt(made);
  auto context = HostRefPtr<HostCommandContext>::adopt(new HostCommandContext(m_docs.curDocument(), entry.globalName));
  command->setContext(context.get());
  m_editor.setAnswers(std::move(answers));
  // Busy until the reactors have heard the end, so that what they send runs after it.
  m_active = context.get();
  struct Idle {
    HostCommandContext*& active;
    ~Idle() { active = nullptr; }
  } idle{m_active};

  m_docs.print("Command: " + entry.name);
  m_editor.fireCommandWillStart(context->globalName());
  OdString problem;
  int result = kCmdFailed;
  try {
    result = command->run();
  } catch (const OdError& e) {
    problem = e.description();
  } catch (const std::exception& e) {
    problem = OdString(e.what());
  } catch (...) {
    problem = "unexpected error";
  }
  command->setContext(nullptr);
  std::deque<OdString> unused = m_editor.pendingAnswers();
  m_editor.clearAnswers();

  if (result == kCmdOk && problem.isEmpty()) {
    m_editor.fireCommandEnded(context->globalName());
    if (unused.empty()) return true;
    return fail(entry.name + ": unused input \"" + unused.front() + "\".");
  }
  m_editor.fireCommandFailed(context->globalName());
  if (result == kCmdCancelled && problem.isEmpty()) return fail(entry.name + ": *Cancel*");
  return fail(entry.name + " failed" + (problem.isEmpty() ? OdString(".") : ": " + problem));
}

bool HostCommandProcessor::runVariable(const OdString& name, const std::deque<OdString>& answers) {
  if (answers.empty()) {
    m_docs.print(name + " = " + HostSystemVariables::toText(m_editor.getVar(name).get()));
    return true;
  }
  if (answers.size() > 1) return fail(name + ": unused input \"" + answers[1] + "\".");
  if (!m_editor.setVarFromText(name, answers.front()))
    return fail(m_editor.variables().refusal(name, answers.front()) + ".");
  return true;
}

bool HostCommandProcessor::runQueued() {
  bool ok = true;
  while (!m_queue.empty() && !m_quit) {
    OdString line = m_queue.front();
    m_queue.pop_front();
    ok = typeLine(line) && ok;
  }
  return ok;
}
