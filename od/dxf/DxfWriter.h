#pragma once

#include "DbDatabase.h"

#include <functional>
#include <string>
#include <string_view>

// Takes the text of a file as it is written, piece after piece.
using DxfTextSink = std::function<void(std::string_view piece)>;

// Writes a database as an ASCII DXF file of the 2018 format (AC1032).
void odDxfWrite(OdDbDatabase* db, const DxfTextSink& sink);
std::string odDxfWriteString(OdDbDatabase* db);
// The same, as saved to path: reactors hear beginSave first, so what they
// keep in the drawing is saved with it.
void odDxfSave(OdDbDatabase* db, const OdString& path, const DxfTextSink& sink);
std::string odDxfSaveString(OdDbDatabase* db, const OdString& path);
// Writes the file atomically: a temporary file beside it, then a rename.
// Throws OdError naming the file when it cannot be written.
void odDxfWriteFile(OdDbDatabase* db, const OdString& path);
