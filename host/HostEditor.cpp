#include "HostEditor.h"

#include "HostDocManager.h"
#include "HostText.h"
#include "HostWindow.h"
#include "RxEvent.h"

#include <algorithm>
#include <sstream>

// Hands the library's database events to the editor's reactors, so that a
// plug-in observes one object for both.
class HostEditor::EventForwarder : public OdRxEventReactor {
 public:
  explicit EventForwarder(HostEditor& editor) : m_editor(editor) {}
  void dwgFileOpened(OdDbDatabase* db, const OdString& f) override {
    m_editor.fire([&](HostEditorReactor* r) { r->dwgFileOpened(db, f); });
  }
  void beginSave(OdDbDatabase* db, const OdString& f) override {
    m_editor.fire([&](HostEditorReactor* r) { r->beginSave(db, f); });
  }
  void beginDeepClone(OdDbDatabase* dest, OdDbIdMapping& m) override {
    m_editor.fire([&](HostEditorReactor* r) { r->beginDeepClone(dest, m); });
  }
  void endDeepClone(OdDbIdMapping& m) override {
    m_editor.fire([&](HostEditorReactor* r) { r->endDeepClone(m); });
  }

 private:
  HostEditor& m_editor;
};

HostEditor::HostEditor(HostDocManager& docs) : m_docs(docs), m_forwarder(new EventForwarder(*this)) {
  if (OdRxEventPtr event = odrxEvent()) event->addReactor(m_forwarder);
}

HostEditor::~HostEditor() {
  if (OdRxEventPtr event = odrxEvent()) event->removeReactor(m_forwarder);
  delete m_forwarder;
}

template <class Call>
void HostEditor::fire(const Call& call) {
  // Reactors may remove themselves while notified.
  const std::vector<HostEditorReactor*> snapshot = m_reactors;
  for (HostEditorReactor* r : snapshot)
    if (std::find(m_reactors.begin(), m_reactors.end(), r) != m_reactors.end()) call(r);
  if (m_viewReactor) call(m_viewReactor);
}

void HostEditor::addReactor(HostEditorReactor* reactor) {
  if (reactor && std::find(m_reactors.begin(), m_reactors.end(), reactor) == m_reactors.end())
    m_reactors.push_back(reactor);
}

void HostEditor::removeReactor(HostEditorReactor* reactor) { std::erase(m_reactors, reactor); }

void HostEditor::fireCommandWillStart(const OdString& name) {
  fire([&](HostEditorReactor* r) { r->commandWillStart(name); });
}
void HostEditor::fireCommandEnded(const OdString& name) {
  fire([&](HostEditorReactor* r) { r->commandEnded(name); });
}
void HostEditor::fireCommandFailed(const OdString& name) {
  fire([&](HostEditorReactor* r) { r->commandFailed(name); });
}

bool HostEditor::setVar(const OdString& name, const OdResBuf* value) {
  if (!m_vars.set(name, value)) return false;
  fire([&](HostEditorReactor* r) { r->sysVarChanged(name); });
  return true;
}

bool HostEditor::setVarFromText(const OdString& name, const OdString& text) {
  if (!m_vars.setFromText(name, text)) return false;
  fire([&](HostEditorReactor* r) { r->sysVarChanged(name); });
  return true;
}

bool HostEditor::nextAnswer(const OdString& prompt, OdString& answer) {
  if (m_answers.empty()) {
    m_docs.print(prompt + " *Cancel*");
    return false;
  }
  answer = m_answers.front();
  m_answers.pop_front();
  m_docs.print(prompt + " " + answer);
  return true;
}

int HostEditor::getString(const OdString& prompt, OdString& text) {
  return nextAnswer(prompt, text) ? kPromptOk : kPromptCancel;
}

int HostEditor::getPoint(const OdString& prompt, HostPointTracker* tracker, OdGePoint3d& point) {
  OdString answer;
  if (m_answers.empty() && m_window) {
    HostPointPick pick = m_window->pickPoint(prompt, tracker);
    if (pick.kind == HostPointPick::kCancelled) {
      m_docs.print(prompt + " *Cancel*");
      return kPromptCancel;
    }
    if (pick.kind == HostPointPick::kClicked) {
      std::ostringstream text;
      text << pick.point.x << ',' << pick.point.y << ',' << pick.point.z;
      m_docs.print(prompt + " " + OdString(text.str().c_str()));
      point = pick.point;
      if (tracker) tracker->setValue(point);
      return kPromptOk;
    }
    // Typed lines are read below as queued answers are.
    if (pick.kind == HostPointPick::kTyped) m_answers.push_back(pick.text);
  }
  if (!nextAnswer(prompt, answer)) return kPromptCancel;
  if (!hostParsePoint(answer, point)) {
    m_docs.print("Invalid point: " + answer);
    return kPromptCancel;
  }
  if (tracker) tracker->setValue(point);
  return kPromptOk;
}
