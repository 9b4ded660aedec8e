#include "HostTestSupport.h"

namespace {
struct RecordingDocReactor : HostApDocManagerReactor {
  std::vector<std::string> events;
  static std::string nameOf(HostDocument* doc) { return doc ? doc->name().utf8() : "none"; }
  void documentCreated(HostDocument* d) override { events.push_back("created " + nameOf(d)); }
  void documentToBeDestroyed(HostDocument* d) override { events.push_back("toBeDestroyed " + nameOf(d)); }
  void documentDestroyed(const OdString& f) override { events.push_back("destroyed " + f.utf8()); }
  void documentBecameCurrent(HostDocument* d) override { events.push_back("current " + nameOf(d)); }
};
}  // namespace

TEST(HostDocManagerTest, NewDocumentBecomesCurrent) {
  HostDocManager docs;
  RecordingDocReactor reactor;
  docs.addReactor(&reactor);
  EXPECT_EQ(docs.curDocument(), nullptr);
  HostDocument* first = nullptr;
  EXPECT_EQ(docs.newDocument(&first), eOk);
  EXPECT_EQ(docs.curDocument(), first);
  ASSERT_NE(first->database(), nullptr);
  EXPECT_TRUE(first->filePath().isEmpty());
  EXPECT_EQ(docs.newDocument(), eOk);
  EXPECT_EQ(docs.documents().size(), 2u);
  EXPECT_NE(docs.curDocument(), first);
  EXPECT_EQ(reactor.events, (std::vector<std::string>{"created Drawing1.dxf", "current Drawing1.dxf",
                                                      "created Drawing2.dxf", "current Drawing2.dxf"}));
  docs.removeReactor(&reactor);
}

TEST(HostDocManagerTest, ClosingTheCurrentDocumentMakesAnotherCurrent) {
  HostDocManager docs;
  HostDocument *first = nullptr, *second = nullptr;
  docs.newDocument(&first);
  docs.newDocument(&second);
  RecordingDocReactor reactor;
  docs.addReactor(&reactor);
  docs.closeDocument(second);
  EXPECT_EQ(docs.curDocument(), first);
  docs.closeDocument(first);
  EXPECT_EQ(docs.curDocument(), nullptr);
  EXPECT_EQ(reactor.events,
            (std::vector<std::string>{"toBeDestroyed Drawing2.dxf", "destroyed Drawing2.dxf", "current Drawing1.dxf",
                                      "toBeDestroyed Drawing1.dxf", "destroyed Drawing1.dxf", "current none"}));
  docs.removeReactor(&reactor);
}

TEST(HostDocManagerTest, SaveAsThenOpenReadsTheSameDrawing) {
  TempDir dir;
  HostDocManager docs;
  HostDocument* doc = nullptr;
  docs.newDocument(&doc);
  std::string path = dir / "out.dxf";
  docs.saveAs(doc, OdString(path));
  EXPECT_EQ(doc->filePath(), OdString(path));
  EXPECT_EQ(doc->name(), OdString("out.dxf"));
  size_t objects = doc->database()->objectCount();
  HostDocument* opened = docs.openDocument(OdString(path));
  EXPECT_EQ(docs.curDocument(), opened);
  EXPECT_EQ(opened->database()->objectCount(), objects);
  EXPECT_EQ(opened->database()->getFilename(), OdString(path));
  // Nothing but the drawing is left in the folder: the write was atomic.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}
