#include "display/DisplayTestSupport.h"
#include "module/ModuleTestSupport.h"

#include "DbDictionary.h"
#include "DcComparisonManager.h"
#include "DcPairInfo.h"
#include "DxfWriter.h"
#include "HostDocManager.h"
#include "HostGsDevice.h"
#include "RxEvent.h"

using namespace dwgcompare;

namespace {
// What the palette would hear, in order.
class RecordingResponder : public DcDocManReactorResponder {
 public:
  void comparisonDocumentActivated(OdDbDatabase* database, DcComparisonManager* manager) override {
    events.push_back("activated");
    activated.emplace_back(database, manager);
  }
  void noCurrentDocument() override { events.push_back("noCurrentDocument"); }

  std::vector<std::string> events;
  std::vector<std::pair<OdDbDatabase*, DcComparisonManager*>> activated;
};

// Hears that a document has gone, after the module's reactor heard it and
// before another document becomes current.
class DocumentGoneProbe : public HostApDocManagerReactor {
 public:
  void documentDestroyed(const OdString&) override { onGone(); }
  std::function<void()> onGone = [] {};
};

bool eventReactorAttached() {
  const std::vector<OdRxEventReactor*>& reactors = odrxEvent()->reactors();
  return std::find(reactors.begin(), reactors.end(), getDocManReactor()->eventReactor()) != reactors.end();
}

const OdGePoint3d kFile1Line(0, 1, 0);

// The highlight types File 1's line is drawn under in the drawing.
std::vector<int> file1LineTypes(OdDbDatabase* database) {
  return highlightTypesOf(polylinesStartingAt(drawModelSpace(database), kFile1Line));
}
}  // namespace

class DcDocManReactorTest : public LoadedModuleFixture {
 protected:
  void SetUp() override {
    LoadedModuleFixture::SetUp();
    plan = writeDrawing("plan.dxf", {{0, 0, 10, 0}, {0, 1, 0, 10}});
    revised = writeDrawing("revised.dxf", {{0, 0, 10, 0}, {10, 1, 10, 12}});
    getDocManReactor()->addResponder(&responder);
    // What is sent to the command line is kept, and run as the host runs it.
    app->docManager().setExecuteSink([this](const OdString& line) {
      sent.push_back(line.utf8());
      app->processor().sendStringToExecute(line);
    });
  }
  void TearDown() override {
    app->docManager().removeReactor(&probe);
    getDocManReactor()->removeResponder(&responder);
    LoadedModuleFixture::TearDown();
  }
  HostDocument* current() { return app->docManager().curDocument(); }
  HostDocument* open(const std::string& path) {
    EXPECT_TRUE(app->typeLine("OPEN \"" + path + "\"")) << commandLog();
    return current();
  }
  // A new result drawing of the plan and its revision, current and compared.
  HostDocument* compare() {
    EXPECT_TRUE(compareOnCommandLine(plan, revised)) << commandLog();
    return current();
  }
  void switchTo(HostDocument* document) { app->docManager().setCurDocument(document); }

  std::string plan, revised;
  RecordingResponder responder;
  DocumentGoneProbe probe;
  std::vector<std::string> sent;
};

TEST_F(DcDocManReactorTest, SwitchingToAnOrdinaryDrawingAndBackToAResult) {
  HostDocument* drawing = open(plan);
  HostDocument* first = compare();
  DcComparisonManager* firstManager = getDocManReactor()->currentComparison();
  ASSERT_NE(firstManager, nullptr);
  HostDocument* second = compare();
  ASSERT_TRUE(displayOverrulesOn());
  ASSERT_TRUE(eventReactorAttached());
  responder.events.clear();

  switchTo(drawing);
  EXPECT_TRUE(displayOverrulesOff());
  EXPECT_FALSE(eventReactorAttached());
  EXPECT_EQ(responder.events, std::vector<std::string>{"noCurrentDocument"});
  EXPECT_EQ(getDocManReactor()->currentComparison(), nullptr);

  // Back to the first result, not the one compared last: its own comparison is drawn.
  switchTo(first);
  EXPECT_TRUE(displayOverrulesOn());
  EXPECT_TRUE(eventReactorAttached());
  EXPECT_EQ(responder.events, (std::vector<std::string>{"noCurrentDocument", "activated"}));
  ASSERT_EQ(responder.activated.size(), 1u);
  EXPECT_EQ(responder.activated[0].first, first->database());
  EXPECT_EQ(responder.activated[0].second, firstManager);
  EXPECT_EQ(comparisonDrawableOverrule().resultDatabase(), first->database());
  EXPECT_EQ(file1LineTypes(first->database()), std::vector<int>{3});

  switchTo(second);
  EXPECT_EQ(comparisonDrawableOverrule().resultDatabase(), second->database());
  EXPECT_EQ(file1LineTypes(second->database()), std::vector<int>{3});
}

TEST_F(DcDocManReactorTest, AResultMadeCurrentAgainIsPaintedInTheColoursChosenMeanwhile) {
  auto file1Colour = [](HostDocument* result) {
    const ZrGi::HighlightStyle* style = result->device()->highlightStyle(3);
    return style ? std::vector<int>{style->red, style->green, style->blue} : std::vector<int>{};
  };
  auto chooseFile1Colour = [](int16_t index) {
    OdCmColor colour;
    colour.setColorIndex(index);
    getDcSettings()->setFile1Color(colour);
  };
  HostDocument* first = compare();
  HostDocument* second = compare();
  chooseFile1Colour(5);
  EXPECT_EQ(file1Colour(second), (std::vector<int>{0, 0, 255}));

  switchTo(first);
  EXPECT_EQ(file1Colour(first), (std::vector<int>{0, 0, 255}));
  chooseFile1Colour(6);
  app->docManager().closeDocument(first);
  ASSERT_EQ(current(), second);
  EXPECT_EQ(file1Colour(second), (std::vector<int>{255, 0, 255}));
}

TEST_F(DcDocManReactorTest, ClosingOneOfTwoResultsKeepsTheDisplayOnAndClosingTheLastSwitchesItOff) {
  HostDocument* drawing = open(plan);
  HostDocument* first = compare();
  HostDocument* second = compare();
  switchTo(first);
  responder.events.clear();

  app->docManager().closeDocument(second);
  EXPECT_TRUE(displayOverrulesOn());
  EXPECT_TRUE(eventReactorAttached());
  EXPECT_EQ(responder.events, std::vector<std::string>{"noCurrentDocument"});
  EXPECT_EQ(file1LineTypes(first->database()), std::vector<int>{3});

  // Off as soon as the last result has gone, before another drawing becomes current.
  bool onWhenGone = true;
  probe.onGone = [&] { onWhenGone = !displayOverrulesOff() || eventReactorAttached(); };
  app->docManager().addReactor(&probe);
  app->docManager().closeDocument(first);
  EXPECT_FALSE(onWhenGone);
  EXPECT_TRUE(getDocManReactor()->hasNoComparisons());
  EXPECT_EQ(current(), drawing);
}

TEST_F(DcDocManReactorTest, OpeningASavedResultShowsItByGroupAndAsksForThePaletteOnlyWhenHidden) {
  compare();
  std::string saved = dir / "result.dxf";
  ASSERT_TRUE(app->typeLine("SAVEAS \"" + saved + "\""));
  ASSERT_TRUE(app->typeLine("CLOSE"));
  ASSERT_FALSE(dwgcompareui::isPaletteVisible());
  ASSERT_TRUE(displayOverrulesOff());
  sent.clear();
  responder.events.clear();
  size_t regens = window().regenModes.size();

  HostDocument* reopened = open(saved);
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "DWGCOMPARE "), 1);
  EXPECT_TRUE(dwgcompareui::isPaletteVisible());
  EXPECT_TRUE(displayOverrulesOn());
  EXPECT_TRUE(eventReactorAttached());
  EXPECT_GT(window().regenModes.size(), regens);
  EXPECT_EQ(responder.events, std::vector<std::string>{"activated"});
  ASSERT_EQ(responder.activated.size(), 1u);
  EXPECT_EQ(responder.activated[0].first, reopened->database());
  EXPECT_EQ(responder.activated[0].second, getDocManReactor()->currentComparison());
  EXPECT_EQ(file1LineTypes(reopened->database()), std::vector<int>{3});

  // With the palette shown, nothing is sent.
  ASSERT_TRUE(app->typeLine("CLOSE"));
  sent.clear();
  reopened = open(saved);
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "DWGCOMPARE "), 0);
  EXPECT_TRUE(dwgcompareui::isPaletteVisible());
  EXPECT_TRUE(displayOverrulesOn());
  EXPECT_EQ(file1LineTypes(reopened->database()), std::vector<int>{3});
}

TEST_F(DcDocManReactorTest, ReadingAnyDrawingWhileAResultIsCurrentSwitchesTheDisplayOff) {
  HostDocument* result = compare();
  ASSERT_TRUE(displayOverrulesOn());
  OdDbDatabasePtr read = readDrawing(plan);  // as a command reading another drawing does
  EXPECT_EQ(current(), result);
  EXPECT_TRUE(displayOverrulesOff());
  EXPECT_EQ(file1LineTypes(result->database()), std::vector<int>{0});
}

TEST_F(DcDocManReactorTest, SavingWritesThePairOnlyWhileItsResultIsCurrent) {
  HostDocument* drawing = open(plan);
  compare();
  std::string savedResult = dir / "result.dxf";
  ASSERT_TRUE(app->typeLine("SAVEAS \"" + savedResult + "\""));
  OdDbDatabasePtr readBack = readDrawing(savedResult);
  EXPECT_EQ(openPairInfoDictionary(readBack.get(), OdDb::kForRead)->numEntries(), 2);
  DcComparisonManagerPtr rebuilt = loadComparisonManager(readBack.get());
  ASSERT_FALSE(rebuilt.isNull());
  EXPECT_EQ(rebuilt->file1Info()->path, OdString(plan));

  // A result compared afresh and written while an ordinary drawing is current keeps an empty pair.
  HostDocument* unsaved = compare();
  switchTo(drawing);
  std::string copy = dir / "copy.dxf";
  odDxfWriteFile(unsaved->database(), OdString(copy));
  EXPECT_EQ(openPairInfoDictionary(readDrawing(copy).get(), OdDb::kForRead)->numEntries(), 0);
  ASSERT_TRUE(app->typeLine("SAVEAS \"" + (dir / "plan-copy.dxf") + "\""));
  EXPECT_FALSE(hasPairInfo(readDrawing(dir / "plan-copy.dxf").get()));
}

TEST_F(DcDocManReactorTest, AClosedResultsMapsAreNotReadOnceItHasGone) {
  HostDocument* first = compare();
  compare();
  OdDbDatabase* firstDb = first->database();
  // Between the second result going and the first becoming current, the display is still on.
  bool onWhileGone = false;
  std::vector<int> typesWhileGone;
  probe.onGone = [&] {
    onWhileGone = displayOverrulesOn();
    typesWhileGone = file1LineTypes(firstDb);
  };
  app->docManager().addReactor(&probe);
  ASSERT_TRUE(app->typeLine("CLOSE"));
  EXPECT_TRUE(onWhileGone);
  EXPECT_EQ(typesWhileGone, std::vector<int>{0});  // drawn as it is: no comparison to go by

  EXPECT_EQ(current(), first);
  EXPECT_EQ(comparisonDrawableOverrule().resultDatabase(), firstDb);
  EXPECT_EQ(file1LineTypes(firstDb), std::vector<int>{3});
}
