#include "DxfWriter.h"
#include "HostAppServices.h"
#include "HostDrawingTestSupport.h"
#include "HostTestSupport.h"
#include "GiWorldDrawImpl.h"
#include "TestData.h"

#include <QXmlStreamReader>

#include <set>

namespace {
// The colours a drawing's model space draws in.
class ColourSink : public OdGiGeometrySink {
 public:
  void polyline(const OdGePoint3d*, int, const OdGiResolvedTraits& traits) override { colours.insert(traits.rgb); }
  void polygon(const OdGePoint3d*, int, const OdGiResolvedTraits& traits) override { colours.insert(traits.rgb); }
  void text(const OdGePoint3d&, const OdGeVector3d&, const OdGeVector3d&, double, const OdString&,
            const OdGiResolvedTraits& traits) override {
    colours.insert(traits.rgb);
  }
  std::set<uint32_t> colours;
};

std::set<uint32_t> drawnColours(const std::filesystem::path& file) {
  OdDbDatabasePtr db = HostAppServices::readDrawing(OdString(file.string()));
  ColourSink sink;
  OdGiWorldDrawImpl(sink).drawBlock(
      OdDbBlockTableRecord::cast(db->getModelSpaceId().openObject().get()).get());
  return sink.colours;
}

bool parsesAsXml(const std::string& path) {
  std::string text = readText(path);
  QXmlStreamReader xml(QByteArray::fromStdString(text));
  while (!xml.atEnd()) xml.readNext();
  return !xml.hasError() && !text.empty();
}
}  // namespace

// cadhost as scripts run it: with a profile and a modules folder of the test's own.
class CadhostProgramTest : public ::testing::Test {
 protected:
  ProgramRun run(const std::vector<std::string>& args) { return runUnder("", args); }
  // Through a launcher (xvfb-run) when not empty.
  ProgramRun runUnder(const std::string& launcher, const std::vector<std::string>& args) {
    return runProgramIn(dir, launcher, CADHOST_PROGRAM, args);
  }
  TempDir dir;
};

TEST_F(CadhostProgramTest, CommandsRunInOrderAndSucceed) {
  ProgramRun r = run({"--headless", "-c", "NEW;SAVEAS out.dxf;ZOOMALL", "-c", "CLOSE;OPEN out.dxf;QUIT;NOSUCHCOMMAND"});
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_TRUE(std::filesystem::exists(dir / "out.dxf"));
  EXPECT_LT(r.output.find("Saved out.dxf"), r.output.find("Opened out.dxf")) << r.output;
}

TEST_F(CadhostProgramTest, FailingCommandGivesStatusOneAndNamesTheFile) {
  ProgramRun r = run({"--headless", "-c", "OPEN missing.dxf;NEW"});
  EXPECT_EQ(r.status, 1) << r.output;
  EXPECT_NE(r.output.find("missing.dxf"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("Command: NEW"), std::string::npos) << r.output;
}

TEST_F(CadhostProgramTest, ScriptLinesRunInOrder) {
  writeText(dir.path() / "run.scr", "# make a drawing\nNEW\n\nSETVAR COMPAREPROPS 3\r\nSAVEAS \"a b.dxf\"\n");
  ProgramRun r = run({"--headless", "--script", "run.scr"});
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_TRUE(std::filesystem::exists(dir / "a b.dxf"));
}

TEST_F(CadhostProgramTest, LoadedModuleFindsTheHostLibraryThroughTheProgram) {
  ProgramRun r = run({"--headless", "--load", HOST_TEST_MODULE, "-c", "TESTCMD"});
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("host library: "), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("libhost.so"), std::string::npos) << r.output;
}

// Only its shared objects: other files there are no modules.
TEST_F(CadhostProgramTest, ModulesFolderIsLoaded) {
  std::filesystem::create_directories(dir.path() / "modules");
  std::filesystem::copy_file(HOST_TEST_MODULE, dir.path() / "modules" / "test.so");
  writeText(dir.path() / "modules" / "readme.txt", "not a module");
  EXPECT_EQ(run({"--headless", "-c", "TESTCMD"}).status, 0);
}

TEST_F(CadhostProgramTest, StartupCommandsOfTheProfileRunFirst) {
  writeText(dir.path() / "profile", "[Startup]\n1 = str \"NEW\"\n");
  ProgramRun r = run({"--headless", "-c", "SAVEAS started.dxf"});
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_TRUE(std::filesystem::exists(dir / "started.dxf"));
}

TEST_F(CadhostProgramTest, EveryTestDrawingRendersInItsColours) {
  SKIP_WITHOUT_TESTDATA();
  for (const auto& file : testDataFiles("dxf", ".dxf")) {
    SCOPED_TRACE(file.filename().string());
    ProgramRun r = run({"--headless", "-c", "OPEN \"" + file.string() + "\";ZOOMALL;EXPORT out.png;EXPORT out.svg;QUIT"});
    ASSERT_EQ(r.status, 0) << r.output;
    QImage png(QString::fromStdString(dir / "out.png"));
    ASSERT_EQ(png.size(), QSize(1600, 1200));
    EXPECT_GT(pixelsOtherThanBackground(png), 1000);
    // Several colours where the drawing has them: details too small to see at its extents may be missing.
    std::set<uint32_t> colours = drawnColours(file);
    size_t shown = 0;
    for (uint32_t rgb : colours) shown += pixelsShowingColour(png, rgb) >= 20;
    EXPECT_GE(shown, std::min<size_t>(colours.size(), 2)) << "of " << colours.size() << " colours";
    EXPECT_TRUE(parsesAsXml(dir / "out.svg"));
  }
}

TEST_F(CadhostProgramTest, WindowShowsTheDrawingAndTheCommandLine) {
  if (std::system("command -v xvfb-run >/dev/null 2>&1") != 0) GTEST_SKIP() << "no xvfb-run";
  OdDbDatabasePtr db = OdDbDatabase::create();
  addLine(db.get(), {0, 0, 0}, {100, 50, 0}, 1);
  odDxfWriteFile(db.get(), OdString(dir / "red line.dxf"));

  ProgramRun r = runUnder("xvfb-run -a", {"--screenshot", "shot.png", "red line.dxf", "-c", "ZOOMALL"});
  ASSERT_EQ(r.status, 0) << r.output;
  QImage shot(QString::fromStdString(dir / "shot.png"));
  ASSERT_FALSE(shot.isNull()) << r.output;
  EXPECT_GT(pixelsShowingColour(shot, 0xFF0000), 500) << "the red line";
  // Below the drawing view (the last row of its background), the command line's text.
  int viewBottom = 0;
  for (int y = 0; y < shot.height(); ++y)
    if (colourDistance(shot.pixel(shot.width() / 2, y), backgroundPixel()) <= 2) viewBottom = y;
  ASSERT_GT(viewBottom, shot.height() / 2) << "the drawing takes most of the window";
  ASSERT_LT(viewBottom, shot.height() - 60) << "with room for the command line below";
  int textPixels = 0;
  for (int y = viewBottom + 1; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) textPixels += qGray(shot.pixel(x, y)) < 80;
  EXPECT_GT(textPixels, 300) << "\"Command: OPEN\" and the rest";
}
