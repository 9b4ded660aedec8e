#include "EditorReactor.h"

ODRX_DEFINE_NAMED(OdEditorReactor, "OdEditorReactor", OdRxObject, "", nullptr)
