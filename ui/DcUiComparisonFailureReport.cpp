#include "DcUiComparisonFailureReport.h"

#include "DcHost.h"

namespace dwgcompareui {
using namespace dwgcompare;

void DcUiComparisonFailureReport::addFailure(DcBlockTableRecordComparison* comparison) {
  m_failures[comparison->name()] = comparison->failureCode();
}

std::vector<LayoutFailure> DcUiComparisonFailureReport::rows() const {
  std::vector<LayoutFailure> rows;
  for (const auto& [layout, code] : m_failures) rows.push_back({layout, failureReasonOf(code)});
  return rows;
}

void DcUiComparisonFailureReport::show() const {
  for (const OdString& line : failureReportLines(rows())) hostPrint(line);
}

void DcUiComparisonFailureReport::compareFinished(DcComparisonManager*) {
  if (hasEntries()) show();
}

}  // namespace dwgcompareui
