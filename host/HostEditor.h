#pragma once

#include "HostEditorReactor.h"
#include "HostPointTracker.h"
#include "HostSystemVariables.h"

#include <deque>
#include <vector>

class HostDocManager;
class HostWindow;

// What a prompt answers.
enum HostPromptStatus : int { kPromptOk = -1, kPromptCancel = -5002 };

// The user's side of commands: prompts, system variables, and the reactors
// that hear about commands.
class HostEditor {
 public:
  // Prompts and their answers are echoed on the documents' command line.
  explicit HostEditor(HostDocManager& docs);
  ~HostEditor();
  HostEditor(const HostEditor&) = delete;
  HostEditor& operator=(const HostEditor&) = delete;

  void addReactor(HostEditorReactor* reactor);
  void removeReactor(HostEditorReactor* reactor);
  // Hears everything after every other reactor: the views, which draw what
  // the reactors changed. Null for none.
  void setViewReactor(HostEditorReactor* reactor) { m_viewReactor = reactor; }
  void fireCommandWillStart(const OdString& globalName);
  void fireCommandEnded(const OdString& globalName);
  void fireCommandFailed(const OdString& globalName);

  HostSystemVariables& variables() { return m_vars; }
  // A copy of the variable's value, or null for an unknown name.
  OdResBufPtr getVar(const OdString& name) const { return m_vars.get(name); }
  bool setVar(const OdString& name, const OdResBuf* value);
  bool setVarFromText(const OdString& name, const OdString& text);

  // Without a window the answers are what was typed after the command;
  // when they run out, prompts are cancelled.
  void setAnswers(std::deque<OdString> answers) { m_answers = std::move(answers); }
  const std::deque<OdString>& pendingAnswers() const { return m_answers; }
  void clearAnswers() { m_answers.clear(); }
  // Asked for a point when no answer is queued; null for none.
  void setWindow(HostWindow* window) { m_window = window; }
  // kPromptOk and the point typed as "x,y" or "x,y,z" (or, with no answer
  // queued, picked in the window); kPromptCancel otherwise.
  int getPoint(const OdString& prompt, HostPointTracker* tracker, OdGePoint3d& point);
  int getString(const OdString& prompt, OdString& text);

 private:
  class EventForwarder;
  bool nextAnswer(const OdString& prompt, OdString& answer);
  template <class Call>
  void fire(const Call& call);

  HostDocManager& m_docs;
  HostSystemVariables m_vars;
  std::vector<HostEditorReactor*> m_reactors;
  std::deque<OdString> m_answers;
  EventForwarder* m_forwarder;
  HostEditorReactor* m_viewReactor = nullptr;
  HostWindow* m_window = nullptr;
};
