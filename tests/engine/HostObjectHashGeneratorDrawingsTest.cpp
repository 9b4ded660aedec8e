// Fingerprints of real drawings: unchanged by writing the drawing and
// reading it back, and by binding it into another drawing, which renames
// its layers and blocks ("FILE1$0$name") and gives every object a new handle;
// the same for a drawing saved as ASCII DXF and as binary DXF.

#include "DbXRefMan.h"
#include "DxfReader.h"
#include "DxfWriter.h"
#include "FingerprintReport.h"
#include "FingerprintTestSupport.h"
#include "TestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace hostObjectCompare;

namespace {

std::vector<std::filesystem::path> drawings() {
  std::vector<std::filesystem::path> files = testDataFiles("dxf", ".dxf");
  for (const auto& pair : testDataFiles("pairs", ".dxf")) files.push_back(pair);
  return files;
}

std::vector<OdDbObjectPtr> entitiesOf(OdDbObjectId blockId) {
  std::vector<OdDbObjectPtr> out;
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(blockId.openObject().get());
  for (OdDbObjectId id : block->entityIds())
    if (OdDbObjectPtr entity = id.openObject()) out.push_back(entity);
  return out;
}

using ValueLines = std::vector<std::string>;
// What the library does to an object on its way that the fingerprint does
// not absorb, applied to its values.
using Allowance = void (*)(ValueLines&);

ValueLines valueLinesOf(const OdDbObject* object) {
  ValueLines lines;
  for (const OdString& line : fingerprintValueLines(object)) lines.push_back(line.utf8());
  return lines;
}

// A bind leaves groups behind, and with them the reactors that tie their
// members to them. It gives references to ByLayer, ByBlock and Continuous
// the host's own records, whose names R12 files write in capitals. And it
// prefixes names bound before ("X$0$A-WALL" becomes "FILE1$0$X$0$A-WALL"),
// of which fingerprints cut the first prefix only.
void whatABindChanges(ValueLines& lines) {
  std::erase_if(lines, [](const std::string& line) { return line == "102: {ACAD_REACTORS" || line == "102: }"; });
  for (std::string& line : lines) {
    if (line.starts_with("6: ")) std::transform(line.begin(), line.end(), line.begin(), ::toupper);
    size_t prefix = line.rfind("$0$");
    if (prefix != std::string::npos) line.erase(line.find(": ") + 2, prefix + 1 - line.find(": "));
  }
}

// Both lists, from where they part, so that a failure shows why.
std::string difference(const ValueLines& expected, const ValueLines& actual) {
  std::ostringstream out;
  size_t i = 0;
  while (i < expected.size() && i < actual.size() && expected[i] == actual[i]) ++i;
  for (size_t k = i; k < std::min(expected.size(), i + 4); ++k) out << "  - " << expected[k] << "\n";
  for (size_t k = i; k < std::min(actual.size(), i + 4); ++k) out << "  + " << actual[k] << "\n";
  return out.str();
}

// The entities of both blocks pair up in order, each with the fingerprint of
// its counterpart, or with the same values once the allowance (if any) is made.
void expectSameFingerprints(OdDbObjectId expectedBlock, OdDbObjectId actualBlock, Allowance allowance = nullptr) {
  std::vector<OdDbObjectPtr> expected = entitiesOf(expectedBlock), actual = entitiesOf(actualBlock);
  ASSERT_EQ(actual.size(), expected.size());
  ASSERT_FALSE(expected.empty());
  int reported = 0;
  for (size_t i = 0; i < expected.size() && reported < 3; ++i) {
    uint32_t want = HostObjectHashGenerator().buildHash(expected[i].get())->value;
    uint32_t got = HostObjectHashGenerator().buildHash(actual[i].get())->value;
    if (want == got) continue;
    ValueLines wanted = valueLinesOf(expected[i].get()), gotten = valueLinesOf(actual[i].get());
    if (allowance) {
      allowance(wanted);
      allowance(gotten);
      if (wanted == gotten) continue;
    }
    ADD_FAILURE() << expected[i]->isA()->name().utf8() << " " << expected[i]->getDbHandle().text() << " and "
                  << actual[i]->getDbHandle().text() << ":\n"
                  << difference(wanted, gotten);
    ++reported;
  }
}

class HostObjectHashGeneratorDrawingsTest : public FingerprintTest {
 protected:
  // The drawing bound into the result as a block of the given name, as a comparison binds it.
  static OdDbObjectId bindInto(OdDbDatabase* result, const std::filesystem::path& path, const char* name) {
    OdDbBlockTableRecordPtr block =
        OdDbXRefManExt::addNewXRefDefBlock(result, OdString(path.string()), OdString(name), false);
    if (!block) return OdDbObjectId();
    OdDbXRefMan::load(block.get());
    OdDbXRefMan::bind(block.get());
    return block->objectId();
  }

  // Both with display properties left out and with all of them taken in.
  template <class Check>
  void underBothSettings(Check check) {
    for (int props : {0, kAllCompareProps}) {
      SCOPED_TRACE("COMPAREPROPS " + std::to_string(props));
      setCompareProps(props);
      check();
    }
  }
};

TEST_F(HostObjectHashGeneratorDrawingsTest, FingerprintsSurviveWritingAndReadingBack) {
  SKIP_WITHOUT_TESTDATA();
  for (const auto& path : drawings()) {
    SCOPED_TRACE(path.string());
    OdDbDatabasePtr drawing = odDxfReadFile(OdString(path.string()));
    OdDbDatabasePtr again = odDxfReadBuffer(odDxfWriteString(drawing.get()), OdString("again.dxf"));
    underBothSettings([&] { expectSameFingerprints(drawing->getModelSpaceId(), again->getModelSpaceId()); });
  }
}

TEST_F(HostObjectHashGeneratorDrawingsTest, AsciiAndBinaryTwinsHaveTheSameFingerprints) {
  SKIP_WITHOUT_TESTDATA();
  auto all = asciiBinaryTwins();
  if (all.empty()) GTEST_SKIP() << "no twins in the test data";
  for (const auto& twins : all) {
    SCOPED_TRACE(twins.ascii.string());
    OdDbDatabasePtr ascii = odDxfReadFile(OdString(twins.ascii.string()));
    OdDbDatabasePtr binary = odDxfReadFile(OdString(twins.binary.string()));
    underBothSettings([&] { expectSameFingerprints(ascii->getModelSpaceId(), binary->getModelSpaceId()); });
  }
}

// One drawing saved as DXF of two versions: proxy graphics, ACIS data,
// extension dictionaries, line feeds or \P in MTEXT, MTEXT columns and
// fields only newer versions write differ. (With layers compared they do not
// agree: the newer files name one layer differently.)
TEST_F(HostObjectHashGeneratorDrawingsTest, VersionTwinsHaveTheSameFingerprints) {
  SKIP_WITHOUT_TESTDATA();
  const std::filesystem::path twins = testDataDir() / "dwg-twins";
  const std::pair<const char*, const char*> versions[] = {
      {"libredwg_example_2004", "libredwg_example_2007"},
      {"libredwg_example_2004", "libredwg_example_2013"},
      {"acadsharp_sample_AC1024", "acadsharp_sample_AC1027"},
  };
  for (auto [older, newer] : versions) {
    SCOPED_TRACE(std::string(older) + " and " + newer);
    if (!std::filesystem::exists(twins / older) || !std::filesystem::exists(twins / newer)) continue;
    OdDbDatabasePtr first = odDxfReadFile(OdString((twins / older / "b.dxf").string()));
    OdDbDatabasePtr second = odDxfReadFile(OdString((twins / newer / "b.dxf").string()));
    expectSameFingerprints(first->getModelSpaceId(), second->getModelSpaceId());
  }
}

TEST_F(HostObjectHashGeneratorDrawingsTest, FingerprintsSurviveBinding) {
  SKIP_WITHOUT_TESTDATA();
  for (const auto& path : drawings()) {
    SCOPED_TRACE(path.string());
    OdDbDatabasePtr drawing = odDxfReadFile(OdString(path.string()));
    OdDbDatabasePtr result = OdDbDatabase::create();
    OdDbObjectId block = bindInto(result.get(), path, "FILE1");
    ASSERT_FALSE(block.isNull());
    underBothSettings([&] { expectSameFingerprints(drawing->getModelSpaceId(), block, whatABindChanges); });
  }
}

}  // namespace
