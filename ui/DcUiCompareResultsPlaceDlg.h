#pragma once

#include "DcComparisonManager.h"
#include "DcPropertyRow.h"
#include "DcUiComparisonFailureReport.h"
#include "DcUiInterfaces.h"
#include "HostUiColorProperty.h"
#include "HostUiDialog.h"

#include <QPointer>

#include <array>

class QPushButton;

namespace dcproperties {
class DcPropertyInspector;
}

namespace dwgcompareui {

// The body of the palette: the File 1 and File 2 rows, how each group is
// shown, and "Compare". Display changes go straight into the comparison
// settings and repaint a current result at once. Headless it has its rows
// but no window.
class DcUiCompareResultsPlaceDlg : public hostUiDialog,
                                   public dwgcompare::DcComparisonManagerReactor,
                                   public IDcUiCompareResultsPlaceDlg,
                                   public hostui::hostUiCustomColorProvider {
 public:
  enum Row {
    kFile1, kFile2,
    kVisibilityFile1, kVisibilityFile2, kVisibilityShared, kVisibilityText, kVisibilityHatch,
    kColorFile1, kColorFile2, kColorShared,
    kTransparencyFile1, kTransparencyFile2, kTransparencyShared,
    kVisibilityClouds,
    kRowCount
  };

  // The rows exist from the start: a comparison typed on the command line fills them too.
  DcUiCompareResultsPlaceDlg();
  ~DcUiCompareResultsPlaceDlg() override;

  dcproperties::DcPropertyRow& row(Row which) { return *m_rows[which]; }
  // What "Compare" does: checks both files are chosen and there, then asks
  // the palette to compare them.
  void compare();

  void onPaletteShown() override {}
  void refreshFiles(void* unused) override;
  void resetFiles() override;

  void compareFinished(dwgcompare::DcComparisonManager*) override;
  void comparisonAdded(dwgcompare::DcBlockTableRecordComparison*) override { refreshFiles(nullptr); }
  void layoutComparisonFailed(dwgcompare::DcBlockTableRecordComparison* comparison) override {
    m_failureReport.addFailure(comparison);
  }
  void comparisonReleased(void*) override { refreshFiles(nullptr); }

  OdArray<OdCmColor> customColors() const override { return m_customColors; }

 protected:
  void onInitDialog(QWidget* window) override;

 private:
  void makeRows();
  void makeControls(QWidget* window);
  // A file row holds a path unless it shows "Select drawing..." (in any letter case).
  bool isChosen(Row which) const;
  void repaintRows();

  std::array<dcproperties::DcPropertyRowPtr, kRowCount> m_rows;
  QPointer<dcproperties::DcPropertyInspector> m_inspector;
  OdArray<OdCmColor> m_customColors;
  DcUiComparisonFailureReport m_failureReport;
};

}  // namespace dwgcompareui
