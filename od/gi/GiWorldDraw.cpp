#include "GiWorldDraw.h"

ODRX_DEFINE_NAMED(OdGiWorldDraw, "OdGiWorldDraw", OdGiCommonDraw, "", nullptr)
