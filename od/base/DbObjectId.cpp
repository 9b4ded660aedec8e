#include "DbObjectId.h"

const OdDbObjectId OdDbObjectId::kNull;
