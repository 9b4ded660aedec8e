#pragma once

#include "DbDatabase.h"

// Reads a drawing file, DXF (ASCII or binary) or DWG, by what its first
// bytes say rather than by its name. Throws OdError naming the file when it
// is neither or cannot be read.
OdDbDatabasePtr odReadDrawingFile(const OdString& path);
