#pragma once

#include "OdString.h"

#include <string_view>

// Writes the file atomically: a temporary file beside it, synced, then a
// rename, so readers see the old file or the new one, never half of one.
// Throws OdError (eFileWriteError) naming the file when it cannot be written.
void odWriteFileAtomically(const OdString& path, std::string_view bytes);
