#pragma once

#include "DbDatabase.h"

// Reads a drawing file, DXF (ASCII or binary) or DWG, by what its first
// bytes say rather than by its name. Throws OdError naming the file when it
// is neither or cannot be read.
OdDbDatabasePtr odReadDrawingFile(const OdString& path);
// The file at path as it is now: its name, identity, size and modification
// time; empty when there is none. A database read by odReadDrawingFile keeps
// its file's stamp from before the reading (readFileStamp).
std::string odFileStamp(const OdString& path);
// Whether the database was read from the file at path and the file is unchanged since.
bool odIsReadFromUnchangedFile(const OdDbDatabase* db, const OdString& path);
