#pragma once

#include "DcComparisonReport.h"

#include <map>
#include <vector>

namespace dwgcompareui {

// The layouts whose comparison failed, each with its failure code, filled
// from the manager's notifications and shown when a run has finished. It
// keeps every failure heard while it lives: a later run lists earlier ones too.
class DcUiComparisonFailureReport {
 public:
  // A later failure of a layout of the same name replaces its code.
  void addFailure(dwgcompare::DcBlockTableRecordComparison* comparison);
  bool hasEntries() const { return !m_failures.empty(); }
  // The report's rows, by layout name: the layout and the reason's text.
  std::vector<dwgcompare::LayoutFailure> rows() const;
  // Prints the report on the command line and, in the host's window, shows
  // the dialog "Comparison Failure Report" (without waiting, so that scripts go on).
  void show() const;

 private:
  std::map<OdString, int> m_failures;
};

}  // namespace dwgcompareui
