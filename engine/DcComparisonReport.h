#pragma once

#include "DcBlockTableRecordComparison.h"
#include "DcComparisonManager.h"

#include <map>
#include <string>
#include <vector>

namespace dwgcompare {

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
  Changes changes;
};

ComparisonReport makeComparisonReport(const DcComparisonManager& manager, DcBlockTableRecordComparisonImpl& comparison);
// The fingerprinted entities of each group, as the result paints them (see
// ComparisonReport::entityCounts), from the fingerprints alone: a reopened
// result counts the same.
GroupCounts paintedCounts(const DcBlockTableRecordComparisonImpl& comparison);
std::string comparisonReportJson(const ComparisonReport& report);
// The text of a failure code, from the settings' failure reason table.
OdString failureReasonOf(int code);
// The failure report as printed: its caption, then one line a layout; none without failures.
std::vector<OdString> failureReportLines(const std::vector<LayoutFailure>& failures);
// A few lines for the command line, the failure report among them.
std::vector<OdString> comparisonReportSummary(const ComparisonReport& report);
// One line per change: its number, kind, box, objects and what differs.
std::vector<OdString> changeLines(const Changes& changes);

}  // namespace dwgcompare
