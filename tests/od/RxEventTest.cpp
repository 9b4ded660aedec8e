#include "CloneTestDrawing.h"
#include "DbXRefMan.h"
#include "DxfReader.h"
#include "DxfWriter.h"
#include "RxEvent.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

// Records the events it is told of, and what was true when it was told.
class Recorder : public OdRxEventReactor {
 public:
  Recorder() { odrxEvent()->addReactor(this); }
  ~Recorder() override { odrxEvent()->removeReactor(this); }
  void dwgFileOpened(OdDbDatabase* db, const OdString& fileName) override {
    events.push_back("opened " + fileName.utf8() + (db->objectCount() > 0 ? " (read)" : " (empty)"));
  }
  void beginSave(OdDbDatabase*, const OdString& fileName) override {
    events.push_back(std::string("save ") + (std::filesystem::exists(fileName.utf8()) ? "(written)" : "(not yet)"));
  }
  void beginDeepClone(OdDbDatabase*, OdDbIdMapping&) override { events.push_back("begin clone"); }
  void endDeepClone(OdDbIdMapping& mapping) override {
    events.push_back("end clone");
    mappings.push_back(&mapping);
  }
  std::vector<std::string> events;
  std::vector<OdDbIdMapping*> mappings;
};

std::filesystem::path tempDxf(const char* name) {
  return std::filesystem::temp_directory_path() / (std::string(name) + std::to_string(::getpid()) + ".dxf");
}

TEST(RxEvent, FileOpenedAfterReadingAndSaveBeforeWriting) {
  CloneTestDrawing drawing;
  std::filesystem::path path = tempDxf("rxevent_");
  Recorder reactor;
  odDxfWriteFile(drawing.db.get(), OdString(path.string()));
  OdDbDatabasePtr read = odDxfReadFile(OdString(path.string()));
  std::filesystem::remove(path);
  std::vector<std::string> expected = {"save (not yet)", "opened " + path.string() + " (read)"};
  EXPECT_EQ(reactor.events, expected);
}

TEST(RxEvent, EachBindEndsOneDeepCloneAndLoadingNone) {
  CloneTestDrawing drawing;
  std::filesystem::path path = tempDxf("rxevent_xref_");
  odDxfWriteFile(drawing.db.get(), OdString(path.string()));
  OdDbDatabasePtr host = OdDbDatabase::create();
  Recorder reactor;
  for (const char* name : {"A", "B"}) {
    OdDbBlockTableRecordPtr block =
        OdDbXRefManExt::addNewXRefDefBlock(host.get(), OdString(path.string()), OdString(name), false);
    OdDbXRefMan::load(block.get());
    OdDbXRefMan::bind(block.get());
  }
  std::filesystem::remove(path);
  std::vector<std::string> expected = {"opened " + path.string() + " (read)", "begin clone", "end clone",
                                       "opened " + path.string() + " (read)", "begin clone", "end clone"};
  EXPECT_EQ(reactor.events, expected);
}

}  // namespace
