#include "OdRxModule.h"

ODRX_DEFINE_NAMED(OdRxModule, "OdRxModule", OdRxObject, "", nullptr)
