#include "CloneTestDrawing.h"
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
  std::vector<std::string> events;
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

}  // namespace
