#include "TestData.h"
#include "host/HostDrawingTestSupport.h"
#include "host/HostTestSupport.h"

#include "DbDictionary.h"
#include "DbXrecord.h"
#include "DwgReader.h"
#include "DxfReader.h"
#include "HostVersion.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <climits>
#include <map>
#include <regex>
#include <set>

namespace {
std::vector<std::string> changeLinesOf(const std::string& output) {
  std::vector<std::string> lines;
  std::istringstream in(output);
  for (std::string line; std::getline(in, line);)
    if (line.rfind("Change ", 0) == 0) lines.push_back(line);
  return lines;
}

QJsonArray changesOf(const std::filesystem::path& report) {
  std::string text = readText(report);
  return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object()["changes"].toArray();
}

// How many objects of each file the changes hold, all together.
std::pair<int, int> objectsIn(const QJsonArray& changes) {
  std::pair<int, int> total;
  for (const QJsonValue& change : changes) {
    total.first += change["file1"].toArray().size();
    total.second += change["file2"].toArray().size();
  }
  return total;
}

// The change holding an object of the class with that box in the file ("file1" or "file2"), or null.
QJsonValue changeHolding(const QJsonArray& changes, const char* file, const char* className, QJsonArray box) {
  for (const QJsonValue& change : changes)
    for (const QJsonValue& object : change[file].toArray())
      if (object["class"].toString() == className && object["box"].toArray() == box) return change;
  return QJsonValue();
}

bool explains(const QJsonValue& change, int code, const char* file1Start, const char* file2Start) {
  for (const QJsonValue& field : change["explanation"].toArray())
    if (field["code"].toInt() == code && field["file1"].toString().startsWith(file1Start) &&
        field["file2"].toString().startsWith(file2Start))
      return true;
  return false;
}
}  // namespace

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

// Each DWG against the DXF its program saved of the same drawing. What stays
// apart is what the converter writes otherwise (measured per pair: groups
// the twin's program leaves out, such as a solid's elevation, in attributes,
// texts, MText, solids, splines, multileaders and dimensions); a pair it
// cannot convert (R2004) is refused.
TEST_F(DwgcompareProgramTest, DwgTwinsCompareWithinTheConvertersKnownLosses) {
  SKIP_WITHOUT_TESTDATA();
  if (!odDwgConverterAvailable()) GTEST_SKIP() << "the DWG converter is not installed (./run deps)";
  struct Twin {
    const char* folder;
    long file1Only, file2Only;  // at most; -1 for a pair that is refused
  };
  const Twin twins[] = {
      {testdata::kDwgTwins2000, 39, 40},        {testdata::kDwgTwins2007, 26, 27},
      {testdata::kDwgTwins2010, 41, 44},        {testdata::kDwgTwins2013, 41, 44},
      {testdata::kDwgTwins2018, 41, 44},        {testdata::kDwgTwinsExample2004, -1, -1},
      {testdata::kDwgTwinsExample2007, 17, 19}, {testdata::kDwgTwinsExample2013, 19, 21},
  };
  for (const Twin& twin : twins) {
    SCOPED_TRACE(twin.folder);
    std::filesystem::path folder = testDataDir() / twin.folder;
    ProgramRun run = this->run(DWGCOMPARE_PROGRAM, {(folder / "a.dwg").string(), (folder / "b.dxf").string(),
                                                    "--json", "twin.json"});
    if (twin.file1Only < 0) {
      EXPECT_EQ(run.status, 1);
      EXPECT_NE(run.output.find("cannot read DWG AC1018 drawing"), std::string::npos) << run.output;
      continue;
    }
    ASSERT_EQ(run.status, 0) << run.output;
    std::string json = readText(dir.path() / "twin.json");
    for (const char* field : {"savedBy", "dateSaved"}) {
      std::regex pattern(std::string("\"") + field + "\": (\"[^\"]*\")");
      std::vector<std::string> values;
      for (std::sregex_iterator it(json.begin(), json.end(), pattern), end; it != end; ++it) values.push_back((*it)[1]);
      ASSERT_EQ(values.size(), 2u) << field;
      EXPECT_EQ(values[0], values[1]) << field;
    }
    Counts counts = countsOf(json);
    EXPECT_LE(counts.file1Only, twin.file1Only);
    EXPECT_LE(counts.file2Only, twin.file2Only);
    EXPECT_GT(counts.shared, 0);
  }
}

// Every test DWG opens in cadhost and shows, or is refused in one line naming the file and its version.
TEST_F(DwgcompareProgramTest, CadhostShowsEveryDwgOrSaysWhyNot) {
  SKIP_WITHOUT_TESTDATA();
  if (!odDwgConverterAvailable()) GTEST_SKIP() << "the DWG converter is not installed (./run deps)";
  for (const auto& dwg : testDataFiles("dwg", ".dwg")) {
    SCOPED_TRACE(dwg.filename().string());
    std::filesystem::remove(dir.path() / "shown.png");
    ProgramRun shown = run(CADHOST_PROGRAM, {"--headless", dwg.string(), "-c", "ZOOMALL;EXPORT shown.png;QUIT"});
    if (shown.status == 0) {
      QImage picture(QString::fromStdString(dir / "shown.png"));
      ASSERT_FALSE(picture.isNull());
      EXPECT_GT(pixelsOtherThanBackground(picture), 100);
      continue;
    }
    EXPECT_EQ(shown.status, 1);
    std::smatch refusal;
    EXPECT_TRUE(std::regex_search(shown.output, refusal, std::regex(dwg.string() + ": cannot read DWG AC1\\d{3} drawing: [^\n]+\n")))
        << shown.output;
  }
}

// Saved result drawings keep fingerprints: a change to what a class writes
// would make every saved result compare wrongly, so it has to be on purpose.
TEST_F(DwgcompareProgramTest, FingerprintsOfTheSampleDrawingStayAsTheyWere) {
  struct Golden {
    const char* handle;
    const char* className;
    const char* fingerprint;
  };
  const Golden golden[] = {
      {"76", "AcDbHatch", "1619F28E"},         {"78", "AcDbPolyline", "445E8266"},
      {"87", "AcDbBlockReference", "9EF103FE"}, {"8E", "AcDbLine", "8B75A24D"},
      {"8F", "AcDbArc", "8F77BED2"},           {"9B", "AcDbCircle", "A56E2219"},
      {"A7", "AcDbText", "46B32AC6"},          {"AC", "AcDbMText", "32E36D2D"},
      {"B7", "AcDbRotatedDimension", "DA52CCE1"}, {"107", "AcDbAlignedDimension", "BC56576C"},
  };
  std::string sample = std::string(DC_SOURCE_DIR) + "/samples/plan.dxf";
  ProgramRun listed = run(CADHOST_PROGRAM, {"--headless", "--load", DWGCOMPARE_MODULE, sample, "-c", "DWGCOMPAREHASH;QUIT"});
  ASSERT_EQ(listed.status, 0) << listed.output;
  for (const Golden& g : golden)
    EXPECT_NE(listed.output.find(std::string("\n") + g.handle + " " + g.className + " " + g.fingerprint + "\n"),
              std::string::npos)
        << g.className << " " << g.handle << " no longer fingerprints as " << g.fingerprint;
}

TEST_F(DwgcompareProgramTest, ASavedResultOpensInCadhostPaintedTheSame) {
  std::string samples = std::string(DC_SOURCE_DIR) + "/samples/";
  ProgramRun compared = compare(samples + "plan.dxf", samples + "plan_revised.dxf", "result");
  ASSERT_EQ(compared.status, 0) << compared.output;
  std::filesystem::create_directories(dir.path() / "modules");
  std::filesystem::copy_file(DWGCOMPARE_MODULE, dir.path() / "modules" / "libdwgcompare.so");
  ProgramRun reopened =
      run(CADHOST_PROGRAM, {"--headless", "-c", "OPEN result.dxf;ZOOMALL;EXPORT reopened.png;-COMPARECHANGES;QUIT"});
  ASSERT_EQ(reopened.status, 0) << reopened.output;
  EXPECT_EQ(readText(dir.path() / "result.png"), readText(dir.path() / "reopened.png"));
  // The changes are found again from the fingerprints the result keeps.
  ProgramRun listed = run(DWGCOMPARE_PROGRAM, {samples + "plan.dxf", samples + "plan_revised.dxf", "--changes"});
  EXPECT_EQ(changeLinesOf(reopened.output), changeLinesOf(listed.output));
  EXPECT_EQ(changeLinesOf(listed.output).size(), 5u);
  ProgramRun ezdxf = run("/usr/bin/python3", {"-c", "import ezdxf; ezdxf.readfile('result.dxf')"});
  EXPECT_EQ(ezdxf.status, 0) << ezdxf.output;
}

TEST_F(DwgcompareProgramTest, TimingsNameEveryPhaseInOrder) {
  std::string samples = std::string(DC_SOURCE_DIR) + "/samples/";
  ProgramRun timed = run(DWGCOMPARE_PROGRAM, {samples + "plan.dxf", samples + "plan_revised.dxf", "--timings", "-o", "r.dxf"});
  ASSERT_EQ(timed.status, 0) << timed.output;
  std::vector<std::string> phases;
  std::regex timing("time: (.*\\S) +[0-9]+\\.[0-9]{2} s  peak +[0-9]+ MB");
  for (std::sregex_iterator it(timed.output.begin(), timed.output.end(), timing), end; it != end; ++it)
    phases.push_back((*it)[1]);
  EXPECT_EQ(phases, (std::vector<std::string>{"read File 1 and File 2", "bind File 1", "bind File 2",
                                              "draw for the zoom-all", "fingerprint", "find the changes",
                                              "-DWGCOMPARE", "-COMPAREREPORT", "SAVEAS"}))
      << timed.output;
}

// What each revision did, as its changes tell it: the sample generator's
// edits (rooms that share walls touch, so the bathroom's and the kitchen's
// edits are one change; each armchair is one), and real revision pairs.
TEST_F(DwgcompareProgramTest, ChangesHoldWhatEachRevisionDid) {
  std::string samples = std::string(DC_SOURCE_DIR) + "/samples/";
  std::string pairs = (testDataDir() / "pairs").string() + "/";
  struct Case {
    std::string file1, file2, props;
    int changes;
    std::pair<int, int> objects;
  } cases[] = {
      {samples + "plan.dxf", samples + "plan_revised.dxf", "0", 5, {13, 13}},
      // Colour counts: the coffee table joins the armchairs beside it.
      {samples + "plan.dxf", samples + "plan_revised.dxf", "1", 4, {14, 14}},
      {pairs + "librecad_ellipse_added/a.dxf", pairs + "librecad_ellipse_added/b.dxf", "0", 2, {1, 2}},
      // Three INSERTs, a text and a polyline added in one place.
      {pairs + "acadsharp_r12_insert_added/a.dxf", pairs + "acadsharp_r12_insert_added/b.dxf", "0", 1, {0, 5}},
      {pairs + "twin_ascii_vs_binary_AC1024/a.dxf", pairs + "twin_ascii_vs_binary_AC1024/b.dxf", "0", 0, {0, 0}},
  };
  for (const Case& c : cases) {
    if (!std::filesystem::exists(c.file1)) continue;
    SCOPED_TRACE(c.file2 + " --props " + c.props);
    ProgramRun compared = run(DWGCOMPARE_PROGRAM, {c.file1, c.file2, "--props", c.props, "--json", "r.json", "--changes"});
    ASSERT_EQ(compared.status, 0) << compared.output;
    QJsonArray changes = changesOf(dir.path() / "r.json");
    EXPECT_EQ(changes.size(), c.changes);
    EXPECT_EQ(objectsIn(changes), c.objects);
    std::regex changeLine("(^|\n)Change \\d+ \\((added|removed|changed)\\) at ");
    auto lines = std::distance(std::sregex_iterator(compared.output.begin(), compared.output.end(), changeLine),
                               std::sregex_iterator());
    EXPECT_EQ(lines, c.changes) << compared.output;
  }
  ProgramRun colour = run(DWGCOMPARE_PROGRAM, {samples + "plan.dxf", samples + "plan_revised.dxf", "--props", "1",
                                               "--json", "r.json"});
  QJsonArray changes = changesOf(dir.path() / "r.json");
  // The bathroom wall moved 300 east with the WC: one change, explained by the wall's points.
  QJsonValue bathroom = changeHolding(changes, "file1", "AcDbPolyline", {6450, 4200, 6550, 7000});
  EXPECT_EQ(bathroom, changeHolding(changes, "file2", "AcDbPolyline", {6750, 4200, 6850, 7000}));
  EXPECT_EQ(bathroom, changeHolding(changes, "file2", "AcDbBlockReference", {6120, 5400, 6750, 5800}));
  EXPECT_TRUE(explains(bathroom, 10, "6450.0, 4250.0", "6750.0, 4250.0"));
  // The coffee table's own colour.
  QJsonValue table = changeHolding(changes, "file2", "AcDbCircle", {1250, 2450, 2150, 3350});
  EXPECT_TRUE(explains(table, 62, "256", "1")) << QJsonDocument(table.toObject()).toJson().toStdString();
}

// Revision clouds (cyan) around the changes, in the whole picture and in one
// picture per change, unless the profile switches them off; the legend tells
// the groups' counts of painted entities and the files.
TEST_F(DwgcompareProgramTest, PicturesShowACloudAroundEachChangeAndTheLegend) {
  std::string samples = std::string(DC_SOURCE_DIR) + "/samples/";
  std::filesystem::create_directory(dir.path() / "changes");
  ProgramRun clouded = run(DWGCOMPARE_PROGRAM, {samples + "plan.dxf", samples + "plan_revised.dxf", "--png", "on.png",
                                                "--svg", "on.svg", "--zoom-changes", "changes"});
  ASSERT_EQ(clouded.status, 0) << clouded.output;
  constexpr uint32_t kCyan = 0x00FFFF;
  EXPECT_GT(pixelsShowingColour(QImage(QString::fromStdString(dir / "on.png")), kCyan), 1000);
  for (int change = 1; change <= 5; ++change) {
    std::string picture = (dir.path() / "changes" / ("change_00" + std::to_string(change) + ".png")).string();
    EXPECT_GT(pixelsShowingColour(QImage(QString::fromStdString(picture)), kCyan), 1000) << picture;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "changes" / "change_006.png"));
  std::string svg = readText(dir.path() / "on.svg");
  for (const char* line : {">Only in File 1: 22 entities<", ">Only in File 2: 23 entities<", ">In both: 142 entities<",
                           ">File 1: plan.dxf<", ">File 2: plan_revised.dxf<"})
    EXPECT_NE(svg.find(line), std::string::npos) << line;

  writeText(dir.path() / "profile", "[cmddata/DrawingComparison]\nRevisionClouds = i32 0\n");
  ProgramRun plain = run(DWGCOMPARE_PROGRAM, {samples + "plan.dxf", samples + "plan_revised.dxf", "--png", "off.png"});
  ASSERT_EQ(plain.status, 0) << plain.output;
  EXPECT_EQ(pixelsShowingColour(QImage(QString::fromStdString(dir / "off.png")), kCyan), 0);

  ProgramRun nowhere = run(DWGCOMPARE_PROGRAM, {samples + "plan.dxf", samples + "plan_revised.dxf", "--zoom-changes", "none"});
  EXPECT_EQ(nowhere.status, 1);
  EXPECT_NE(nowhere.output.find("--zoom-changes none: not a folder"), std::string::npos) << nowhere.output;
}

namespace {
// Every file of the folder, below it too, with a checksum of its bytes;
// not the programs' own profile, where the host keeps the user's settings.
std::map<std::string, size_t> snapshot(const std::filesystem::path& folder) {
  std::map<std::string, size_t> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    if (entry.path().filename() != "profile") files[entry.path().lexically_relative(folder).string()] =
        entry.is_regular_file() ? std::hash<std::string>()(fileContents(entry.path())) : 0;
  return files;
}
}  // namespace

// Bad input and refused outputs, as each program meets them: the same exit
// status (0 done, 1 an input or output failed, 2 a wrong command line), a
// message naming the file, and the folder exactly as it was: inputs
// unchanged, no output, partial or temporary, left behind.
TEST_F(DwgcompareProgramTest, EveryProgramRefusesBadInputsAndOutputsAlikeAndChangesNothing) {
  std::string samples = std::string(DC_SOURCE_DIR) + "/samples/";
  std::filesystem::copy_file(samples + "plan.dxf", dir.path() / "a.dxf");
  std::filesystem::copy_file(samples + "plan_revised.dxf", dir.path() / "b.dxf");
  writeText(dir.path() / "broken.dxf", "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n 10\nnot a number\n");
  writeText(dir.path() / "old.png", "kept");
  std::filesystem::create_directory(dir.path() / "folder.dxf");
  std::filesystem::create_symlink("b.dxf", dir.path() / "b-link.json");
  std::filesystem::create_symlink("old.png", dir.path() / "old-link.svg");
  std::filesystem::create_symlink("a.dxf", dir.path() / "a-link.png");
  const std::string longName(300, 'n');
  const std::string dwgcompare = DWGCOMPARE_PROGRAM, cadhost = CADHOST_PROGRAM, odtool = ODTOOL_PROGRAM;
  struct Case {
    std::string program;
    std::vector<std::string> args;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {dwgcompare, {"a.dxf", "b.dxf", "-o", "a.dxf"}, 1, "a.dxf: refused as an output: it is the input a.dxf"},
      {dwgcompare, {"a.dxf", "b.dxf", "--json", "b-link.json"}, 1, "b-link.json: refused as an output: it is the input b.dxf"},
      {dwgcompare, {"a.dxf", "b.dxf", "--png", "old.png", "--svg", "old-link.svg"}, 1, "old-link.svg: refused as an output: the output old.png"},
      {dwgcompare, {"a.dxf", "b.dxf", "-o", "/proc/x.dxf", "--png", "r.png", "--json", "r.json"}, 1, "/proc/x.dxf: cannot write"},
      {dwgcompare, {"a.dxf", "b.dxf", "--png", "r.png", "-o", "no/r.dxf"}, 1, "no/r.dxf: cannot write: folder no not found"},
      {dwgcompare, {"a.dxf", "b.dxf", "--png", "r.png", "-o", longName + ".dxf"}, 1, "longer than 255 bytes"},
      {dwgcompare, {"nowhere.dxf", "b.dxf", "--json", "r.json"}, 1, "nowhere.dxf: file not found"},
      {dwgcompare, {longName + ".dxf", "b.dxf"}, 1, longName + ".dxf: file not found"},
      {dwgcompare, {"folder.dxf", "b.dxf"}, 1, "folder.dxf: is a directory"},
      {dwgcompare, {"broken.dxf", "b.dxf", "--json", "r.json"}, 1, "broken.dxf"},
      {dwgcompare, {"a.dxf", "b.dxf", "--svg", "r.png"}, 2, "--svg r.png: the file name must end in .svg"},
      {dwgcompare, {"a.dxf", "b.dxf", "--props", "64"}, 2, "from 0 to 63"},
      {dwgcompare, {"a.dxf", "b.dxf", "--tolerance", "-1"}, 2, "from 0 to 14"},
      {dwgcompare, {"a.dxf", "b.dxf", "--tolerance", "six"}, 2, "invalid value \"six\" for COMPARETOLERANCE"},
      {dwgcompare, {"a.dxf"}, 2, "give two drawing files\nusage: dwgcompare"},
      {cadhost, {"--headless", "-c", "OPEN a.dxf;NEW;SAVEAS a.dxf"}, 1, "a.dxf: refused as an output: it is the input a.dxf"},
      {cadhost, {"--headless", "-c", "OPEN a.dxf;SAVEAS r.png"}, 1, "r.png: a drawing is saved as DXF; the file name must end in .dxf"},
      {cadhost, {"--headless", "-c", "OPEN a.dxf;EXPORT a-link.png"}, 1, "a-link.png: refused as an output: it is the input a.dxf"},
      {cadhost, {"--headless", "--load", DWGCOMPARE_MODULE, "-c", "-DWGCOMPARE a.dxf b.dxf;SAVEAS b.dxf"}, 1, "b.dxf: refused as an output: it is the input b.dxf"},
      {cadhost, {"--headless", "--load", DWGCOMPARE_MODULE, "-c", "-DWGCOMPARE a.dxf b.dxf;-COMPAREREPORT b-link.json"}, 1, "b-link.json: refused as an output"},
      {cadhost, {"--headless", "-c", "OPEN folder.dxf"}, 1, "folder.dxf: is a directory"},
      {cadhost, {"--headless", "-c", "NEW;SAVEAS x.dxf", "--script", "nowhere.scr"}, 1, "nowhere.scr: file not found"},
      {cadhost, {"--headless", "--bogus"}, 2, "unknown argument --bogus\nusage: cadhost"},
      {cadhost, {"-c"}, 2, "usage: cadhost"},
      {odtool, {"roundtrip", "a.dxf", "a.dxf"}, 1, "a.dxf: refused as an output: it is the input a.dxf"},
      {odtool, {"bind", "a.dxf", "b.dxf", "b.dxf"}, 1, "b.dxf: refused as an output: it is the input b.dxf"},
      {odtool, {"roundtrip", "broken.dxf", "r.dxf"}, 1, "broken.dxf"},
      {odtool, {"info", "folder.dxf"}, 1, "folder.dxf: is a directory"},
      {odtool, {"info", longName}, 1, longName + ": file not found"},
      {odtool, {"roundtrip", "a.dxf", "r.png"}, 2, "must end in .dxf\nusage: odtool"},
  };
  const std::map<std::string, size_t> before = snapshot(dir.path());
  for (const Case& c : cases) {
    ProgramRun r = run(c.program, c.args);
    std::string line = std::filesystem::path(c.program).filename().string();
    for (const std::string& arg : c.args) line += " " + arg.substr(0, 40);
    SCOPED_TRACE(line);
    EXPECT_EQ(r.status, c.status) << r.output;
    EXPECT_NE(r.output.find(c.message), std::string::npos) << r.output;
    EXPECT_EQ(r.output.find("--tolerance N    COMPARETOLERANCE"), std::string::npos) << "the short usage only";
    EXPECT_EQ(snapshot(dir.path()), before);
  }
}

TEST_F(DwgcompareProgramTest, EveryProgramTellsItsVersion) {
  for (const std::string program : {DWGCOMPARE_PROGRAM, CADHOST_PROGRAM, ODTOOL_PROGRAM}) {
    ProgramRun r = run(program, {"--version"});
    EXPECT_EQ(r.status, 0) << program;
    EXPECT_EQ(r.output, std::filesystem::path(program).filename().string() + " " + kHostVersion + "\n");
  }
}

// A working folder deeper than the path limit: the programs use the paths
// they are given, which still name the files there.
TEST_F(DwgcompareProgramTest, AWorkingFolderDeeperThanThePathLimitStillWorks) {
  std::string samples = std::string(DC_SOURCE_DIR) + "/samples/";
  std::string deeper = "d=" + std::string(200, 'd') + "; for i in $(seq 25); do mkdir $d && cd -P $d || exit 9; done; ";
  std::string script = deeper + "cp " + shellQuoted(samples + "plan.dxf") + " a.dxf && cp " +
                       shellQuoted(samples + "plan_revised.dxf") + " b.dxf && " + shellQuoted(DWGCOMPARE_PROGRAM) +
                       " a.dxf b.dxf -o r.dxf --json r.json && " + shellQuoted(ODTOOL_PROGRAM) +
                       " roundtrip r.dxf again.dxf && test -s r.json && test -s again.dxf && echo deep:$(pwd | wc -c)";
  ProgramRun r = run("/bin/sh", {"-c", script});
  std::system(("rm -rf " + shellQuoted(dir / std::string(200, 'd'))).c_str());
  EXPECT_EQ(r.status, 0) << r.output;
  std::smatch depth;
  ASSERT_TRUE(std::regex_search(r.output, depth, std::regex("deep:(\\d+)"))) << r.output;
  EXPECT_GT(std::stol(depth[1]), PATH_MAX);
}
