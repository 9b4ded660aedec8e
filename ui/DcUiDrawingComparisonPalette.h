#pragma once

#include "DcBlockTableRecordComparison.h"
#include "DcDocManReactor.h"
#include "DcUiComparisonFailureReport.h"
#include "DcUiHostDeviceUpdateListener.h"

namespace dwgcompareui {

// The comparison palette: runs comparisons of the two chosen files, and
// follows the document tracking and the comparisons it started. Until the
// host offers palette windows it has no window of its own: its file rows
// are kept as text and its messages go to the command line.
class DcUiDrawingComparisonPalette : public dwgcompare::DcDocManReactorResponder,
                                     public dwgcompare::DcBlockTableRecordComparisonReactor {
 public:
  ~DcUiDrawingComparisonPalette() override;

  bool hasWindow() const { return m_hasWindow; }
  // Makes the palette's window; false when the host cannot.
  bool createWindow();
  void show(bool visible);
  bool isVisible() const override;

  // Compares the two files into a new result drawing. Answers the run's
  // result code (0 when done, 293 when the user cancelled); a failure has
  // been told to the user.
  OdResult compareFiles(const OdString& file1Path, const OdString& file2Path);

  // The two file rows: paths, or "Select drawing..." when none is chosen.
  const OdString& file1Row() const { return m_file1Row; }
  const OdString& file2Row() const { return m_file2Row; }

  void comparisonDocumentActivated(OdDbDatabase* database, dwgcompare::DcComparisonManager* manager) override;
  void noCurrentDocument() override;
  void onComparisonEnded(dwgcompare::DcBlockTableRecordComparison* comparison) override;
  bool isFinished(dwgcompare::DcBlockTableRecordComparison*) override { return m_unsupportedObjectsHandled; }

 private:
  void refreshFiles(dwgcompare::DcComparisonManager* manager);
  void resetFiles();
  void zoomAllWhenDrawn();

  bool m_hasWindow = false;
  DcUiHostDeviceUpdateListenerPtr m_deviceListener;
  DcUiComparisonFailureReport m_failureReport;
  bool m_unsupportedObjectsHandled = false;
  OdString m_file1Row;
  OdString m_file2Row;
};

// The module's palette, or null before the first DWGCOMPARE.
DcUiDrawingComparisonPalette* comparisonPalette();
DcUiDrawingComparisonPalette& makeComparisonPalette();
void destroyComparisonPalette();
// Whether the palette is shown; false while it does not exist.
bool isPaletteVisible();

// Adds (show) or removes the command's entry under the profile's "Startup"
// key, which the host runs when it starts.
void updateStartupEntry(bool show, const char* commandName);

// How the user is told what went wrong, until the host has message boxes.
void showMessage(const OdString& text);
// Tells the user that the two files could not be compared, and why.
void showCompareFailure(const OdString& file1Path, const OdString& file2Path, const OdString& description);

}  // namespace dwgcompareui
