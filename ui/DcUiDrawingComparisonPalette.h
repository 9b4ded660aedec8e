#pragma once

#include "DcBlockTableRecordComparison.h"
#include "DcDocManReactor.h"
#include "DcUiChangeList.h"
#include "DcUiCompareResultsPlaceDlg.h"
#include "DcUiHostDeviceUpdateListener.h"
#include "DcUiInterfaces.h"
#include "DcUiToolbar.h"
#include "HostUiPaletteSet.h"

#include <QPointer>

class HostDocument;

namespace dwgcompareui {

// The comparison palette "Drawing Compare": its toolbar over the settings
// dialog. It runs comparisons of the two chosen files, and follows the
// document tracking and the comparisons it started. Headless it has no
// window; its dialog keeps the rows and its messages go to the command line.
class DcUiDrawingComparisonPalette : public hostUiPaletteSet,
                                     public IDcUiComparisonPalette,
                                     public dwgcompare::DcDocManReactorResponder,
                                     public dwgcompare::DcBlockTableRecordComparisonReactor {
 public:
  ~DcUiDrawingComparisonPalette() override;

  // Makes the palette's window; false when the host cannot.
  bool createWindow();
  bool isVisible() const override;

  void compareFiles(const OdString& file1Path, const OdString& file2Path) override;
  // The same, answering the run's result code (0 when done, 293 when the
  // user cancelled); a failure has been told to the user.
  OdResult compare(const OdString& file1Path, const OdString& file2Path);

  DcUiCompareResultsPlaceDlg& settingsDialog() { return m_settingsDialog; }
  // Null headless.
  DcUiToolbar* toolbar() const { return m_toolbar.data(); }

  void comparisonDocumentActivated(OdDbDatabase* database, dwgcompare::DcComparisonManager* manager) override;
  void noCurrentDocument() override;
  void onComparisonEnded(dwgcompare::DcBlockTableRecordComparison* comparison) override;
  bool isFinished(dwgcompare::DcBlockTableRecordComparison*) override { return m_unsupportedObjectsHandled; }

 protected:
  bool onCreate() override;
  void onShow(bool visible) override;
  void onClose() override;

 private:
  void zoomAllWhenDrawn();
  void closeCancelledResult(HostDocument* before);

  QPointer<DcUiToolbar> m_toolbar;
  QPointer<DcUiChangeList> m_changeList;
  DcUiCompareResultsPlaceDlg m_settingsDialog;
  DcUiHostDeviceUpdateListenerPtr m_deviceListener;
  bool m_unsupportedObjectsHandled = false;
};

// The module's palette, or null before the first DWGCOMPARE.
DcUiDrawingComparisonPalette* comparisonPalette();
DcUiDrawingComparisonPalette& makeComparisonPalette();
// Whether the palette is shown; false while it does not exist.
bool isPaletteVisible();

// Adds (show) or removes the command's entry under the profile's "Startup"
// key, which the host runs when it starts.
void updateStartupEntry(bool show, const char* commandName);

// Tells the user that the two files could not be compared, and why.
void showCompareFailure(const OdString& file1Path, const OdString& file2Path, const OdString& description);

}  // namespace dwgcompareui
