#include "HostTestSupport.h"
#include "OdError.h"

#include <algorithm>
#include <deque>

class CommandProcessorTest : public HostFixture {
 protected:
  CommandProcessorTest() { app->editor().addReactor(&reactor); }
  void TearDown() override {
    app->editor().removeReactor(&reactor);
    HostFixture::TearDown();
  }

  RecordingReactor reactor;
};

// Each line's steps in order, as the editor's reactors hear them ("ZOOM All" is
// reported as zoom-all); a failing step lets the next run, QUIT stops the rest.
TEST_F(CommandProcessorTest, LinesRunTheirStepsInOrder) {
  addTestCommand<1>(*app, "BROKEN", [](auto&) -> int { throw std::runtime_error("no"); });
  const struct {
    std::string line;
    bool ok;
    std::vector<std::string> events;
    int compareProps;
  } cases[] = {
      {" new ;; Regen ;", true, {"willStart NEW", "ended NEW", "willStart REGEN", "ended REGEN"}, 0},
      {"ZOOMALL;ZOOM All;zoom a", true,
       {"willStart ViewZoomAll", "ended ViewZoomAll", "willStart ZOOM", "ended ViewZoomAll", "willStart ZOOM",
        "ended ViewZoomAll"}, 0},
      {"BROKEN;SETVAR COMPAREPROPS 2", false, {"willStart BROKEN", "failed BROKEN", "willStart SETVAR", "sysVarChanged COMPAREPROPS",
                                                  "ended SETVAR"}, 2},
      {"SETVAR COMPAREPROPS 1;QUIT;SETVAR COMPAREPROPS 2", true,
       {"willStart SETVAR", "sysVarChanged COMPAREPROPS", "ended SETVAR", "willStart QUIT", "ended QUIT"}, 1},
  };
  // Text sent while no command runs runs at once.
  ASSERT_TRUE(app->typeLine("NEW"));
  reactor.events.clear();
  app->docManager().curDocument()->sendStringToExecute("REGEN");
  EXPECT_EQ(reactor.events, (std::vector<std::string>{"willStart REGEN", "ended REGEN"}));
  for (const auto& c : cases) {
    reactor.events.clear();
    EXPECT_EQ(app->typeLine(c.line), c.ok) << c.line;
    EXPECT_EQ(reactor.events, c.events) << c.line;
    if (c.compareProps) {
      EXPECT_EQ(app->editor().getVar("COMPAREPROPS")->getInt32(), c.compareProps) << c.line;
    }
  }
  EXPECT_TRUE(app->processor().quitRequested());
  EXPECT_EQ(window().zoomAlls, 3);
  EXPECT_EQ(window().regenModes, (std::vector<int>{1, 1}));
}

TEST_F(CommandProcessorTest, ThrowingCommandIsReportedAndPrinted) {
  addTestCommand<1>(*app, "BROKEN", [](auto&) -> int { throw OdError(eInvalidInput, "the broken thing"); });
  EXPECT_FALSE(app->typeLine("BROKEN"));
  EXPECT_EQ(reactor.events, (std::vector<std::string>{"willStart BROKEN", "failed BROKEN"}));
  EXPECT_NE(commandLog().find("BROKEN failed: the broken thing"), std::string::npos) << commandLog();
  EXPECT_EQ(app->processor().failures(), 1);
  EXPECT_FALSE(app->processor().isBusy());
}

// A line that fails prints why, naming what is wrong, and its command is reported as failed
// ("": not checked).
TEST_F(CommandProcessorTest, FailingLinesSayWhy) {
  const std::string missing = dir / "missing.dxf", bad = dir / "bad.dxf";
  writeText(bad, "this is not a drawing\n");
  const struct {
    std::string line, message, lastEvent;
  } cases[] = {
      {"NOSUCHTHING", "Unknown command \"NOSUCHTHING\"", "none"},
      {"SAVE", "no drawing is open", "failed SAVE"},
      {"OPEN " + missing, missing, "failed OPEN"},
      {"OPEN " + bad, bad, "failed OPEN"},
      {"NEW;ZOOM Window", "\"Window\" is not supported", "failed ZOOM"},
      {"ZOOMALL extra", "unused input \"extra\"", ""},
      {"SAVE", "use SAVEAS", "failed SAVE"},
      {"SAVEAS", "*Cancel*", "failed SAVEAS"},
  };
  for (const auto& c : cases) {
    reactor.events.clear();
    EXPECT_FALSE(app->typeLine(c.line)) << c.line;
    EXPECT_NE(commandLog().find(c.message), std::string::npos) << c.line << "\n" << commandLog();
    if (!c.lastEvent.empty()) {
      EXPECT_EQ(reactor.events.empty() ? "none" : reactor.events.back(), c.lastEvent) << c.line;
    }
  }
  EXPECT_EQ(window().zoomAlls, 1) << "ZOOMALL itself, never ZOOM Window";
  EXPECT_EQ(app->docManager().documents().size(), 1u) << "only the new drawing";
}

namespace {
struct Tracker : HostPointTracker {
  std::vector<OdGePoint3d> values;
  void setValue(const OdGePoint3d& p) override { values.push_back(p); }
};
}  // namespace

namespace {
// A window whose user answers point prompts from a script.
struct PickingWindow : HostHeadlessWindow {
  using HostHeadlessWindow::HostHeadlessWindow;
  std::deque<HostPointPick> picks;
  std::vector<std::string> prompts;
  HostPointPick pickPoint(const OdString& prompt, HostPointTracker* tracker) override {
    prompts.push_back(prompt.utf8());
    if (tracker) tracker->setValue(OdGePoint3d(100, 100, 0));  // the cursor moving meanwhile
    HostPointPick pick = picks.front();
    picks.pop_front();
    return pick;
  }
};
}  // namespace

TEST_F(CommandProcessorTest, GetPointAsksTheWindowWhenNoAnswerIsQueued) {
  auto owned = std::make_unique<PickingWindow>(app->docManager());
  PickingWindow& picking = *owned;
  app->setWindow(std::move(owned));
  picking.picks = {{HostPointPick::kClicked, OdGePoint3d(2.5, -1, 0), {}},
                   {HostPointPick::kTyped, {}, "7,8,9"},
                   {HostPointPick::kTyped, {}, "left"},
                   {HostPointPick::kCancelled, {}, {}}};
  Tracker tracker;
  std::vector<std::pair<int, OdGePoint3d>> answers;
  addTestCommand<1>(*app, "PICK", [&](auto&) {
    OdGePoint3d p(-9, -9, -9);
    int status = app->editor().getPoint("Pick a point:", &tracker, p);
    answers.emplace_back(status, p);
    return status == kPromptOk ? kCmdOk : kCmdCancelled;
  });
  EXPECT_TRUE(app->typeLine("PICK 1,2"));  // a queued answer comes first
  EXPECT_TRUE(picking.prompts.empty());
  EXPECT_TRUE(app->typeLine("PICK"));
  EXPECT_TRUE(app->typeLine("PICK"));
  EXPECT_FALSE(app->typeLine("PICK"));
  EXPECT_FALSE(app->typeLine("PICK"));
  EXPECT_EQ(picking.prompts, std::vector<std::string>(4, "Pick a point:"));
  ASSERT_EQ(answers.size(), 5u);
  EXPECT_EQ(answers[1], std::make_pair(int(kPromptOk), OdGePoint3d(2.5, -1, 0)));
  EXPECT_EQ(answers[2], std::make_pair(int(kPromptOk), OdGePoint3d(7, 8, 9)));
  EXPECT_EQ(answers[3].first, kPromptCancel);
  EXPECT_EQ(answers[4].first, kPromptCancel);
  // The cursor's moves, then each point taken.
  EXPECT_EQ(tracker.values, (std::vector<OdGePoint3d>{{1, 2, 0}, {100, 100, 0}, {2.5, -1, 0}, {100, 100, 0},
                                                      {7, 8, 9}, {100, 100, 0}, {100, 100, 0}}));
  std::vector<std::string> log;
  for (const OdString& line : app->docManager().commandLine().log()) log.push_back(line.utf8());
  for (const char* line : {"Pick a point: 2.5,-1,0", "Pick a point: 7,8,9", "Invalid point: left", "Pick a point: *Cancel*"})
    EXPECT_NE(std::find(log.begin(), log.end(), line), log.end()) << line;
}
