#pragma once

#include "EditorReactor.h"

// Observer of the host's editor: commands by their global names
// (commandWillStart, commandEnded, commandFailed), and the database events
// (endDeepClone...) the editor forwards. Not owned by the editor.
class HostEditorReactor : public OdEditorReactor {
  ODRX_DECLARE_MEMBERS(HostEditorReactor);

 public:
  // The user changed a system variable.
  virtual void sysVarChanged(const OdString& /*name*/) {}
};
