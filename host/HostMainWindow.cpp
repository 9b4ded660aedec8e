#include "HostMainWindow.h"

#include "HostApp.h"
#include "HostCommandLineWidget.h"
#include "HostDrawingView.h"
#include "HostGsDevice.h"
#include "HostQtText.h"
#include "HostText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDockWidget>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>

namespace {
// Room for a few lines of messages; the drawing gets the rest.
constexpr int kCommandLineHeight = 150;
// A drawing's listeners may send a command, whose end may draw again: a few rounds settle it.
constexpr int kMostSettlingRounds = 8;
constexpr int kProgressWaitMs = 50;
constexpr const char* kLayoutSection = "MainWindow";
constexpr const char* kLayoutKey = "Layout";
}  // namespace

struct HostMainWindow::Pick {
  explicit Pick(HostPointTracker* t) : tracker(t) {}
  HostPointTracker* tracker;
  // Stays a cancel unless answered: the loop also ends when the application quits.
  HostPointPick answer{HostPointPick::kCancelled, {}, {}};
  QEventLoop loop;

  void finish(HostPointPick::Kind kind) {
    answer.kind = kind;
    loop.quit();
  }
};

HostMainWindow::HostMainWindow(HostApp& app) : m_app(app) {
  setDockNestingEnabled(true);
  // The command line runs the whole width, under side palettes too.
  setCorner(Qt::BottomLeftCorner, Qt::BottomDockWidgetArea);
  setCorner(Qt::BottomRightCorner, Qt::BottomDockWidgetArea);

  m_tabs = new QTabWidget(this);
  m_tabs->setDocumentMode(true);
  m_tabs->setTabsClosable(true);
  setCentralWidget(m_tabs);
  connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
    if (auto* view = static_cast<HostDrawingView*>(m_tabs->widget(index)))
      if (view->document()) m_app.docManager().setCurDocument(view->document());
  });
  connect(m_tabs, &QTabWidget::tabCloseRequested, this, [this](int index) {
    // The document's command is waiting for a point.
    if (m_pick) return;
    m_tabs->setCurrentIndex(index);
    typeLine("CLOSE");
  });

  m_commandLine = new HostCommandLineWidget([this](const OdString& line) { typeLine(line); });
  auto* dock = new QDockWidget(QStringLiteral("Command line"), this);
  dock->setObjectName(QStringLiteral("CommandLine"));
  dock->setWidget(m_commandLine);
  dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
  addDockWidget(Qt::BottomDockWidgetArea, dock);
  resizeDocks({dock}, {kCommandLineHeight}, Qt::Vertical);

  // What plug-ins send to execute while no command runs is typed once the
  // window is idle again, not inside the painting or the event that sent it.
  app.docManager().setExecuteSink([this](const OdString& line) {
    if (m_app.processor().isBusy()) m_app.processor().sendStringToExecute(line);
    else queueLine(line);
  });
  app.help().setPageOpener([](const OdString& page) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(hostToQString(page)));
  });
  ProgressBar::setDisplay(this);
  for (const OdString& line : app.docManager().commandLine().log()) m_commandLine->appendLine(line);
  app.docManager().setCommandLineObserver(this);
  app.docManager().addReactor(this);
  for (HostDocument* doc : app.docManager().documents()) documentCreated(doc);
  documentBecameCurrent(app.docManager().curDocument());
  resize(1200, 800);
  restoreLayout();
}

HostMainWindow::~HostMainWindow() {
  if (ProgressBar::display() == this) ProgressBar::setDisplay(nullptr);
  m_app.help().setPageOpener(nullptr);
  HostCommandProcessor& processor = m_app.processor();
  m_app.docManager().setExecuteSink([&processor](const OdString& line) { processor.sendStringToExecute(line); });
  m_app.docManager().removeReactor(this);
  m_app.docManager().setCommandLineObserver(nullptr);
}

void HostMainWindow::typeLine(const OdString& line) {
  if (m_pick) {
    m_pick->answer.text = line;
    m_pick->finish(HostPointPick::kTyped);
    return;
  }
  m_app.typeLine(line);
  if (m_app.processor().quitRequested()) close();
}

void HostMainWindow::queueLine(const OdString& line) {
  ++m_queuedLines;
  QTimer::singleShot(0, this, [this, line] { typeQueuedLine(line); });
}

void HostMainWindow::typeQueuedLine(const OdString& line) {
  // A long operation lets events through for its Cancel button: the line waits for its end.
  if (m_progress) {
    QTimer::singleShot(kProgressWaitMs, this, [this, line] { typeQueuedLine(line); });
    return;
  }
  --m_queuedLines;
  typeLine(line);
}

bool HostMainWindow::typeLineAndSettle(const OdString& line) {
  bool ok = m_app.typeLine(line);
  settle();
  return ok;
}

void HostMainWindow::settle() {
  for (int round = 0; round < kMostSettlingRounds && !m_app.processor().quitRequested(); ++round) {
    if (HostDrawingView* view = viewOf(m_app.docManager().curDocument())) view->repaint();
    QCoreApplication::processEvents();
    if (m_queuedLines == 0) break;
  }
}

void HostMainWindow::restoreLayout() {
  auto section = HostRefPtr<IProfileSection>::adopt(m_app.profile().openSection(kLayoutSection, false));
  const wchar_t* layout = section ? section->getString(kLayoutKey) : nullptr;
  if (!layout) return;
  QByteArray state = QByteArray::fromBase64(hostToQString(hostFromWide(layout)).toLatin1());
  restoreState(state);
}

void HostMainWindow::saveLayout() {
  auto section = HostRefPtr<IProfileSection>::adopt(m_app.profile().openSection(kLayoutSection, true));
  if (!section) return;
  QString state = QString::fromLatin1(saveState().toBase64());
  section->setString(kLayoutKey, hostToWide(hostFromQString(state)).c_str());
}

void HostMainWindow::closeEvent(QCloseEvent* event) {
  saveLayout();
  QMainWindow::closeEvent(event);
}

void HostMainWindow::start(const OdString& text, int range) {
  if (!m_progress) {
    m_progress = new QProgressDialog(this);
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(0);
    m_progress->setAutoReset(false);
    m_progress->setAutoClose(false);
  }
  m_progress->setLabelText(hostToQString(text));
  m_progress->setRange(0, range);
  m_progress->setValue(0);
  m_progress->show();
  QCoreApplication::processEvents();
}

void HostMainWindow::setPosition(int position) {
  // Also lets the user press Cancel.
  if (m_progress) m_progress->setValue(position);
}

void HostMainWindow::setText(const OdString& text) {
  if (m_progress) m_progress->setLabelText(hostToQString(text));
  QCoreApplication::processEvents();
}

void HostMainWindow::finish() {
  if (m_progress) m_progress->deleteLater();
  m_progress = nullptr;
}

bool HostMainWindow::isCancelled() const { return m_progress && m_progress->wasCanceled(); }

HostDrawingView* HostMainWindow::viewOf(HostDocument* doc) const {
  for (int i = 0; i < m_tabs->count(); ++i) {
    auto* view = static_cast<HostDrawingView*>(m_tabs->widget(i));
    if (doc && view->document() == doc) return view;
  }
  return nullptr;
}

void HostMainWindow::zoomAll(HostDocument* doc) {
  if (!doc) return;
  doc->device()->zoomExtents();
  updateView(doc);
}

void HostMainWindow::regen(int) {
  for (int i = 0; i < m_tabs->count(); ++i) m_tabs->widget(i)->update();
}

void HostMainWindow::updateView(HostDocument* doc) {
  HostDrawingView* view = viewOf(doc);
  if (!view) return;
  view->update();
  // A command may have renamed the document (SAVEAS).
  m_tabs->setTabText(m_tabs->indexOf(view), hostToQString(doc->name()));
  showTitle();
}

void HostMainWindow::documentCreated(HostDocument* doc) {
  auto* view = new HostDrawingView(doc, m_app.docManager());
  m_tabs->addTab(view, hostToQString(doc->name()));
}

void HostMainWindow::documentToBeDestroyed(HostDocument* doc) {
  HostDrawingView* view = viewOf(doc);
  if (!view) return;
  view->forgetDocument();
  m_tabs->removeTab(m_tabs->indexOf(view));
  // Later: the document may be closed from inside the view's own painting.
  view->deleteLater();
}

void HostMainWindow::documentBecameCurrent(HostDocument* doc) {
  if (HostDrawingView* view = viewOf(doc)) m_tabs->setCurrentWidget(view);
  showTitle();
}

void HostMainWindow::showTitle() {
  HostDocument* doc = m_app.docManager().curDocument();
  setWindowTitle(doc ? QStringLiteral("cadhost - ") + hostToQString(doc->name()) : QStringLiteral("cadhost"));
}

void HostMainWindow::linePrinted(const OdString& line) { m_commandLine->appendLine(line); }

HostPointPick HostMainWindow::pickPoint(const OdString& prompt, HostPointTracker* tracker) {
  if (!m_promptsWait) return {};
  // One prompt at a time: a second one (from a tracker, say) is cancelled.
  if (m_pick) return {HostPointPick::kCancelled, {}, {}};
  Pick pick(tracker);
  m_pick = &pick;
  HostDocument* doc = m_app.docManager().curDocument();
  HostGsDevice* device = doc ? doc->device() : nullptr;
  if (device && tracker) device->setFollowingEntity(tracker->followingEntity());
  m_commandLine->setPrompt(prompt);
  // Application-wide: Escape cancels wherever the keyboard focus is.
  qApp->installEventFilter(this);
  pick.loop.exec();
  qApp->removeEventFilter(this);
  m_commandLine->setPrompt(OdString());
  // Tabs do not close while a point is asked for: the document is still open.
  if (device) device->setFollowingEntity(nullptr);
  m_pick = nullptr;
  return pick.answer;
}

bool HostMainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (!m_pick) return QMainWindow::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    m_pick->finish(HostPointPick::kCancelled);
    return true;
  }
  auto* view = dynamic_cast<HostDrawingView*>(watched);
  if (!view || !view->document()) return QMainWindow::eventFilter(watched, event);
  if (event->type() == QEvent::MouseMove) {
    if (m_pick->tracker) {
      m_pick->tracker->setValue(view->worldPointAt(static_cast<QMouseEvent*>(event)->position()));
      view->update();
    }
    return false;  // the view still pans with the middle button
  } else if (event->type() == QEvent::MouseButtonPress) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    m_pick->answer.point = view->worldPointAt(mouse->position());
    m_pick->finish(HostPointPick::kClicked);
    return true;  // a pick, not the start of a drag
  }
  return QMainWindow::eventFilter(watched, event);
}
