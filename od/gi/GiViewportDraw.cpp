#include "GiViewportDraw.h"

ODRX_DEFINE_NAMED(OdGiViewportDraw, "OdGiViewportDraw", OdGiCommonDraw, "", nullptr)
