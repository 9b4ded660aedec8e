#pragma once

#include "DcComparisonModel.h"

namespace dwgcompareui {

// Opens the dialog "Information about Compared Files" in the host's window,
// without holding up what runs meanwhile: both files' name, date saved, last
// saver and path, "Insert in the Drawing", "Copy to Clipboard" and "Close".
// False when the host has no window.
bool openCompareInfoDialog(const dwgcompare::FileInfo& file1, const dwgcompare::FileInfo& file2);

}  // namespace dwgcompareui
