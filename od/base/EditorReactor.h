#pragma once

#include "RxEvent.h"

// Observer of a host's commands besides the database events. Every
// notification does nothing unless overridden; hosts fire the command ones.
class OdEditorReactor : public OdRxObject, public OdRxEventReactor {
  ODRX_DECLARE_MEMBERS(OdEditorReactor);

 public:
  virtual void commandWillStart(const OdString& /*commandName*/) {}
  virtual void commandEnded(const OdString& /*commandName*/) {}
  virtual void commandCancelled(const OdString& /*commandName*/) {}
  virtual void commandFailed(const OdString& /*commandName*/) {}
};
using OdEditorReactorPtr = OdSmartPtr<OdEditorReactor>;
