// Single-line text (TEXT) and paragraph text (MTEXT) as real drawings give
// them: alignment, angles in radians, long contents split over groups,
// escapes; written back and built through the API.

#include "DbMText.h"
#include "DbText.h"
#include "EntityTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace entity_test;

constexpr double kDegree = std::numbers::pi / 180;

size_t occurrences(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// ---------------------------------------------------------------- TEXT

TEST(DbText, JustifiedTextOfARealDrawingReadAndWritten) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing(testdata::kFloorPlan);
  OdDbTextPtr text = byHandle<OdDbText>(db.get(), 0xB8B);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->alignmentPoint(), OdGePoint3d(-71.40484285714308, -286.1978121471602, 0));
  EXPECT_DOUBLE_EQ(text->rotation(), std::numbers::pi / 2);
  EXPECT_EQ(text->horizontalMode(), OdDb::kTextCenter);
  EXPECT_EQ(text->verticalMode(), OdDb::kTextVertMid);  // from the second AcDbText section
  EXPECT_FALSE(text->isDefaultAlignment());
  Record r = writtenRecord(db.get(), 0xB8B);
  ASSERT_EQ(r.name, "TEXT");
  EXPECT_DOUBLE_EQ(r.number(50), 90.0);  // degrees in files
  // The vertical mode belongs to the second AcDbText section.
  auto codes = r.codes();
  auto second = std::find(codes.begin(), codes.end(), 73);
  ASSERT_NE(second, codes.end());
  EXPECT_EQ(*(second - 1), 100);
  EXPECT_EQ(r.value(73), "2");
  EXPECT_EQ(r.values(100), (std::vector<std::string>{"AcDbEntity", "AcDbText", "AcDbText"}));
  EXPECT_EQ(byHandle<OdDbText>(saveAndReopen(db.get()).get(), 0xB8B)->verticalMode(), OdDb::kTextVertMid);
}

TEST(DbText, AlignedAndLeftTextOfAnR12File) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/example_r12_AC1009.dxf");
  OdDbTextPtr text = byHandle<OdDbText>(db.get(), 0x4E3);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->textString(), OdString("xx"));
  EXPECT_EQ(std::make_pair(text->horizontalMode(), text->verticalMode()), std::make_pair(OdDb::kTextAlign, OdDb::kTextBase));
  EXPECT_DOUBLE_EQ(text->rotation(), 18.4254565138818798 * kDegree);
  EXPECT_DOUBLE_EQ(text->alignmentPoint().x, 7970.4000694920114256);
  OdDbTextPtr plain = byHandle<OdDbText>(db.get(), 0x116F);
  ASSERT_TRUE(plain);
  EXPECT_TRUE(plain->isDefaultAlignment());
  EXPECT_EQ(plain->widthFactor(), 1.0);
  // Left text has no second point.
  Record r = writtenRecord(db.get(), 0x116F);
  ASSERT_EQ(r.name, "TEXT");
  EXPECT_FALSE(r.has(11) || r.has(72) || r.has(73));
}

TEST(DbText, JustifiedTextAtTheOriginKeepsItsSecondPoint) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDbTextPtr text = OdDbText::createObject();
  text->setHorizontalMode(OdDb::kTextRight);
  text->setAlignmentPoint(OdGePoint3d(0, 0, 0));
  text->setPosition(OdGePoint3d(-20, -3.5, 0));
  text->mirrorInX(true);
  text->mirrorInY(true);
  OdDbObjectId id = addToModelSpace(db.get(), text.get());
  Record r = writtenRecord(db.get(), id.getHandle());
  EXPECT_TRUE(r.has(11));
  EXPECT_EQ(r.value(71), "6");
  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdDbTextPtr read = byHandle<OdDbText>(again.get(), id.getHandle());
  EXPECT_EQ(read->horizontalMode(), OdDb::kTextRight);
  EXPECT_TRUE(read->isMirroredInX() && read->isMirroredInY());
}

// The groups 3 and 1 an MTEXT is written with, in order.
std::vector<std::pair<int, std::string>> contentGroups(const Record& r) {
  std::vector<std::pair<int, std::string>> parts;
  for (const auto& g : r.groups)
    if (g.first == 1 || g.first == 3) parts.push_back(g);
  return parts;
}

// Contents travel in groups of 250 characters (3 ... 3 1), control characters
// and carets as caret escapes, neither an escape nor a surrogate pair cut
// between groups; read back they are what was set.
TEST(DbText, ContentsAreWrittenInGroupsWithCaretEscapes) {
  const std::string x250 = std::string(249, 'x') + "Z", c249 = std::string(249, 'c'), d249 = std::string(249, 'd');
  const struct {
    bool paragraph;
    std::string contents;
    std::vector<std::pair<int, std::string>> written;
  } cases[] = {
      {false, "a\tb^c\r\nd^", {{1, "a^Ib^ c^M^Jd^ "}}},
      {true, "first\r\nsecond\nthird", {{1, "first^M^Jsecond^Jthird"}}},
      {true, x250, {{1, x250}}},
      {true, "x" + x250, {{3, "x" + x250.substr(0, 249)}, {1, "Z"}}},
      {true, x250 + x250 + "Z", {{3, x250}, {3, x250}, {1, "Z"}}},
      {true, c249 + "\ttail", {{3, c249 + "^I"}, {1, "tail"}}},
      {true, d249 + "\xF0\x9F\x98\x80" + "end", {{3, d249}, {1, "\xF0\x9F\x98\x80" "end"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.contents.substr(0, 20));
    OdDbDatabasePtr db = OdDbDatabase::create();
    OdDbEntityPtr entity;
    if (c.paragraph) {
      OdDbMTextPtr mtext = OdDbMText::createObject();
      mtext->setContents(OdString(c.contents));
      entity = mtext;
    } else {
      OdDbTextPtr text = OdDbText::createObject();
      text->setTextString(OdString(c.contents));
      entity = text;
    }
    OdDbObjectId id = addToModelSpace(db.get(), entity.get());
    EXPECT_EQ(contentGroups(writtenRecord(db.get(), id.getHandle())), c.written);
    OdDbDatabasePtr again = saveAndReopen(db.get());
    OdDbObjectPtr read = again->getOdDbObjectId(id.getHandle()).openObject();
    OdString back = c.paragraph ? OdDbMText::cast(read.get())->contents() : OdDbText::cast(read.get())->textString();
    EXPECT_EQ(back.utf8(), c.contents);
  }
}

// ---------------------------------------------------------------- MTEXT

TEST(DbMText, LongContentsAreJoinedExactlyFromTheirGroups) {
  SKIP_WITHOUT_TESTDATA();
  // Thirteen groups 3 and a final 1; the first cut falls inside "bla" (…bl|a…).
  OdDbDatabasePtr db = readDrawing("pairs/twin_ascii_vs_binary_AC1024/a.dxf");
  OdDbMTextPtr mtext = byHandle<OdDbMText>(db.get(), 0x779);
  ASSERT_TRUE(mtext);
  std::string text = mtext->contents().utf8();
  EXPECT_EQ(text.rfind("this is a really long Mtext", 0), 0u);
  EXPECT_EQ(occurrences(text, "bla"), 852u);
  EXPECT_EQ(occurrences(text, "bl "), 0u);
  EXPECT_EQ(occurrences(text, "bla  "), 0u);
  EXPECT_EQ(text.substr(text.size() - 7), "bla bla");

  // Written back in the groups the file has: 250 characters each, the line feed as ^J.
  auto written = contentGroups(writtenRecord(db.get(), 0x779));
  auto records = recordsOf(fileContents(testDataDir() / "pairs/twin_ascii_vs_binary_AC1024/a.dxf"));
  size_t original = findRecord(records, 0x779);
  ASSERT_LT(original, records.size());
  EXPECT_EQ(written, contentGroups(records[original]));
  OdDbDatabasePtr again = saveAndReopen(db.get());
  EXPECT_EQ(byHandle<OdDbMText>(again.get(), 0x779)->contents(), mtext->contents());
}

TEST(DbMText, UnicodeEscapeCutBetweenTwoGroupsIsDecoded) {
  SKIP_WITHOUT_TESTDATA();
  // dxflib cut "\U+043c" into "\U" at the end of the group 3 and "+043c" in the group 1.
  OdDbDatabasePtr db = readDrawing("dxf/gost_sheet_A1_cyrillic_escapes_AC1015.dxf");
  OdDbMTextPtr mtext = byHandle<OdDbMText>(db.get(), 0xC4);
  ASSERT_TRUE(mtext);
  std::string contents = mtext->contents().utf8();
  EXPECT_EQ(contents.find("\\U+"), std::string::npos);
  // "размеров", whose "м" was the escape cut in two.
  EXPECT_NE(contents.find("\xD1\x80\xD0\xB0\xD0\xB7\xD0\xBC\xD0\xB5\xD1\x80\xD0\xBE\xD0\xB2\\P"), std::string::npos);
  EXPECT_EQ(mtext->contents().getLength(), 109);
  EXPECT_EQ(byHandle<OdDbMText>(db.get(), 0x51)->contents().utf8(), "\xD0\x94\xD0\xB0\xD1\x82\xD0\xB0");  // Дата
  // Common properties dxflib writes after the AcDbMText marker still apply.
  EXPECT_EQ(mtext->lineWeight(), 18);

  OdDbDatabasePtr again = saveAndReopen(db.get());
  EXPECT_EQ(byHandle<OdDbMText>(again.get(), 0xC4)->contents(), mtext->contents());
}

TEST(DbMText, ColumnsOfANewerFileDoNotOverrideTheTextFields) {
  SKIP_WITHOUT_TESTDATA();
  // The embedded object repeats groups 10, 11, 40, 41, 46... with other meanings.
  OdDbDatabasePtr db = readDrawing("dxf/attribute_AC1032.dxf");
  OdDbMTextPtr mtext = byHandle<OdDbMText>(db.get(), 0x2C7);
  ASSERT_TRUE(mtext);
  EXPECT_EQ(mtext->contents(), OdString("asasas\t"));  // "asasas^I" in the file
  EXPECT_EQ(mtext->width(), 2108.926281065753);
  EXPECT_EQ(mtext->location(), OdGePoint3d(2613.923666740302, 5529.317690774798, 0));
  ASSERT_FALSE(mtext->embeddedGroups().empty());
  EXPECT_EQ(mtext->embeddedGroups().front().code, 101);

  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdDbMTextPtr read = byHandle<OdDbMText>(again.get(), 0x2C7);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->embeddedGroups().size(), mtext->embeddedGroups().size());
  EXPECT_EQ(writtenRecord(again.get(), 0x2C7).value(101), "Embedded Object");
}

}  // namespace
