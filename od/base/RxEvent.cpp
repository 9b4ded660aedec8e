#include "RxEvent.h"

#include <algorithm>

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

void OdRxEvent::fire_databaseConstructed(OdDbDatabase* db) {
  fire([&](OdRxEventReactor* r) { r->databaseConstructed(db); });
}
void OdRxEvent::fire_databaseToBeDestroyed(OdDbDatabase* db) {
  fire([&](OdRxEventReactor* r) { r->databaseToBeDestroyed(db); });
}
void OdRxEvent::fire_dwgFileOpened(OdDbDatabase* db, const OdString& fileName) {
  fire([&](OdRxEventReactor* r) { r->dwgFileOpened(db, fileName); });
}
void OdRxEvent::fire_beginSave(OdDbDatabase* db, const OdString& fileName) {
  fire([&](OdRxEventReactor* r) { r->beginSave(db, fileName); });
}
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
