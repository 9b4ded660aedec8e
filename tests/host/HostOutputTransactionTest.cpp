#include "HostOutputTransaction.h"
#include "HostTestSupport.h"
#include "OdError.h"

#include <set>

namespace {
std::set<std::string> namesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

auto text(const std::string& bytes) {
  return [bytes] { return bytes; };
}
}  // namespace

class HostOutputTransactionTest : public ::testing::Test {
 protected:
  OdString at(const std::string& name) const { return OdString(dir / name); }
  TempDir dir;
};

TEST_F(HostOutputTransactionTest, OutputsAppearTogetherAtCommitAndNotAtAllWithout) {
  writeText(dir.path() / "kept.json", "old");
  {
    HostOutputTransaction run;
    run.claim(at("kept.json"));
    run.write(at("kept.json"), text("new"));
    // A command run on the program's behalf writes into the program's run.
    hostWriteOutput(at("r.png"), text("png"));
    EXPECT_EQ(readText(dir.path() / "kept.json"), "old");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "r.png"));
  }
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"kept.json"}) << "no temporary file left";
  EXPECT_EQ(readText(dir.path() / "kept.json"), "old");

  HostOutputTransaction run;
  run.write(at("kept.json"), text("new"));
  hostWriteOutput(at("r.png"), text("png"));
  run.commit();
  EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"kept.json", "r.png"}));
  EXPECT_EQ(readText(dir.path() / "kept.json"), "new");
  EXPECT_EQ(readText(dir.path() / "r.png"), "png");
}

TEST_F(HostOutputTransactionTest, AnInputOrAnOutputTwiceIsRefusedBeforeTheBytesAreMade) {
  writeText(dir.path() / "in.dxf", "drawing");
  std::filesystem::create_hard_link(dir.path() / "in.dxf", dir.path() / "hard.dxf");
  std::filesystem::create_directory(dir.path() / "sub");
  bool made = false;
  auto bytes = [&] {
    made = true;
    return std::string("x");
  };
  HostOutputTransaction run({at("in.dxf")});
  EXPECT_THROW(run.write(at("hard.dxf"), bytes), OdError);
  EXPECT_THROW(hostWriteOutput(at("sub/../in.dxf"), bytes), OdError);
  EXPECT_THROW(run.write(at("sub"), bytes), OdError);
  run.claim(at("out.dxf"));
  EXPECT_THROW(run.claim(at("sub/../out.dxf")), OdError);
  EXPECT_FALSE(made);
  run.write(at("sub/../out.dxf"), bytes);
  EXPECT_TRUE(made);
  EXPECT_THROW(run.write(at("out.dxf"), bytes), OdError) << "written twice";
  EXPECT_EQ(readText(dir.path() / "in.dxf"), "drawing");
}

// A drawing is saved in pieces: what stops the pieces on the way leaves nothing behind.
TEST_F(HostOutputTransactionTest, OutputsComeInPiecesAndAStoppedOneLeavesNoFile) {
  HostOutputTransaction run;
  run.writeInPieces(at("r.dxf"), [](const HostOutputPut& put) {
    put("0\nSECTION\n");
    put("0\nEOF\n");
  });
  auto stopped = [](const HostOutputPut& put) {
    put("0\nSECTION\n");
    throw OdError(eOutOfMemory, "out of memory while writing");
  };
  EXPECT_THROW(run.writeInPieces(at("other.dxf"), stopped), OdError);
  run.commit();
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"r.dxf"}) << "no temporary file left";
  EXPECT_EQ(readText(dir.path() / "r.dxf"), "0\nSECTION\n0\nEOF\n");
}
