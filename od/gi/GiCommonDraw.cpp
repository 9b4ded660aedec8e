#include "GiCommonDraw.h"

ODRX_DEFINE_NAMED(OdGiCommonDraw, "OdGiCommonDraw", OdRxObject, "", nullptr)
