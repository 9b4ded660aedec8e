#include "HostDrawingTestSupport.h"
#include "HostExports.h"
#include "HostGsDevice.h"
#include "HostTestSupport.h"
#include "IHostVectorizerDeviceExPE.h"

#include <functional>

namespace {

// Logs what the device told it, as "call" strings.
class RecordingListener : public IHostDeviceUpdateListner {
 public:
  void beginUpdate(HostGsDevice*) override { log.push_back("begin"); }
  void endUpdate(HostGsDevice*) override { log.push_back("end"); }
  void beginTransientUpdate(HostGsDevice*) override { log.push_back("beginTransient"); }
  void endTransientUpdate(HostGsDevice*) override { log.push_back("endTransient"); }
  void deviceUpdateEnded(HostGsDevice* device) override {
    log.push_back("ended");
    if (onEnded) onEnded(device);
  }
  void unregistered(HostGsDevice*) override { log.push_back("unregistered"); }
  bool isInterestedIn(HostGsDevice*) override { return interested; }

  std::vector<std::string> log;
  bool interested = true;
  std::function<void(HostGsDevice*)> onEnded;
};

const std::vector<std::string> kOneDrawing = {"begin", "end", "beginTransient", "endTransient", "ended",
                                              "unregistered"};

// A drawing with a line, its device, and the commands the reactors heard.
class HostDeviceListenerTest : public HostFixture {
 protected:
  HostDeviceListenerTest() {
    app->docManager().newDocument(&doc);
    addLine(doc->database(), {0, 0, 0}, {10, 10, 0}, 1);
    device = doc->device();
    app->editor().addReactor(&commands);
  }
  void TearDown() override {
    app->editor().removeReactor(&commands);
    HostFixture::TearDown();
  }
  void listen(IHostDeviceUpdateListner* listener) {
    IHostVectorizerDeviceExPE::cast(device)->registerListener(device, listener);
  }
  int ended(const std::string& command) {
    return static_cast<int>(std::count(commands.events.begin(), commands.events.end(), "ended " + command));
  }

  HostDocument* doc = nullptr;
  HostGsDevice* device = nullptr;
  RecordingReactor commands;
};

TEST_F(HostDeviceListenerTest, HearsTheFirstDrawingAfterACommandThenIsUnregistered) {
  RecordingListener listener;
  listen(&listener);
  EXPECT_TRUE(listener.log.empty()) << "nothing is drawn until something happens";
  ASSERT_TRUE(app->typeLine("SETVAR COMPAREPROPS 3")) << commandLog();
  EXPECT_EQ(listener.log, kOneDrawing);
  EXPECT_FALSE(device->hasUpdateListener(&listener));
  ASSERT_TRUE(app->typeLine("REGEN;ZOOMALL")) << commandLog();
  EXPECT_EQ(listener.log, kOneDrawing) << "one drawing only";
}

TEST_F(HostDeviceListenerTest, ListenerThatTypesZoomAllCannotLoop) {
  RecordingListener listener;
  listener.onEnded = [&](HostGsDevice*) { doc->sendStringToExecute("ZOOMALL "); };
  listen(&listener);
  ASSERT_TRUE(app->typeLine("REGEN")) << commandLog();
  EXPECT_EQ(listener.log, kOneDrawing);
  EXPECT_EQ(ended("ViewZoomAll"), 1);
  // The zoom ran after REGEN had ended, not inside it.
  auto regen = std::find(commands.events.begin(), commands.events.end(), "ended REGEN");
  auto zoom = std::find(commands.events.begin(), commands.events.end(), "willStart ViewZoomAll");
  EXPECT_LT(regen, zoom);
}

TEST_F(HostDeviceListenerTest, ListenerTypingWhileNoCommandRunsCannotLoopEither) {
  // The host's regeneration (function 12) draws outside any command: what the listener types runs at once.
  RecordingListener listener;
  listener.onEnded = [&](HostGsDevice*) { doc->sendStringToExecute("ZOOMALL "); };
  listen(&listener);
  auto regen = reinterpret_cast<HostRegenFunc>(get_host_funcptr(kHostFuncRegen));
  regen(1);
  EXPECT_EQ(listener.log, kOneDrawing);
  EXPECT_EQ(ended("ViewZoomAll"), 1);
  regen(1);
  EXPECT_EQ(ended("ViewZoomAll"), 1);
}

TEST_F(HostDeviceListenerTest, ListenerMayCloseTheDocumentItHeard) {
  RecordingListener closing;
  closing.onEnded = [&](HostGsDevice*) { doc->sendStringToExecute("CLOSE"); };
  RecordingListener other;
  listen(&closing);
  listen(&other);
  auto regen = reinterpret_cast<HostRegenFunc>(get_host_funcptr(kHostFuncRegen));
  regen(1);  // outside any command: CLOSE runs at once, inside the drawing's end
  EXPECT_EQ(closing.log, kOneDrawing);
  // The other one heard the drawing, then the device went before its turn came.
  EXPECT_EQ(other.log, (std::vector<std::string>{"begin", "end", "beginTransient", "endTransient", "unregistered"}));
  EXPECT_EQ(app->docManager().curDocument(), nullptr);
}

TEST_F(HostDeviceListenerTest, RegenGoesOnPastADocumentAListenerClosed) {
  HostDocument* second = nullptr;
  app->docManager().newDocument(&second);
  RecordingListener first;
  first.onEnded = [&](HostGsDevice*) { doc->sendStringToExecute("CLOSE"); };  // closes the current one: second
  listen(&first);
  RecordingListener onSecond;
  IHostVectorizerDeviceExPE::cast(second->device())->registerListener(second->device(), &onSecond);
  reinterpret_cast<HostRegenFunc>(get_host_funcptr(kHostFuncRegen))(1);
  EXPECT_EQ(first.log, kOneDrawing);
  EXPECT_EQ(onSecond.log, std::vector<std::string>{"unregistered"}) << "closed before its drawing";
  EXPECT_EQ(app->docManager().documents(), std::vector<HostDocument*>{doc});
}

TEST_F(HostDeviceListenerTest, FailedDrawingIsNotComplete) {
  // A canvas that fails part way, as a drawing whose entity throws does.
  struct FailingCanvas : HostCanvas {
    void polyline(const std::vector<OdGePoint2d>&, const HostPaint&) override {
      throw OdError(eInvalidInput, "cannot paint");
    }
    void polygon(const std::vector<OdGePoint2d>&, const HostPaint&) override {}
    void text(const OdGePoint2d&, const OdGeVector2d&, const OdGeVector2d&, double, const OdString&,
              const HostPaint&) override {}
  } canvas;
  RecordingListener listener;
  listen(&listener);
  EXPECT_THROW(device->update(canvas, 100, 100), OdError);
  EXPECT_EQ(listener.log, (std::vector<std::string>{"begin", "end"}));
  EXPECT_TRUE(device->hasUpdateListener(&listener));
  device->update();
  EXPECT_EQ(listener.log.size(), 2 + kOneDrawing.size());
}

}  // namespace
