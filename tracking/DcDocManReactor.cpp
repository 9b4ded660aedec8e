#include "DcDocManReactor.h"

#include "DcComparisonDrawableOverrule.h"
#include "DcComparisonManagerImpl.h"
#include "DcHighlightOverrule.h"
#include "DcHost.h"
#include "DcModuleContext.h"
#include "DcPairInfo.h"
#include "DbEntity.h"
#include "HostDocManager.h"

#include <algorithm>
#include <memory>

namespace dwgcompare {
namespace {
OdDbDatabase* currentDatabase() {
  HostDocument* document = hostCurrentDocument();
  return document ? document->database() : nullptr;
}

// The display paints the comparison the manager answers for.
void showComparisonOf(DcComparisonManager* manager) {
  if (const DcDisplayContext* c = static_cast<DcComparisonManagerImpl*>(manager)->displayContext())
    comparisonDrawableOverrule().setComparisonContext(c->file1Objects, c->file2Objects, c->file1Block, c->file2Block,
                                                      c->result, c->restored);
}
}  // namespace

void DcRxEventReactor::addResponder(DcRxEventReactorResponder* responder) {
  if (std::find(m_responders.begin(), m_responders.end(), responder) == m_responders.end())
    m_responders.push_back(responder);
}

void DcRxEventReactor::dwgFileOpened(OdDbDatabase* database, const OdString&) {
  if (!m_enabled) return;
  for (DcRxEventReactorResponder* responder : std::vector(m_responders)) responder->fileOpened(database);
}

void DcRxEventReactor::beginSave(OdDbDatabase* database, const OdString&) {
  if (DcComparisonManager* manager = getDocManReactor()->currentComparison())
    static_cast<DcComparisonManagerImpl*>(manager)->writePairInfo(database);
}

DcDocManReactor::DcDocManReactor() : m_eventReactor(new OdRxObjectImpl<DcRxEventReactor>(), kOdRxObjAttach) {
  m_eventReactor->addResponder(this);
}

DcDocManReactor::~DcDocManReactor() {
  // Neither the display nor the library's events may reach what goes with this reactor.
  if (!m_comparisons.empty()) comparisonDrawableOverrule().clearComparisonContext();
  if (OdRxEventPtr event = odrxEvent()) event->removeReactor(m_eventReactor.get());
}

void DcDocManReactor::addResponder(DcDocManReactorResponder* responder) {
  if (std::find(m_responders.begin(), m_responders.end(), responder) == m_responders.end())
    m_responders.push_back(responder);
}

void DcDocManReactor::removeResponder(DcDocManReactorResponder* responder) { std::erase(m_responders, responder); }

bool DcDocManReactor::isAnyResponderVisible() const {
  return std::any_of(m_responders.begin(), m_responders.end(), [](auto* r) { return r->isVisible(); });
}

template <class Notify>
void DcDocManReactor::notifyResponders(Notify notify) {
  for (DcDocManReactorResponder* responder : m_responders) notify(responder);
}

void DcDocManReactor::setCurrentComparison(OdRxObject* manager) {
  DcComparisonManagerPtr checked(OdRxObjectPtr{manager});  // not a manager: not-that-kind-of-class
  OdDbDatabase* database = currentDatabase();
  if (database) m_comparisons[database] = checked;
  if (!checked.isNull()) showComparisonOf(checked.get());
}

DcComparisonManager* DcDocManReactor::currentComparison() const {
  auto found = m_comparisons.find(currentDatabase());
  return found == m_comparisons.end() ? nullptr : found->second.get();
}

void DcDocManReactor::attachEventReactor() {
  if (OdRxEventPtr event = odrxEvent()) event->addReactor(m_eventReactor.get());
  m_eventReactor->setEnabled(true);
}

void DcDocManReactor::detachEventReactor() {
  if (OdRxEventPtr event = odrxEvent()) event->removeReactor(m_eventReactor.get());
  m_eventReactor->setEnabled(false);
}

void DcDocManReactor::enableOverrules() {
  DcComparisonDrawableOverrule& drawable = comparisonDrawableOverrule();
  drawable.setEnabled(true);
  if (!OdRxOverrule::hasOverrule(OdDbEntity::desc(), DcComparisonDrawableOverrule::desc()))
    OdRxOverrule::addOverrule(OdDbEntity::desc(), &drawable, false);
  // Each result has a device of its own: the one now current may have missed a change of the groups' looks.
  drawable.refreshHighlightStyles();
  if (!OdRxOverrule::hasOverrule(OdDbEntity::desc(), DcHighlightOverrule::desc()))
    OdRxOverrule::addOverrule(OdDbEntity::desc(), &highlightOverrule(), false);
}

void DcDocManReactor::disableOverrules() {
  comparisonDrawableOverrule().setEnabled(false);
  OdRxOverrule::removeOverrule(OdDbEntity::desc(), &comparisonDrawableOverrule());
  OdRxOverrule::removeOverrule(OdDbEntity::desc(), &highlightOverrule());
}

void DcDocManReactor::documentBecameCurrent(HostDocument* document) {
  OdDbDatabase* database = document ? document->database() : nullptr;
  auto tracked = m_comparisons.find(database);
  if (database && tracked != m_comparisons.end()) activateTrackedResult(database, tracked->second.get());
  else if (hasPairInfo(database)) recogniseSavedResult(database);
  else leaveResults();
}

// A drawing whose manager could not be rebuilt is tracked without one and drawn plainly.
void DcDocManReactor::activateTrackedResult(OdDbDatabase* database, DcComparisonManager* manager) {
  if (!manager) return leaveResults();
  manager->activate();
  showComparisonOf(manager);
  attachEventReactor();
  enableOverrules();
  notifyResponders([&](auto* r) { r->comparisonDocumentActivated(database, manager); });
}

void DcDocManReactor::recogniseSavedResult(OdDbDatabase* database) {
  DcComparisonManagerPtr manager = loadComparisonManager(database);
  m_comparisons[database] = manager;
  if (manager.isNull()) return leaveResults();
  showComparisonOf(manager.get());
  attachEventReactor();
  enableOverrules();
  hostRegen();
  notifyResponders([&](auto* r) { r->comparisonDocumentActivated(database, manager.get()); });
  if (!isAnyResponderVisible())
    hostSendCommand(OdString("DWGCOMPARE "));
}

void DcDocManReactor::leaveResults() {
  detachEventReactor();
  disableOverrules();
  notifyResponders([](auto* r) { r->noCurrentDocument(); });
}

void DcDocManReactor::documentToBeDestroyed(HostDocument* document) {
  auto tracked = m_comparisons.find(document ? document->database() : nullptr);
  if (tracked == m_comparisons.end()) return;
  if (comparisonDrawableOverrule().resultDatabase() == tracked->first) comparisonDrawableOverrule().clearComparisonContext();
  m_comparisons.erase(tracked);
  if (m_comparisons.empty()) {
    detachEventReactor();
    disableOverrules();
  }
  notifyResponders([](auto* r) { r->noCurrentDocument(); });
}

void DcDocManReactor::documentDestroyed(const OdString&) {
  if (!hostCurrentDocument()) notifyResponders([](auto* r) { r->noCurrentDocument(); });
}

void DcDocManReactor::fileOpened(OdDbDatabase*) { disableOverrules(); }

DcDocManReactor* getDocManReactor() {
  return moduleContext().findOrMake<DcDocManReactor>([] { return std::make_shared<DcDocManReactor>(); });
}

}  // namespace dwgcompare
