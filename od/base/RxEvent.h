#pragma once

#include "RxObject.h"

#include <functional>
#include <vector>

class OdDbDatabase;
class OdDbIdMapping;
class OdRxEvent;

// Observer of what happens to databases: files opened and saved, databases
// made and destroyed, deep clones. Every notification does nothing unless
// overridden. The observer is not owned by what it is added to.
class OdRxEventReactor {
 public:
  virtual ~OdRxEventReactor() = default;

  virtual void databaseConstructed(OdDbDatabase*) {}
  virtual void databaseToBeDestroyed(OdDbDatabase*) {}
  // After a drawing file was read into the database.
  virtual void dwgFileOpened(OdDbDatabase*, const OdString& /*fileName*/) {}
  // Before the database is written to the file.
  virtual void beginSave(OdDbDatabase*, const OdString& /*fileName*/) {}
  // Before a deep clone into the destination starts, and once when it has ended.
  virtual void beginDeepClone(OdDbDatabase* /*destination*/, OdDbIdMapping&) {}
  virtual void endDeepClone(OdDbIdMapping&) {}
};

// Events kept back from the reactors, to be handed to them later in the order
// they were fired: a drawing read on a thread of its own tells of itself on
// the thread that waits for it.
class OdRxHeldEvents {
 public:
  // Hands the events to the reactors on the calling thread, once.
  void fire();

 private:
  friend class OdRxEvent;
  std::vector<std::function<void(OdRxEvent&)>> m_events;
};

// While it lives, the events fired on its thread go into the list given, not to the reactors.
class OdRxEventHold {
 public:
  explicit OdRxEventHold(OdRxHeldEvents& into);
  ~OdRxEventHold();
  OdRxEventHold(const OdRxEventHold&) = delete;
  OdRxEventHold& operator=(const OdRxEventHold&) = delete;

 private:
  OdRxHeldEvents* m_outer;
};

// Hands events to the reactors added to it, in the order they were added.
// The library's instance is in odrxSysRegistry() under "OdRxEvent".
class OdRxEvent : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdRxEvent);

 public:
  // Adding a reactor that is already there, or removing one that is not, does nothing.
  void addReactor(OdRxEventReactor* reactor);
  void removeReactor(OdRxEventReactor* reactor);
  const std::vector<OdRxEventReactor*>& reactors() const { return m_reactors; }

  void fire_databaseConstructed(OdDbDatabase* db);
  void fire_databaseToBeDestroyed(OdDbDatabase* db);
  void fire_dwgFileOpened(OdDbDatabase* db, const OdString& fileName);
  void fire_beginSave(OdDbDatabase* db, const OdString& fileName);
  void fire_beginDeepClone(OdDbDatabase* destination, OdDbIdMapping& mapping);
  void fire_endDeepClone(OdDbIdMapping& mapping);

 private:
  template <class Call>
  void fire(const Call& call);
  // True when the thread holds its events: the event is kept to be fired again later.
  static bool held(std::function<void(OdRxEvent&)> event);
  std::vector<OdRxEventReactor*> m_reactors;
};
using OdRxEventPtr = OdSmartPtr<OdRxEvent>;

// The event object of odrxSysRegistry(), or null when there is none.
OdRxEventPtr odrxEvent();
