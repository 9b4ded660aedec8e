#include "DbMText.h"
#include "DcUiCompareInfo.h"
#include "HostDocManager.h"
#include "HostMainWindow.h"
#include "module/ModuleTestSupport.h"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace dwgcompare;

namespace {
const std::string kPlan = DC_SOURCE_DIR "/samples/plan.dxf";
const std::string kRevised = DC_SOURCE_DIR "/samples/plan_revised.dxf";
}  // namespace

// COMPAREINFO in the host's window, over a result of the sample drawings.
class CompareInfoDialogTest : public LoadedModuleFixture {
 protected:
  void SetUp() override {
    LoadedModuleFixture::SetUp();
    auto owned = std::make_unique<HostMainWindow>(*app);
    window = owned.get();
    app->setWindow(std::move(owned));
    window->show();
  }
  QDialog* dialog() { return window->findChild<QDialog*>("CompareInfo"); }
  QString field(int control) {
    QWidget* found = dialog()->findChild<QWidget*>(QStringLiteral("Field%1").arg(control));
    if (auto* line = qobject_cast<QLineEdit*>(found)) return line->text();
    if (auto* text = qobject_cast<QPlainTextEdit*>(found)) return text->toPlainText();
    ADD_FAILURE() << "no field " << control;
    return QString();
  }
  void press(const char* name) { QTest::mouseClick(dialog()->findChild<QPushButton*>(name), Qt::LeftButton); }
  size_t modelSpaceTexts() {
    OdDbBlockTableRecordPtr space = app->docManager().curDocument()->database()->getModelSpaceId().safeOpenObject();
    size_t count = 0;
    for (const OdDbObjectId& id : space->entityIds()) count += !OdDbMText::cast(id.openObject().get()).isNull();
    return count;
  }

  HostMainWindow* window = nullptr;
};

TEST_F(CompareInfoDialogTest, ShowsBothFilesCopiesTheirTextAndInsertsItOnlyAtAPickedPoint) {
  ASSERT_TRUE(window->typeLineAndSettle(OdString("-DWGCOMPARE \"" + kPlan + "\" \"" + kRevised + "\""))) << commandLog();
  ASSERT_TRUE(window->typeLineAndSettle("COMPAREINFO"));
  ASSERT_TRUE(dialog() && dialog()->isVisible());
  EXPECT_EQ(dialog()->windowTitle(), QStringLiteral("Information about Compared Files"));
  OdDbDatabasePtr file1 = readDrawing(kPlan), file2 = readDrawing(kRevised);
  const FileInfo& info1 = *getDocManReactor()->currentComparison()->file1Info();
  const FileInfo& info2 = *getDocManReactor()->currentComparison()->file2Info();
  EXPECT_FALSE(info1.dateSaved.isEmpty());
  std::vector<std::pair<int, std::string>> expected = {
      {1043, "plan.dxf"}, {1040, info1.dateSaved.utf8()}, {1042, file1->lastSavedBy().utf8()}, {1039, kPlan},
      {1046, "plan_revised.dxf"}, {1044, info2.dateSaved.utf8()}, {1045, file2->lastSavedBy().utf8()}, {1041, kRevised}};
  for (const auto& [control, text] : expected) EXPECT_EQ(field(control).toStdString(), text) << control;

  press("CopyToClipboard");
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), dwgcompareui::compareInfoText(info1, info2).utf8());
  EXPECT_TRUE(dialog()->isVisible());

  // No point comes (as with Escape): the dialog has gone and the drawing is as it was.
  window->setPointPromptsWait(false);
  press("InsertInDrawing");
  QTest::qWait(0);
  EXPECT_EQ(dialog(), nullptr);
  EXPECT_EQ(modelSpaceTexts(), 0u);
  EXPECT_NE(commandLog().find("Specify start point *Cancel*"), std::string::npos) << commandLog();
}

TEST_F(CompareInfoDialogTest, InsertPlacesTheTextAtThePointTheUserGives) {
  ASSERT_TRUE(window->typeLineAndSettle(OdString("-DWGCOMPARE \"" + kPlan + "\" \"" + kRevised + "\""))) << commandLog();
  ASSERT_TRUE(window->typeLineAndSettle("COMPAREINFO"));
  ASSERT_TRUE(dialog());
  press("InsertInDrawing");
  // Runs after the command that the button queued, while it waits for the point.
  QTimer::singleShot(0, window, [this] { window->typeLine("10,20"); });
  EXPECT_TRUE(QTest::qWaitFor([&] { return modelSpaceTexts() == 1; }, 5000)) << commandLog();
  EXPECT_NE(commandLog().find("Specify start point 10,20"), std::string::npos) << commandLog();
}
