#include "TestData.h"
#include "host/HostDrawingTestSupport.h"
#include "host/HostTestSupport.h"

#include "DbDictionary.h"
#include "DbXrecord.h"
#include "DxfReader.h"

#include <regex>
#include <set>

namespace {
struct Counts {
  long file1Only = -1, file2Only = -1, shared = -1;
  bool operator==(const Counts&) const = default;
};

// The report's counts of top-level objects ("counts") or of entities ("entityCounts").
Counts countsOf(const std::string& json, const std::string& key = "counts") {
  std::smatch m;
  std::regex pattern("\"" + key + "\": \\{\"file1Only\": (\\d+), \"file2Only\": (\\d+), \"shared\": (\\d+)\\}");
  if (!std::regex_search(json, m, pattern)) return {};
  return {std::stol(m[1]), std::stol(m[2]), std::stol(m[3])};
}

// The hash values a saved result keeps for one file.
std::multiset<uint32_t> savedValues(OdDbDatabase* db, const char* entry) {
  std::multiset<uint32_t> values;
  OdDbDictionaryPtr named = db->getNamedObjectsDictionaryId().safeOpenObject();
  OdDbDictionaryPtr pair = named->getAt("ZRKD_DIFF", OdDb::kForRead);
  OdDbXrecordPtr file = pair->getAt(entry, OdDb::kForRead);
  int item = 0;
  for (OdResBufPtr rb = file->rbChain(); rb; rb = rb->next(), ++item) {
    if (item < 5) continue;
    const OdBinaryData& chunk = rb->getBinaryChunk();
    for (size_t at = 0; at + 4 <= chunk.size(); at += 4) {
      uint32_t value = chunk[at] | chunk[at + 1] << 8 | chunk[at + 2] << 16 | uint32_t(chunk[at + 3]) << 24;
      if (value) values.insert(value);
    }
  }
  return values;
}

// The counts the saved fingerprints give, as the report defines them.
Counts countsFromFingerprints(const std::multiset<uint32_t>& file1, const std::multiset<uint32_t>& file2) {
  Counts counts{0, 0, 0};
  for (uint32_t v : file1) ++(file2.count(v) ? counts.shared : counts.file1Only);
  for (uint32_t v : file2) counts.file2Only += file1.count(v) ? 0 : 1;
  return counts;
}
}  // namespace

// dwgcompare as a user runs it, with a profile of the test's own.
class DwgcompareProgramTest : public ::testing::Test {
 protected:
  ProgramRun run(const std::string& program, const std::vector<std::string>& args) {
    return runProgramIn(dir, "", program, args);
  }
  ProgramRun compare(const std::string& a, const std::string& b, const std::string& name) {
    return run(DWGCOMPARE_PROGRAM, {a, b, "-o", name + ".dxf", "--png", name + ".png", "--json", name + ".json"});
  }
  TempDir dir;
};

TEST_F(DwgcompareProgramTest, EveryRevisionPairGivesAResultWhoseReportAgreesWithItsFingerprints) {
  SKIP_WITHOUT_TESTDATA();
  for (const auto& a : testDataFiles("pairs", ".dxf")) {
    if (a.filename() != "a.dxf") continue;
    std::string b = (a.parent_path() / "b.dxf").string();
    SCOPED_TRACE(a.parent_path().filename().string());
    ProgramRun forward = compare(a.string(), b, "forward");
    ASSERT_EQ(forward.status, 0) << forward.output;
    Counts counts = countsOf(readText(dir.path() / "forward.json"), "entityCounts");
    OdDbDatabasePtr result = odDxfReadFile(OdString(dir / "forward.dxf"));
    EXPECT_EQ(counts, countsFromFingerprints(savedValues(result.get(), "File1"), savedValues(result.get(), "File2")));
    EXPECT_GT(counts.shared, 0);

    ProgramRun backward = compare(b, a.string(), "backward");
    ASSERT_EQ(backward.status, 0) << backward.output;
    Counts swapped = countsOf(readText(dir.path() / "backward.json"), "entityCounts");
    EXPECT_EQ(swapped.file1Only, counts.file2Only);
    EXPECT_EQ(swapped.file2Only, counts.file1Only);

    QImage painted(QString::fromStdString(dir / "forward.png"));
    ASSERT_FALSE(painted.isNull());
    if (counts.file1Only > 0) {
      EXPECT_GT(pixelsShowingColour(painted, 0x00FF00), 0) << "File 1 in green";
    }
    if (counts.file2Only > 0) {
      EXPECT_GT(pixelsShowingColour(painted, 0xFF0000), 0) << "File 2 in red";
    }
  }
}

TEST_F(DwgcompareProgramTest, ADrawingAgainstItselfIsAllShared) {
  SKIP_WITHOUT_TESTDATA();
  for (const auto& file : testDataFiles("dxf", ".dxf")) {
    ProgramRun same = run(DWGCOMPARE_PROGRAM, {file.string(), file.string(), "--json", "same.json"});
    ASSERT_EQ(same.status, 0) << file << same.output;
    Counts counts = countsOf(readText(dir.path() / "same.json"));
    EXPECT_EQ(counts.file1Only, 0) << file;
    EXPECT_EQ(counts.file2Only, 0) << file;
  }
}

TEST_F(DwgcompareProgramTest, ASavedResultOpensInCadhostPaintedTheSame) {
  std::string samples = std::string(DC_SOURCE_DIR) + "/samples/";
  ProgramRun compared = compare(samples + "plan.dxf", samples + "plan_revised.dxf", "result");
  ASSERT_EQ(compared.status, 0) << compared.output;
  std::filesystem::create_directories(dir.path() / "modules");
  std::filesystem::copy_file(DWGCOMPARE_MODULE, dir.path() / "modules" / "libdwgcompare.so");
  ProgramRun reopened = run(CADHOST_PROGRAM, {"--headless", "-c", "OPEN result.dxf;ZOOMALL;EXPORT reopened.png;QUIT"});
  ASSERT_EQ(reopened.status, 0) << reopened.output;
  EXPECT_EQ(readText(dir.path() / "result.png"), readText(dir.path() / "reopened.png"));
  ProgramRun ezdxf = run("/usr/bin/python3", {"-c", "import ezdxf; ezdxf.readfile('result.dxf')"});
  EXPECT_EQ(ezdxf.status, 0) << ezdxf.output;
}

TEST_F(DwgcompareProgramTest, BadInputGetsAClearMessageAndAFailingStatus) {
  ProgramRun missing = run(DWGCOMPARE_PROGRAM, {"nowhere.dxf", "nowhere.dxf"});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.output.find("nowhere.dxf: file not found"), std::string::npos) << missing.output;
  writeText(dir.path() / "broken.dxf", "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n 10\nnot a number\n");
  ProgramRun broken = run(DWGCOMPARE_PROGRAM, {"broken.dxf", "broken.dxf"});
  EXPECT_EQ(broken.status, 1);
  EXPECT_NE(broken.output.find("broken.dxf"), std::string::npos) << broken.output;
  ProgramRun badNumber = run(DWGCOMPARE_PROGRAM, {"broken.dxf", "broken.dxf", "--tolerance", "six"});
  EXPECT_EQ(badNumber.status, 2);
}
