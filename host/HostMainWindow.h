#pragma once

#include "HostApDocManagerReactor.h"
#include "HostCommandLine.h"
#include "HostWindow.h"
#include "ProgressBar.h"

#include <QMainWindow>
#include <QPointer>

class HostApp;
class HostCommandLineWidget;
class HostDrawingView;
class QProgressDialog;
class QTabWidget;

// The cadhost main window: a tab with a drawing view for each document, the
// command line docked below, dock areas all round for palettes (its handle
// is the QMainWindow, for addDockWidget) and a progress dialog with Cancel
// for long commands. Where the user left the palettes is kept in the profile.
class HostMainWindow : public QMainWindow,
                       public HostWindow,
                       private HostApDocManagerReactor,
                       private HostCommandLineObserver,
                       private ProgressDisplay {
 public:
  explicit HostMainWindow(HostApp& app);
  ~HostMainWindow() override;

  // Types a command line as the user would; the window closes after QUIT.
  void typeLine(const OdString& line);
  // Types the line, then lets the window draw and run what the drawing sent
  // (a plug-in's zoom after its result was drawn), so that the next line
  // finds the command's work done. Answers whether the command succeeded.
  bool typeLineAndSettle(const OdString& line);
  // Draws the current view and runs what its drawing sent, until nothing more comes.
  void settle();

  void* handle() const override { return static_cast<QMainWindow*>(const_cast<HostMainWindow*>(this)); }
  bool isHeadless() const override { return false; }
  void zoomAll(HostDocument* doc) override;
  void regen(int mode) override;
  void updateView(HostDocument* doc) override;
  int appearanceFlag() const override { return 1; }
  HostPointPick pickPoint(const OdString& prompt, HostPointTracker* tracker) override;
  bool waitsForUser() const override { return m_promptsWait; }
  // False: point prompts with no queued answer are cancelled and dialogs
  // that ask are answered as without a window, so that unattended runs
  // (screenshots) cannot wait for the user.
  void setPointPromptsWait(bool wait) { m_promptsWait = wait; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void documentCreated(HostDocument* doc) override;
  void documentToBeDestroyed(HostDocument* doc) override;
  void documentBecameCurrent(HostDocument* doc) override;
  void linePrinted(const OdString& line) override;

  void start(const OdString& text, int range) override;
  void setPosition(int position) override;
  void setText(const OdString& text) override;
  void finish() override;
  bool isCancelled() const override;

  void queueLine(const OdString& line);
  void restoreLayout();
  void saveLayout();
  HostDrawingView* viewOf(HostDocument* doc) const;
  void showTitle();

  struct Pick;

  HostApp& m_app;
  QTabWidget* m_tabs;
  HostCommandLineWidget* m_commandLine;
  Pick* m_pick = nullptr;  // the point prompt being waited for, if any
  bool m_promptsWait = true;
  int m_queuedLines = 0;  // sent to execute, not typed yet
  QPointer<QProgressDialog> m_progress;
};
