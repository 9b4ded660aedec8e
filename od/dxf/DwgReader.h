#pragma once

#include "DbDatabase.h"

#include <string>
#include <string_view>

// DWG drawings are read through a converter that runs as a process of its
// own (Node.js running LibreDWG, GPL-3.0) and writes DXF, which the DXF
// reader then reads. The converter never runs inside this library, so its
// licence and its crashes stay out of it.

// The version a DWG file's first bytes name ("AC1015"), or empty when they are not a DWG signature.
std::string odDwgVersionOf(std::string_view head);

// Whether the converter can run: Node.js 20 or later and the converter's package installed.
bool odDwgConverterAvailable();

// Reads a DWG drawing into a new database. Throws OdError naming the file
// and its version when the version is not read, the converter is missing,
// fails, runs out of time or memory, or gives no drawing.
OdDbDatabasePtr odDwgReadFile(const OdString& path);
