#include "DbHatch.h"
#include "DbText.h"
#include "DcUiChangeList.h"
#include "DcUiToolbar.h"
#include "HostQtText.h"
#include "HostMainWindow.h"
#include "module/ModuleTestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <fstream>

using namespace dwgcompare;

namespace {
const std::string kPlan = DC_SOURCE_DIR "/samples/plan.dxf";
const std::string kRevised = DC_SOURCE_DIR "/samples/plan_revised.dxf";

// Pixels of the picture near the colour.
int pixelsOf(const QImage& picture, QColor color) {
  int count = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      QColor p = picture.pixelColor(x, y);
      if (std::abs(p.red() - color.red()) + std::abs(p.green() - color.green()) + std::abs(p.blue() - color.blue()) < 40)
        ++count;
    }
  return count;
}
}  // namespace

// The host's main window with the module loaded and its palette shown, as a
// user meets them after typing DWGCOMPARE.
class PaletteTest : public LoadedModuleFixture {
 protected:
  void SetUp() override {
    LoadedModuleFixture::SetUp();
    openWindow();
  }
  void TearDown() override {
    for (QWidget* box : QApplication::topLevelWidgets())
      if (qobject_cast<QMessageBox*>(box)) delete box;
    LoadedModuleFixture::TearDown();
  }

  void openWindow() {
    auto owned = std::make_unique<HostMainWindow>(*app);
    window = owned.get();
    app->setWindow(std::move(owned));
    window->show();
    ASSERT_TRUE(window->typeLineAndSettle("DWGCOMPARE"));
    findPalette();
  }
  void findPalette() {
    dock = window->findChild<QDockWidget*>("Palette46");
    ASSERT_TRUE(dock && dock->isVisible());
  }

  template <class T = QWidget>
  T* control(const char* name) {
    T* found = dock->findChild<T*>(name);
    EXPECT_TRUE(found) << name;
    return found;
  }
  void type(QLineEdit* line, const std::string& text) {
    line->selectAll();
    QTest::keyClicks(line, QString::fromStdString(text));
    QTest::keyClick(line, Qt::Key_Return);
  }
  void chooseFile(const char* row, const std::string& path) { type(control(row)->findChild<QLineEdit*>(), path); }
  // Steps through a drop-down's entries with the arrow keys, as a user does.
  void step(const char* row, int entries) {
    QComboBox* box = control<QComboBox>(row);
    for (int i = 0; i < std::abs(entries); ++i) QTest::keyClick(box, entries > 0 ? Qt::Key_Down : Qt::Key_Up);
  }
  void pressCompare() {
    QTest::mouseClick(control<QPushButton>("Compare"), Qt::LeftButton);
    window->settle();
  }
  QImage picture() { return window->centralWidget()->grab().toImage(); }
  static QColor sharedColor() {
    OdCmColor color = getDcSettings()->sharedColor();
    uint32_t rgb = color.colorMethod() == OdCmEntityColor::kByACI ? OdCmEntityColor::indexToRGB(color.colorIndex())
                                                                    : (color.red() << 16 | color.green() << 8 | color.blue());
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  }
  // The message box the palette showed last: its icon and text; it is closed.
  std::pair<QMessageBox::Icon, std::string> takeMessageBox() {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
        std::pair<QMessageBox::Icon, std::string> shown{box->icon(), box->text().toStdString()};
        delete box;
        return shown;
      }
    return {QMessageBox::NoIcon, ""};
  }
  std::string startupEntries() {
    auto startup = HostRefPtr<IProfileSection>::adopt(app->profile().openSection("Startup", false));
    return startup && startup->hasEntry("DWGCOMPARE") ? "DWGCOMPARE" : "";
  }

  HostMainWindow* window = nullptr;
  QDockWidget* dock = nullptr;
};

TEST_F(PaletteTest, ComparingFromThePaletteShowsTheResultPaintedAndEveryRowRepaintsIt) {
  EXPECT_EQ(dock->windowTitle(), "Drawing Compare");
  EXPECT_EQ(startupEntries(), "DWGCOMPARE");
  chooseFile("Select.File 1", kPlan);
  chooseFile("Select.File 2", kRevised);
  pressCompare();
  ASSERT_EQ(app->docManager().curDocument()->name(), OdString("Result of comparing_plan and plan_revised"));
  QImage painted = picture();
  EXPECT_GT(pixelsOf(painted, Qt::green), 200);
  EXPECT_GT(pixelsOf(painted, Qt::red), 200);

  step("Visibility.File 1", +1);  // Yes -> No
  EXPECT_FALSE(getDcSettings()->isFile1Visible());
  EXPECT_EQ(pixelsOf(picture(), Qt::green), 0);

  step("Color.File 2", +4);  // red -> blue
  EXPECT_EQ(control<QComboBox>("Color.File 2")->currentText(), "blue");
  QImage recoloured = picture();
  EXPECT_EQ(pixelsOf(recoloured, Qt::red), 0);
  EXPECT_GT(pixelsOf(recoloured, Qt::blue), 200);

  int opaqueShared = pixelsOf(picture(), sharedColor());
  type(control<QComboBox>("Transparency.Shared")->lineEdit(), "50");
  EXPECT_DOUBLE_EQ(getDcSettings()->sharedTransparency(), 0.5);
  EXPECT_LT(pixelsOf(picture(), sharedColor()), opaqueShared / 4) << "shared objects blend with the background";
  type(control<QComboBox>("Transparency.Shared")->lineEdit(), "half");
  EXPECT_DOUBLE_EQ(getDcSettings()->sharedTransparency(), 0.5) << "a text that is no number changes nothing";
  EXPECT_EQ(control<QComboBox>("Transparency.Shared")->currentText(), "50");

  int beforeHiding = pixelsOf(picture(), Qt::blue);
  step("Visibility.Text", +1);
  step("Visibility.Hatch", +1);
  EXPECT_TRUE(getDcSettings()->isFilteredClass(OdDbText::desc()));
  EXPECT_TRUE(getDcSettings()->isFilteredClass(OdDbHatch::desc()));
  EXPECT_LT(pixelsOf(picture(), Qt::blue), beforeHiding);

  // Closing the palette forgets the files and its place at start.
  dock->close();
  EXPECT_FALSE(dock->isVisible());
  EXPECT_EQ(startupEntries(), "");
  EXPECT_FALSE(dwgcompareui::isPaletteVisible());
  window->typeLineAndSettle("DWGCOMPARE");
  EXPECT_EQ(control("Select.File 1")->findChild<QLineEdit*>()->text(), QString::fromStdString(kPlan))
      << "shown again over the result, the palette shows its files";
  // Another drawing current: the rows are the result's no more.
  app->typeLine("NEW");
  dock->close();
  window->typeLineAndSettle("DWGCOMPARE");
  EXPECT_EQ(control("Select.File 1")->findChild<QLineEdit*>()->text(), "Select drawing...");
}

TEST_F(PaletteTest, TheResultsChangesAreListedChosenAndCloudedInThePalette) {
  chooseFile("Select.File 1", kPlan);
  chooseFile("Select.File 2", kRevised);
  pressCompare();
  DcComparisonManager* manager = getDocManReactor()->currentComparison();
  ASSERT_TRUE(manager);
  auto* list = control<QListWidget>("Changes");
  ASSERT_GT(list->count(), 1);
  EXPECT_EQ(list->count(), int(manager->changes().size()));
  EXPECT_TRUE(list->item(0)->text().startsWith("1  "));

  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
  EXPECT_EQ(manager->currentChange(), 1);
  EXPECT_EQ(control<QPlainTextEdit>("Explanation")->toPlainText(),
            hostToQString(dwgcompareui::DcUiChangeList::explanationOf(manager->changes()[1])));
  QTest::mouseClick(control<QToolButton>("Next change"), Qt::LeftButton);
  window->settle();
  EXPECT_EQ(manager->currentChange(), 2);

  const QColor cloud(0, 255, 255);
  EXPECT_GT(pixelsOf(picture(), cloud), 100);
  step("Visibility.Revision clouds", +1);
  EXPECT_FALSE(getDcSettings()->showsRevisionClouds());
  EXPECT_EQ(pixelsOf(picture(), cloud), 0);
}

TEST_F(PaletteTest, CompareTellsWhatIsMissingInAMessageBox) {
  pressCompare();
  EXPECT_EQ(takeMessageBox(), std::make_pair(QMessageBox::Warning, std::string("File 1 is not selected.")));
  chooseFile("Select.File 1", "select DRAWING...");
  pressCompare();
  EXPECT_EQ(takeMessageBox(), std::make_pair(QMessageBox::Warning, std::string("File 1 is not selected.")));
  chooseFile("Select.File 1", kPlan);
  pressCompare();
  EXPECT_EQ(takeMessageBox(), std::make_pair(QMessageBox::Warning, std::string("File 2 is not selected.")));
  std::string gone = dir / "deleted.dxf";
  chooseFile("Select.File 2", gone);
  pressCompare();
  EXPECT_EQ(takeMessageBox(), std::make_pair(QMessageBox::Critical, "File '" + gone + "' is not found"));
  std::string notADrawing = dir / "notes.dxf";
  std::ofstream(notADrawing) << "not a drawing\n";
  chooseFile("Select.File 2", notADrawing);
  pressCompare();
  auto [icon, text] = takeMessageBox();
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_TRUE(text.starts_with("Failed to compare drawings 'plan.dxf' and 'notes.dxf'.")) << text;
  EXPECT_EQ(app->docManager().documents().size(), 0u);
}

TEST_F(PaletteTest, CancelInTheProgressDialogStopsTheComparisonQuietly) {
  chooseFile("Select.File 1", kPlan);
  chooseFile("Select.File 2", kRevised);
  bool cancelled = false;
  QTimer::singleShot(0, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* progress = qobject_cast<QProgressDialog*>(widget); progress && progress->isVisible()) {
        QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
        cancelled = true;
      }
  });
  pressCompare();
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(takeMessageBox().second, "");
  EXPECT_EQ(getDocManReactor()->currentComparison(), nullptr);
  EXPECT_EQ(app->docManager().documents().size(), 0u) << "the half-built result is closed";
}

TEST_F(PaletteTest, TheToolbarInformsOnResultsOnlyAndOpensHelp) {
  auto* toolbar = dock->findChild<dwgcompareui::DcUiToolbar*>();
  ASSERT_TRUE(toolbar);
  QAction* information = toolbar->action(dwgcompareui::DcUiToolbar::kInformation);
  EXPECT_EQ(information->toolTip(), "Information about Compared Files ");
  EXPECT_EQ(toolbar->action(dwgcompareui::DcUiToolbar::kHelp)->toolTip(), "Help Contents and Index");
  window->typeLineAndSettle(OdString("OPEN \"" + kPlan + "\""));
  toolbar->updateInformationButton();
  EXPECT_FALSE(information->isEnabled());

  window->typeLineAndSettle(OdString("-DWGCOMPARE \"" + kPlan + "\" \"" + kRevised + "\""));
  toolbar->updateInformationButton();
  ASSERT_TRUE(information->isEnabled());
  information->trigger();
  window->settle();
  EXPECT_NE(commandLog().find("Command: COMPAREINFO"), std::string::npos) << commandLog();

  OdString opened;
  app->help().setPageOpener([&](const OdString& page) { return !(opened = page).isEmpty(); });
  toolbar->action(dwgcompareui::DcUiToolbar::kHelp)->trigger();
  EXPECT_TRUE(opened.utf8().ends_with("/help/IDH_DWGCOMPARE.html")) << opened.utf8();
}

TEST_F(PaletteTest, SettingsChangedInThePaletteSurviveARestart) {
  step("Color.Shared", -3);
  uint32_t chosen = getDcSettings()->sharedColor().color();
  step("Visibility.Text", +1);
  restartWithoutModule();
  EXPECT_NE(readText(dir / "profile.ini").find("DrawingComparison"), std::string::npos);
  loadModule();
  // The palette comes back at start, with the user's choices.
  auto owned = std::make_unique<HostMainWindow>(*app);
  window = owned.get();
  app->setWindow(std::move(owned));
  window->show();
  ASSERT_TRUE(app->runStartup());
  findPalette();
  EXPECT_EQ(getDcSettings()->sharedColor().color(), chosen);
  EXPECT_EQ(control<QComboBox>("Visibility.Text")->currentText(), "No");
}
