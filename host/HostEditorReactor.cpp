#include "HostEditorReactor.h"

ODRX_DEFINE_BUILTIN(HostEditorReactor, OdEditorReactor, "", nullptr)
