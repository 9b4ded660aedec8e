#pragma once

#include "DbDatabase.h"

// Reads DXF files, ASCII or binary, of every version into a new database.
// A file that cannot be read throws OdError whose description names the
// file, the line or byte offset, and what is wrong.
OdDbDatabasePtr odDxfReadFile(const OdString& path);
OdDbDatabasePtr odDxfReadBuffer(std::string_view data, const OdString& fileName);
