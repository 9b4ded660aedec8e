#include "DbLayoutManagerReactor.h"

ODRX_DEFINE_NAMED(OdDbLayoutManagerReactor, "OdDbLayoutManagerReactor", OdRxObject, "", nullptr)
