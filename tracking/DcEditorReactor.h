#pragma once

#include "DcBlockTableRecordComparison.h"
#include "HostEditorReactor.h"

namespace dwgcompare {

// Ties a comparison run to the editor: passes on the id mapping of every
// finished deep clone, and starts the object comparison when the zoom-all
// after the run has ended, removing itself then.
class DcEditorReactor : public HostEditorReactor {
  ODRX_DECLARE_MEMBERS(DcEditorReactor);

 public:
  ~DcEditorReactor() override;
  void setResponder(DcEditorReactorResponder* responder) { m_responder = responder; }
  DcEditorReactorResponder* responder() const { return m_responder; }

  void endDeepClone(OdDbIdMapping& mapping) override;
  void commandEnded(const OdString& globalName) override;
  void commandFailed(const OdString& globalName) override;

 private:
  void unregisterFromEditor();

  DcEditorReactorResponder* m_responder = nullptr;
};
using DcEditorReactorPtr = OdSmartPtr<DcEditorReactor>;

// A new reactor answering to the responder: the editor reactor of comparisons started here.
OdSmartPtr<HostEditorReactor> newDcEditorReactor(DcEditorReactorResponder* responder);

}  // namespace dwgcompare
