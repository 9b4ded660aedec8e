#pragma once

#include "DcBlockTableRecordComparison.h"
#include "DcComparisonManager.h"

#include <map>
#include <string>
#include <vector>

namespace dwgcompare {

// How many objects fall in each group: File 1's entries not in File 2's
// map, File 2's entries not in File 1's, and File 1's entries found in File 2's.
struct GroupCounts {
  size_t file1Only = 0;
  size_t file2Only = 0;
  size_t shared = 0;
};

// What one comparison found, for people and for scripts.
// A layout whose comparison failed, and why, as the failure report lists it.
struct LayoutFailure {
  OdString layout;
  OdString reason;
  bool operator==(const LayoutFailure&) const = default;
};

struct ComparisonReport {
  FileInfo file1;
  FileInfo file2;
  // Objects of model space as a user counts them: an INSERT with its
  // attributes, a dimension with its block, a polyline with its vertices are
  // one object each, in both files only when every fingerprint of it is.
  GroupCounts counts;
  GroupCounts entityCounts;                    // fingerprinted entities, as painted
  std::map<std::string, GroupCounts> byClass;  // entities by their class as bound
  std::vector<std::string> unsupported;
  std::vector<LayoutFailure> failures;
};

ComparisonReport makeComparisonReport(const DcComparisonManager& manager,
                                      const DcBlockTableRecordComparisonImpl& comparison);
std::string comparisonReportJson(const ComparisonReport& report);
// The text of a failure code, from the settings' failure reason table.
OdString failureReasonOf(int code);
// The failure report as printed: its caption, then one line a layout; none without failures.
std::vector<OdString> failureReportLines(const std::vector<LayoutFailure>& failures);
// A few lines for the command line, the failure report among them.
std::vector<OdString> comparisonReportSummary(const ComparisonReport& report);

}  // namespace dwgcompare
