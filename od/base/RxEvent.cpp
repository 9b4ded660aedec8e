#include "RxEvent.h"

#include <algorithm>
#include <utility>

// The registry's key "OdRxEvent" holds the instance, so the class goes by another run-time name.
ODRX_DEFINE_NAMED(OdRxEvent, "AcRxEvent", OdRxObject, "", odrxNewImpl<OdRxEvent>)

void OdRxEvent::addReactor(OdRxEventReactor* reactor) {
  if (reactor && std::find(m_reactors.begin(), m_reactors.end(), reactor) == m_reactors.end())
    m_reactors.push_back(reactor);
}

void OdRxEvent::removeReactor(OdRxEventReactor* reactor) {
  m_reactors.erase(std::remove(m_reactors.begin(), m_reactors.end(), reactor), m_reactors.end());
}

// Reactors may add or remove reactors while notified: those removed are not
// called any more, those added are called from the next event on.
template <class Call>
void OdRxEvent::fire(const Call& call) {
  const std::vector<OdRxEventReactor*> snapshot = m_reactors;
  for (OdRxEventReactor* reactor : snapshot)
    if (std::find(m_reactors.begin(), m_reactors.end(), reactor) != m_reactors.end()) call(reactor);
}

namespace {
thread_local OdRxHeldEvents* t_heldEvents = nullptr;
}

OdRxEventHold::OdRxEventHold(OdRxHeldEvents& into) : m_outer(std::exchange(t_heldEvents, &into)) {}
OdRxEventHold::~OdRxEventHold() { t_heldEvents = m_outer; }

void OdRxHeldEvents::fire() {
  std::vector<std::function<void(OdRxEvent&)>> events = std::move(m_events);
  m_events.clear();
  if (OdRxEventPtr event = odrxEvent())
    for (const auto& call : events) call(*event);
}

bool OdRxEvent::held(std::function<void(OdRxEvent&)> event) {
  if (!t_heldEvents) return false;
  t_heldEvents->m_events.push_back(std::move(event));
  return true;
}

void OdRxEvent::fire_databaseConstructed(OdDbDatabase* db) {
  if (held([=](OdRxEvent& e) { e.fire_databaseConstructed(db); })) return;
  fire([&](OdRxEventReactor* r) { r->databaseConstructed(db); });
}
void OdRxEvent::fire_databaseToBeDestroyed(OdDbDatabase* db) {
  if (held([=](OdRxEvent& e) { e.fire_databaseToBeDestroyed(db); })) return;
  fire([&](OdRxEventReactor* r) { r->databaseToBeDestroyed(db); });
}
void OdRxEvent::fire_dwgFileOpened(OdDbDatabase* db, const OdString& fileName) {
  if (held([=](OdRxEvent& e) { e.fire_dwgFileOpened(db, fileName); })) return;
  fire([&](OdRxEventReactor* r) { r->dwgFileOpened(db, fileName); });
}
void OdRxEvent::fire_beginSave(OdDbDatabase* db, const OdString& fileName) {
  if (held([=](OdRxEvent& e) { e.fire_beginSave(db, fileName); })) return;
  fire([&](OdRxEventReactor* r) { r->beginSave(db, fileName); });
}
// Deep clones name a mapping that lives only while they run: they are not held.
void OdRxEvent::fire_beginDeepClone(OdDbDatabase* destination, OdDbIdMapping& mapping) {
  fire([&](OdRxEventReactor* r) { r->beginDeepClone(destination, mapping); });
}
void OdRxEvent::fire_endDeepClone(OdDbIdMapping& mapping) {
  fire([&](OdRxEventReactor* r) { r->endDeepClone(mapping); });
}

OdRxEventPtr odrxEvent() { return OdRxEvent::cast(odrxSysRegistry()->getAt(OdString("OdRxEvent")).get()); }

namespace {
// The library's event object, put in the registry when the library loads.
[[maybe_unused]] const bool g_eventRegistered = [] {
  OdRxObjectPtr event = OdRxEvent::desc()->create();
  odrxSysRegistry()->putAt(OdString("OdRxEvent"), event.get());
  return true;
}();
}  // namespace
