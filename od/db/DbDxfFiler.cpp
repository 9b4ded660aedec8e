#include "DbDxfFiler.h"

ODRX_DEFINE_NAMED(OdDbDxfFiler, "OdDbDxfFiler", OdRxObject, "", nullptr)
