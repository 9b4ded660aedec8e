#include "TestData.h"
#include "module/ModuleTestSupport.h"

#include "DcSettings.h"
#include "DcUiSettings.h"
#include "DcUiUnsupportedObjectsMessage.h"
#include "HostMainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace dwgcompareui;

class DcUiUnsupportedObjectsMessageTest : public LoadedModuleFixture {
 protected:
  void TearDown() override {
    setUnsupportedObjectsPresenter({});
    LoadedModuleFixture::TearDown();
  }
};

TEST_F(DcUiUnsupportedObjectsMessageTest, ShownOncePerRunUntilTheUserTicksDoNotShowAgain) {
  SKIP_WITHOUT_TESTDATA();
  std::string underlays = (testDataDir() / "dxf/underlay_pdf_AC1018.dxf").string();
  std::string plain = writeDrawing("plain.dxf", {{0, 0, 1, 1}});
  std::vector<DcUiUnsupportedObjectsMessage> shown;
  bool tick = false;
  setUnsupportedObjectsPresenter([&](const DcUiUnsupportedObjectsMessage& message) {
    shown.push_back(message);
    return tick;
  });

  ASSERT_TRUE(compareOnCommandLine(underlays, plain)) << commandLog();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, OdString("Drawing Compare"));
  EXPECT_EQ(shown[0].instruction,
            OdString("Unsupported objects were found and excluded from the comparison result:"));
  EXPECT_EQ(shown[0].content, OdString("AcDbPdfReference\n"));
  EXPECT_EQ(shown[0].button, OdString("Ok"));
  EXPECT_EQ(shown[0].verification, OdString("Do not show this message again"));

  tick = true;
  ASSERT_TRUE(compareOnCommandLine(underlays, plain)) << commandLog();
  ASSERT_EQ(shown.size(), 2u);
  ASSERT_TRUE(compareOnCommandLine(underlays, plain)) << commandLog();
  EXPECT_EQ(shown.size(), 2u);

  // The choice is kept in the profile for the next start.
  app->modules().unloadAll();
  auto section = HostRefPtr<IProfileSection>::adopt(app->profile().openSection("cmddata/DrawingComparison", false));
  ASSERT_TRUE(section);
  EXPECT_EQ(section->getInt32("ShowFiltredObjectsMessageBox", 1), 0);
}

TEST_F(DcUiUnsupportedObjectsMessageTest, InTheWindowTickingTheBoxAndOkSwitchesTheMessageOff) {
  SKIP_WITHOUT_TESTDATA();
  auto owned = std::make_unique<HostMainWindow>(*app);
  HostMainWindow* window = owned.get();
  app->setWindow(std::move(owned));
  window->show();
  std::string compare = "-DWGCOMPARE \"" + (testDataDir() / "dxf/underlay_pdf_AC1018.dxf").string() + "\" \"" +
                        writeDrawing("plain.dxf", {{0, 0, 1, 1}}) + "\"";
  // The user ticks the box and presses "Ok".
  int shown = 0;
  QTimer user;
  QObject::connect(&user, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      ++shown;
      box->checkBox()->setChecked(true);
      QTest::mouseClick(box->buttons().front(), Qt::LeftButton);
    }
  });
  user.start(10);
  ASSERT_TRUE(window->typeLineAndSettle(OdString(compare))) << commandLog();
  ASSERT_TRUE(window->typeLineAndSettle(OdString(compare))) << commandLog();
  EXPECT_EQ(shown, 1);
}
