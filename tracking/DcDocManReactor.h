#pragma once

#include "DcComparisonManager.h"
#include "HostApDocManagerReactor.h"
#include "RxEvent.h"

#include <map>
#include <vector>

namespace dwgcompare {

// What the database event reactor passes on.
class DcRxEventReactorResponder {
 public:
  virtual ~DcRxEventReactorResponder() = default;
  virtual void fileOpened(OdDbDatabase*) {}
};

// What the document manager reactor tells the palette.
class DcDocManReactorResponder {
 public:
  virtual ~DcDocManReactorResponder() = default;
  virtual void comparisonDocumentActivated(OdDbDatabase*, DcComparisonManager*) {}
  virtual void noCurrentDocument() {}
  // Shown to the user: a saved result recognised while none is does not open the palette again.
  virtual bool isVisible() const { return false; }
};

// Switches the display off when any drawing file is opened, and writes the
// compared pair into a result drawing that is saved.
class DcRxEventReactor : public OdRxObject, public OdRxEventReactor {
 public:
  void addResponder(DcRxEventReactorResponder* responder);
  bool isEnabled() const { return m_enabled; }
  void setEnabled(bool enabled) { m_enabled = enabled; }

  void dwgFileOpened(OdDbDatabase* database, const OdString& fileName) override;
  void beginSave(OdDbDatabase* database, const OdString& fileName) override;

 private:
  std::vector<DcRxEventReactorResponder*> m_responders;
  bool m_enabled = true;
};
using DcRxEventReactorPtr = OdSmartPtr<DcRxEventReactor>;

// Knows which open drawings are comparison results and keeps the display
// in step with the current document.
class DcDocManReactor : public HostApDocManagerReactor, public DcRxEventReactorResponder {
 public:
  DcDocManReactor();
  ~DcDocManReactor() override;

  void addResponder(DcDocManReactorResponder* responder);
  void removeResponder(DcDocManReactorResponder* responder);
  bool hasNoComparisons() const { return m_comparisons.empty(); }
  // The manager of the current document's result drawing (it must be a DcComparisonManager);
  // the display paints what it answers.
  void setCurrentComparison(OdRxObject* manager);
  DcComparisonManager* currentComparison() const;
  void attachEventReactor();
  void detachEventReactor();
  void enableOverrules();
  void disableOverrules();
  DcRxEventReactor* eventReactor() const { return m_eventReactor.get(); }

  void documentToBeDestroyed(HostDocument* document) override;
  void documentDestroyed(const OdString& fileName) override;
  void documentBecameCurrent(HostDocument* document) override;
  void fileOpened(OdDbDatabase* database) override;

 private:
  void activateTrackedResult(OdDbDatabase* database, DcComparisonManager* manager);
  void recogniseSavedResult(OdDbDatabase* database);
  void leaveResults();
  bool isAnyResponderVisible() const;
  template <class Notify>
  void notifyResponders(Notify notify);

  DcRxEventReactorPtr m_eventReactor;
  std::vector<DcDocManReactorResponder*> m_responders;
  std::map<OdDbDatabase*, DcComparisonManagerPtr> m_comparisons;
};

// The module's document manager reactor, made on first use.
DcDocManReactor* getDocManReactor();

}  // namespace dwgcompare
