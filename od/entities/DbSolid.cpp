#include "DbSolid.h"

ODRX_DEFINE_NAMED(OdDbSolid, "AcDbSolid", OdDbTrace, "SOLID", odrxNewReferenced<OdDbSolid>)
