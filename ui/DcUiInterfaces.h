#pragma once

#include "OdString.h"

namespace dwgcompareui {

// What every part kept in the user-interface registry is.
class IDcUiInteface {
 public:
  virtual ~IDcUiInteface() = default;
};

class IDcUiComparisonPalette : public IDcUiInteface {
 public:
  // Compares the two files into a new result drawing.
  virtual void compareFiles(const OdString& file1Path, const OdString& file2Path) = 0;
};

class IDcUiCompareResultsPlaceDlg : public IDcUiInteface {
 public:
  virtual void onPaletteShown() = 0;
  // Fills the file rows from the current document's comparison.
  virtual void refreshFiles(void* unused) = 0;
  // Sets both file rows to "Select drawing...".
  virtual void resetFiles() = 0;
};

}  // namespace dwgcompareui
