#include "DcEditorReactor.h"

#include "DcHost.h"
#include "HostEditor.h"

namespace dwgcompare {

ODRX_DEFINE_MODULE_CLASS(DcEditorReactor, HostEditorReactor, odrxNewImpl<DcEditorReactor>)

OdSmartPtr<HostEditorReactor> newDcEditorReactor(DcEditorReactorResponder* responder) {
  DcEditorReactorPtr reactor = DcEditorReactor::createObject();
  reactor->setResponder(responder);
  return OdSmartPtr<HostEditorReactor>(reactor.get());
}

// A reactor that goes while registered (its comparison released before the
// zoom-all came) must not stay behind in the editor.
DcEditorReactor::~DcEditorReactor() { unregisterFromEditor(); }

void DcEditorReactor::endDeepClone(OdDbIdMapping& mapping) {
  if (m_responder) m_responder->onDeepCloneEnded(mapping);
}

void DcEditorReactor::commandEnded(const OdString& globalName) {
  if (globalName != OdString("ViewZoomAll")) return;
  if (m_responder) m_responder->onZoomAllEnded();
  unregisterFromEditor();
  hostRegen();
}

void DcEditorReactor::commandFailed(const OdString&) { unregisterFromEditor(); }

void DcEditorReactor::unregisterFromEditor() {
  if (HostEditor* editor = hostEditor()) editor->removeReactor(this);
}

}  // namespace dwgcompare
