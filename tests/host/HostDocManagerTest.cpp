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

TEST(HostDocManagerTest, OutputGoesToTheGeneralCommandLineWithoutADocument) {
  HostDocManager docs;
  docs.print("before");
  HostDocument* doc = nullptr;
  docs.newDocument(&doc);
  docs.commandLine().printf("%d drawings, %s", 1, "fine");
  EXPECT_EQ(joined(doc->commandLine().log()), "1 drawings, fine\n");
  docs.closeDocument(doc);
  EXPECT_EQ(joined(docs.commandLine().log()), "before\n");
  EXPECT_EQ(docs.mainWindowHandle(), nullptr);
}

TEST(HostDocManagerTest, LocksNestUnderTheFirstCommandsName) {
  HostDocManager docs;
  HostDocument* doc = nullptr;
  docs.newDocument(&doc);
  EXPECT_FALSE(docs.isLocked(doc));
  docs.lockDocument(doc, "COMPARE");
  {
    HostDocLock inner(docs, doc, "INNER");
    EXPECT_EQ(docs.lockingCommand(doc), OdString("COMPARE"));
  }
  EXPECT_TRUE(docs.isLocked(doc));
  docs.unlockDocument(doc);
  EXPECT_FALSE(docs.isLocked(doc));
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

TEST(HostDocManagerTest, ErrorsNameTheFile) {
  TempDir dir;
  HostDocManager docs;
  std::string missing = dir / "missing.dxf";
  try {
    docs.openDocument(OdString(missing));
    FAIL() << "opened a missing file";
  } catch (const OdError& e) {
    EXPECT_EQ(e.code(), eFileNotFound);
    EXPECT_NE(std::string(e.what()).find(missing), std::string::npos) << e.what();
  }
  HostDocument* doc = nullptr;
  docs.newDocument(&doc);
  std::string unwritable = dir / "no/such/folder/x.dxf";
  try {
    docs.saveAs(doc, OdString(unwritable));
    FAIL() << "saved into a missing folder";
  } catch (const OdError& e) {
    EXPECT_NE(std::string(e.what()).find(unwritable), std::string::npos) << e.what();
  }
}
