#pragma once

#include "DbDatabase.h"

#include <string>

// Writes a database as an ASCII DXF file of the 2018 format (AC1032).
std::string odDxfWriteString(OdDbDatabase* db);
// The same, as saved to path: reactors hear beginSave first, so what they
// keep in the drawing is saved with it.
std::string odDxfSaveString(OdDbDatabase* db, const OdString& path);
// Writes the file atomically: a temporary file beside it, then a rename.
// Throws OdError naming the file when it cannot be written.
void odDxfWriteFile(OdDbDatabase* db, const OdString& path);
