#pragma once

#include "DcBlockTableRecordComparison.h"
#include "DcComparisonManager.h"

#include <map>
#include <string>
#include <vector>

namespace dwgcompare {

// What one comparison found, for people and for scripts.
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
  Changes changes;
};

ComparisonReport makeComparisonReport(const DcComparisonManager& manager, DcBlockTableRecordComparisonImpl& comparison);
// The fingerprinted entities of each group, as the result paints them (see
// ComparisonReport::entityCounts), from the fingerprints alone: a reopened
// result counts the same.
GroupCounts paintedCounts(const DcBlockTableRecordComparisonImpl& comparison);
std::string comparisonReportJson(const ComparisonReport& report);
// A few lines for the command line.
std::vector<OdString> comparisonReportSummary(const ComparisonReport& report);
// One line per change: its number, kind, box, objects and what differs.
std::vector<OdString> changeLines(const Changes& changes);

}  // namespace dwgcompare
