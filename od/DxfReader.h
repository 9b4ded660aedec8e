#pragma once

#include "DbDatabase.h"

#include <span>

// Reads DXF files, ASCII or binary, of every version into a new database.
// A file that cannot be read throws OdError whose description names the
// file, the line or byte offset, and what is wrong.
OdDbDatabasePtr odDxfReadFile(const OdString& path);
OdDbDatabasePtr odDxfReadBuffer(std::string_view data, const OdString& fileName);

namespace dxf {
// Picks the class of a record whose DXF name stands for several classes
// (POLYLINE, VERTEX, DIMENSION...), from the record's groups.
using ClassChooser = OdRxClass* (*)(std::span<const Group> groups);
void registerClassChooser(const OdString& dxfName, ClassChooser chooser);
}  // namespace dxf
