#include "DxfWriter.h"
#include "HostTestSupport.h"
#include "OdError.h"
#include "RxEvent.h"
#include "TestData.h"

#include <thread>

namespace {

// What reactors are told of reading, and on which thread.
class ReadingLog : public OdRxEventReactor {
 public:
  ReadingLog() { odrxEvent()->addReactor(this); }
  ~ReadingLog() override { odrxEvent()->removeReactor(this); }
  void databaseConstructed(OdDbDatabase*) override { note("made"); }
  void dwgFileOpened(OdDbDatabase*, const OdString& fileName) override {
    note("opened " + std::filesystem::path(fileName.utf8()).filename().string());
  }
  std::vector<std::string> events;
  bool allOnThisThread = true;

 private:
  void note(const std::string& event) {
    events.push_back(event);
    allOnThisThread = allOnThisThread && std::this_thread::get_id() == m_thread;
  }
  std::thread::id m_thread = std::this_thread::get_id();
};

class HostAppServicesTest : public HostFixture {
 protected:
  OdString drawing(const char* name) { return OdString((testDataDir() / name).string()); }
};

}  // namespace

TEST_F(HostAppServicesTest, TwoFilesReadTogetherAreWhatReadingOneAfterTheOtherGives) {
  SKIP_WITHOUT_TESTDATA();
  OdString first = drawing(testdata::kKinetics), second = drawing(testdata::kFloorPlan);
  OdDbDatabasePtr firstAlone, secondAlone;
  std::vector<std::string> oneAfterTheOther;
  {
    ReadingLog alone;
    firstAlone = app->services().readFile(first);
    secondAlone = app->services().readFile(second);
    oneAfterTheOther = alone.events;
  }
  ReadingLog together;
  auto [firstDb, secondDb] = app->services().readFiles(first, second);
  EXPECT_EQ(together.events, oneAfterTheOther);
  EXPECT_TRUE(together.allOnThisThread);
  EXPECT_EQ(odDxfSaveString(firstDb.get(), first), odDxfSaveString(firstAlone.get(), first));
  EXPECT_EQ(odDxfSaveString(secondDb.get(), second), odDxfSaveString(secondAlone.get(), second));
}

TEST_F(HostAppServicesTest, TwoFilesReadTogetherFailWithTheFirstErrorAndTellNothingOfTheFailedRead) {
  SKIP_WITHOUT_TESTDATA();
  OdString good = drawing(testdata::kKinetics), missing = OdString(dir / "missing.dxf");
  struct Case {
    OdString first, second;
    std::vector<std::string> events;
  };
  const std::vector<std::string> goodRead{"made", "opened librecad_kinetics_dxfrw_AC1021.dxf"};
  for (const Case& c : {Case{missing, good, {}}, Case{good, missing, goodRead}}) {
    ReadingLog log;
    try {
      app->services().readFiles(c.first, c.second);
      ADD_FAILURE() << "no error";
    } catch (const OdError& e) {
      EXPECT_NE(e.description().utf8().find("missing.dxf"), std::string::npos) << e.description().utf8();
    }
    EXPECT_EQ(log.events, c.events);
  }
}
