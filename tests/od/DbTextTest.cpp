// Single-line text (TEXT) and paragraph text (MTEXT) as real drawings give
// them: alignment, angles in radians, long contents split over groups,
// escapes, backgrounds; written back and built through the API.

#include "DbMText.h"
#include "DbSymbolTable.h"
#include "DbText.h"
#include "EntityTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace entity_test;

constexpr double kDegree = std::numbers::pi / 180;

OdString symbolName(OdDbObjectId id) {
  OdDbSymbolTableRecordPtr rec = OdDbSymbolTableRecord::cast(id.openObject().get());
  return rec ? rec->getName() : OdString();
}

size_t occurrences(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// ---------------------------------------------------------------- TEXT

TEST(DbText, CentredMiddleTextRotatedAQuarterTurn) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing(testdata::kFloorPlan);
  OdDbTextPtr text = byHandle<OdDbText>(db.get(), 0xB8B);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->textString(), OdString("3036 XO"));
  EXPECT_EQ(text->layer(), OdString("A-TEXT"));
  EXPECT_EQ(text->position(), OdGePoint3d(-68.90484285714308, -297.915752119875, 0));
  EXPECT_EQ(text->alignmentPoint(), OdGePoint3d(-71.40484285714308, -286.1978121471602, 0));
  EXPECT_EQ(text->height(), 5.0);
  EXPECT_DOUBLE_EQ(text->rotation(), std::numbers::pi / 2);
  EXPECT_EQ(text->widthFactor(), 0.85);
  EXPECT_EQ(text->horizontalMode(), OdDb::kTextCenter);
  EXPECT_EQ(text->verticalMode(), OdDb::kTextVertMid);  // from the second AcDbText section
  EXPECT_FALSE(text->isDefaultAlignment());
}

TEST(DbText, AlignedTextOfAnR12File) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/example_r12_AC1009.dxf");
  OdDbTextPtr text = byHandle<OdDbText>(db.get(), 0x4E3);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->textString(), OdString("xx"));
  EXPECT_EQ(text->horizontalMode(), OdDb::kTextAlign);
  EXPECT_EQ(text->verticalMode(), OdDb::kTextBase);
  EXPECT_DOUBLE_EQ(text->rotation(), 18.4254565138818798 * kDegree);
  EXPECT_DOUBLE_EQ(text->height(), 280.7367083008678037);
  EXPECT_DOUBLE_EQ(text->alignmentPoint().x, 7970.4000694920114256);
  EXPECT_DOUBLE_EQ(text->alignmentPoint().y, 2593.1389057019841857);

  OdDbTextPtr plain = byHandle<OdDbText>(db.get(), 0x116F);
  ASSERT_TRUE(plain);
  EXPECT_TRUE(plain->isDefaultAlignment());
  EXPECT_EQ(plain->textString(), OdString("Teksto granda nur por testi."));
  EXPECT_EQ(plain->rotation(), 0.0);
  EXPECT_EQ(plain->widthFactor(), 1.0);
}

TEST(DbText, AlignmentPointBeforeThePositionObliqueAngleAndStyle) {
  SKIP_WITHOUT_TESTDATA();
  // ZCAD writes the alignment point first; the order of groups must not matter.
  OdDbDatabasePtr db = readDrawing("dxf/zcad_em_plan_cp1251_AC1015.dxf");
  OdDbTextPtr text = byHandle<OdDbText>(db.get(), 0x330);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->textString(), OdString("!!ERR(Power)!!"));
  EXPECT_EQ(text->position(), OdGePoint3d(-9.6666668554, -3, 0));
  EXPECT_EQ(text->alignmentPoint(), OdGePoint3d(0, -0.5, 0));
  EXPECT_DOUBLE_EQ(text->oblique(), 12 * kDegree);
  EXPECT_EQ(text->widthFactor(), 0.7);
  EXPECT_EQ(text->horizontalMode(), OdDb::kTextCenter);
  EXPECT_EQ(text->verticalMode(), OdDb::kTextTop);
  EXPECT_EQ(symbolName(text->textStyle()), OdString("R2_5"));
}

TEST(DbText, JustifiedTextIsWrittenWithItsSecondPointAndVerticalMode) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing(testdata::kFloorPlan);
  Record r = writtenRecord(db.get(), 0xB8B);
  ASSERT_EQ(r.name, "TEXT");
  EXPECT_EQ(r.value(72), "1");
  EXPECT_DOUBLE_EQ(r.number(11), -71.40484285714308);
  EXPECT_DOUBLE_EQ(r.number(50), 90.0);  // degrees in files
  // The vertical mode belongs to the second AcDbText section.
  auto codes = r.codes();
  auto second = std::find(codes.begin(), codes.end(), 73);
  ASSERT_NE(second, codes.end());
  EXPECT_EQ(*(second - 1), 100);
  EXPECT_EQ(r.value(73), "2");
  EXPECT_EQ(r.values(100), (std::vector<std::string>{"AcDbEntity", "AcDbText", "AcDbText"}));

  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdDbTextPtr text = byHandle<OdDbText>(again.get(), 0xB8B);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->verticalMode(), OdDb::kTextVertMid);
  EXPECT_EQ(text->alignmentPoint(), OdGePoint3d(-71.40484285714308, -286.1978121471602, 0));
  EXPECT_DOUBLE_EQ(text->rotation(), std::numbers::pi / 2);
}

TEST(DbText, LeftTextHasNoSecondPoint) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/example_r12_AC1009.dxf");
  Record r = writtenRecord(db.get(), 0x116F);
  ASSERT_EQ(r.name, "TEXT");
  EXPECT_FALSE(r.has(11));
  EXPECT_FALSE(r.has(72));
  EXPECT_FALSE(r.has(73));
}

TEST(DbText, ControlCharactersAndCaretsTravelAsCaretEscapes) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDbTextPtr text = OdDbText::createObject();
  const OdString contents("a\tb^c\r\nd^");
  text->setTextString(contents);
  OdDbObjectId id = addToModelSpace(db.get(), text.get());
  EXPECT_EQ(writtenRecord(db.get(), id.getHandle()).value(1), "a^Ib^ c^M^Jd^ ");
  EXPECT_EQ(byHandle<OdDbText>(saveAndReopen(db.get()).get(), id.getHandle())->textString(), contents);
}

TEST(DbText, BuiltJustifiedTextAtTheOriginKeepsItsAlignment) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDbTextPtr text = OdDbText::createObject();
  text->setTextString(OdString("Überschrift \xE2\x88\x85 12"));
  text->setHeight(3.5);
  text->setHorizontalMode(OdDb::kTextRight);
  text->setVerticalMode(OdDb::kTextTop);
  text->setAlignmentPoint(OdGePoint3d(0, 0, 0));  // justified text needs its point even here
  text->setPosition(OdGePoint3d(-20, -3.5, 0));
  text->setRotation(-std::numbers::pi / 4);
  text->setOblique(15 * kDegree);
  text->mirrorInX(true);
  text->mirrorInY(true);
  text->setTextStyle(db->textStyleStandardId());
  OdDbObjectId id = addToModelSpace(db.get(), text.get());

  Record r = writtenRecord(db.get(), id.getHandle());
  EXPECT_TRUE(r.has(11));
  EXPECT_EQ(r.value(71), "6");
  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdDbTextPtr read = byHandle<OdDbText>(again.get(), id.getHandle());
  ASSERT_TRUE(read);
  EXPECT_EQ(read->textString(), text->textString());
  EXPECT_EQ(read->horizontalMode(), OdDb::kTextRight);
  EXPECT_EQ(read->verticalMode(), OdDb::kTextTop);
  EXPECT_EQ(read->alignmentPoint(), OdGePoint3d(0, 0, 0));
  EXPECT_EQ(read->position(), OdGePoint3d(-20, -3.5, 0));
  EXPECT_NEAR(read->rotation(), -std::numbers::pi / 4, 1e-12);
  EXPECT_NEAR(read->oblique(), 15 * kDegree, 1e-12);
  EXPECT_TRUE(read->isMirroredInX());
  EXPECT_TRUE(read->isMirroredInY());
  EXPECT_EQ(symbolName(read->textStyle()).iCompare(OdString("Standard")), 0);
}

// ---------------------------------------------------------------- MTEXT

// The groups 3 and 1 an MTEXT is written with, in order.
std::vector<std::pair<int, std::string>> contentGroups(const Record& r) {
  std::vector<std::pair<int, std::string>> parts;
  for (const auto& g : r.groups)
    if (g.first == 1 || g.first == 3) parts.push_back(g);
  return parts;
}

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
  EXPECT_EQ(mtext->location(), OdGePoint3d(183.5889280790413, -1.38637568506374, 0));
  EXPECT_EQ(mtext->textHeight(), 1.0);
  EXPECT_EQ(mtext->width(), 15.74141424498748);
  EXPECT_EQ(mtext->attachment(), OdDbMText::kTopLeft);
  EXPECT_EQ(mtext->flowDirection(), OdDbMText::kByStyle);

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
  EXPECT_EQ(mtext->contents().utf8(),
            "1.\\~\xD0\x9D\xD0\xB5\xD1\x83\xD0\xBA\xD0\xB0\xD0\xB7\xD0\xB0\xD0\xBD\xD0\xBD\xD1\x8B\xD0\xB5\\~"
            "\xD0\xBF\xD1\x80\xD0\xB5\xD0\xB4\xD0\xB5\xD0\xBB\xD1\x8C\xD0\xBD\xD1\x8B\xD0\xB5\\~"
            "\xD0\xBE\xD1\x82\xD0\xBA\xD0\xBB\xD0\xBE\xD0\xBD\xD0\xB5\xD0\xBD\xD0\xB8\xD1\x8F\\~"
            "\xD1\x80\xD0\xB0\xD0\xB7\xD0\xBC\xD0\xB5\xD1\x80\xD0\xBE\xD0\xB2\\P\\~\\~"
            "\xD0\xBE\xD1\x82\xD0\xB2\xD0\xB5\xD1\x80\xD1\x81\xD1\x82\xD0\xB8\xD0\xB9\\~-\\~\xD0\x9D" "14,\\~"
            "\xD0\xB2\xD0\xB0\xD0\xBB\xD0\xBE\xD0\xB2\\~-\\~h14,\\~"
            "\xD0\xBE\xD1\x81\xD1\x82\xD0\xB0\xD0\xBB\xD1\x8C\xD0\xBD\xD1\x8B\xD1\x85\\~%%p\\~IT");
  EXPECT_EQ(mtext->contents().getLength(), 109);
  EXPECT_EQ(byHandle<OdDbMText>(db.get(), 0x51)->contents().utf8(), "\xD0\x94\xD0\xB0\xD1\x82\xD0\xB0");  // Дата
  // Common properties dxflib writes after the AcDbMText marker still apply.
  EXPECT_EQ(mtext->lineWeight(), 18);
  EXPECT_EQ(mtext->width(), 100.0);
  EXPECT_EQ(mtext->attachment(), OdDbMText::kTopLeft);
  EXPECT_EQ(symbolName(mtext->textStyle()), OdString("unicode"));

  OdDbDatabasePtr again = saveAndReopen(db.get());
  EXPECT_EQ(byHandle<OdDbMText>(again.get(), 0xC4)->contents(), mtext->contents());
}

OdDbObjectId addMText(OdDbDatabase* db, const OdString& contents) {
  OdDbMTextPtr mtext = OdDbMText::createObject();
  mtext->setContents(contents);
  return addToModelSpace(db, mtext.get());
}

TEST(DbMText, ContentsOfExactly250CharactersTakeOneGroup) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  std::string text(250, 'x');
  text[0] = 'A';
  text[249] = 'Z';
  OdDbObjectId id = addMText(db.get(), OdString(text));
  auto parts = contentGroups(writtenRecord(db.get(), id.getHandle()));
  ASSERT_EQ(parts.size(), 1u);
  EXPECT_EQ(parts[0].first, 1);
  EXPECT_EQ(parts[0].second, text);
  OdDbDatabasePtr again = saveAndReopen(db.get());
  EXPECT_EQ(byHandle<OdDbMText>(again.get(), id.getHandle())->contents().utf8(), text);
}

TEST(DbMText, ContentsOf251CharactersTakeTwoGroups) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  std::string text(250, 'x');
  text += 'Z';
  OdDbObjectId id = addMText(db.get(), OdString(text));
  auto parts = contentGroups(writtenRecord(db.get(), id.getHandle()));
  ASSERT_EQ(parts.size(), 2u);
  EXPECT_EQ(parts[0], (std::pair<int, std::string>(3, std::string(250, 'x'))));
  EXPECT_EQ(parts[1], (std::pair<int, std::string>(1, "Z")));
  OdDbDatabasePtr again = saveAndReopen(db.get());
  EXPECT_EQ(byHandle<OdDbMText>(again.get(), id.getHandle())->contents().utf8(), text);
}

TEST(DbMText, ContentsRead250And251CharactersLong) {
  std::string exact(250, 'a'), longer(251, 'b');
  const std::string text = drawingWithEntities(
      "AC1015", "0\nMTEXT\n5\n70\n100\nAcDbEntity\n8\n0\n100\nAcDbMText\n10\n0\n20\n0\n40\n2\n1\n" + exact +
                    "\n0\nMTEXT\n5\n71\n100\nAcDbEntity\n8\n0\n100\nAcDbMText\n10\n0\n20\n0\n40\n2\n3\n" +
                    longer.substr(0, 250) + "\n1\n" + longer.substr(250) + "\n");
  OdDbDatabasePtr db = odDxfReadBuffer(text, OdString("chunks.dxf"));
  EXPECT_EQ(byHandle<OdDbMText>(db.get(), 0x70)->contents().utf8(), exact);
  EXPECT_EQ(byHandle<OdDbMText>(db.get(), 0x71)->contents().utf8(), longer);
}

TEST(DbMText, NeitherACaretEscapeNorASurrogatePairIsCutBetweenGroups) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  // A tab last in the first group: the file holds it as a caret escape (^I).
  std::string caret = std::string(249, 'c') + "\ttail";
  // A character beyond the basic plane (two UTF-16 units) across the boundary.
  std::string astral = std::string(249, 'd') + "\xF0\x9F\x98\x80" + "end";
  OdDbObjectId caretId = addMText(db.get(), OdString(caret));
  OdDbObjectId astralId = addMText(db.get(), OdString(astral));

  auto caretParts = contentGroups(writtenRecord(db.get(), caretId.getHandle()));
  ASSERT_EQ(caretParts.size(), 2u);
  EXPECT_EQ(caretParts[0].second, std::string(249, 'c') + "^I");
  EXPECT_EQ(caretParts[1].second, "tail");

  OdDbDatabasePtr again = saveAndReopen(db.get());
  EXPECT_EQ(byHandle<OdDbMText>(again.get(), caretId.getHandle())->contents().utf8(), caret);
  EXPECT_EQ(byHandle<OdDbMText>(again.get(), astralId.getHandle())->contents().utf8(), astral);
}

TEST(DbMText, LineBreaksAreWrittenAsCaretEscapes) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  const OdString contents("first\r\nsecond\nthird");
  OdDbObjectId id = addMText(db.get(), contents);
  auto parts = contentGroups(writtenRecord(db.get(), id.getHandle()));
  ASSERT_EQ(parts.size(), 1u);
  EXPECT_EQ(parts[0].second, "first^M^Jsecond^Jthird");
  EXPECT_EQ(byHandle<OdDbMText>(saveAndReopen(db.get()).get(), id.getHandle())->contents(), contents);
}

TEST(DbMText, DirectionGivesTheRotation) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/api_cw750_curtainwall_details_AC1027.dxf");
  OdDbMTextPtr mtext = byHandle<OdDbMText>(db.get(), 0xB2C9);
  ASSERT_TRUE(mtext);
  EXPECT_NEAR(mtext->rotation(), std::numbers::pi / 2, 1e-12);
  EXPECT_EQ(mtext->attachment(), OdDbMText::kMiddleCenter);
  EXPECT_EQ(mtext->contents(), OdString("\\A1;2{\\H1.000000x;\\S1#2;}\""));
  EXPECT_EQ(symbolName(mtext->textStyle()), OdString("FG-Note"));

  // A new angle replaces the direction the file gave.
  mtext->setRotation(std::numbers::pi);
  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdDbMTextPtr read = byHandle<OdDbMText>(again.get(), 0xB2C9);
  ASSERT_TRUE(read);
  EXPECT_NEAR(read->rotation(), std::numbers::pi, 1e-12);
  EXPECT_NEAR(read->direction().x, -1, 1e-12);
}

TEST(DbMText, BackgroundFillOfARealDrawing) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("pairs/twin_ascii_vs_binary_AC1024/a.dxf");
  OdDbMTextPtr mtext = byHandle<OdDbMText>(db.get(), 0x9DA);
  ASSERT_TRUE(mtext);
  EXPECT_TRUE(mtext->backgroundFillOn());
  EXPECT_FALSE(mtext->useBackgroundColorOn());
  OdCmColor fill = mtext->getBackgroundFillColor();
  EXPECT_TRUE(fill.isByColor());
  EXPECT_EQ(fill.red(), 0x36);
  EXPECT_EQ(fill.green(), 0x75);
  EXPECT_EQ(fill.blue(), 0x42);
  EXPECT_EQ(mtext->getBackgroundScaleFactor(), 1.25);
  EXPECT_EQ(mtext->attachment(), OdDbMText::kMiddleCenter);

  Record r = writtenRecord(db.get(), 0x9DA);
  EXPECT_EQ(r.value(90), "1");
  EXPECT_EQ(r.value(63), "97");  // the index the file gave beside the true colour
  EXPECT_EQ(r.value(421), "3568962");
  EXPECT_EQ(r.number(45), 1.25);
}

TEST(DbMText, BackgroundSetThroughTheApiSurvivesSaveAndReopen) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDbMTextPtr mtext = OdDbMText::createObject();
  mtext->setContents(OdString("boxed"));
  mtext->setBackgroundFill(true);
  OdCmColor yellow;
  yellow.setColorIndex(2);
  mtext->setBackgroundFillColor(yellow);
  mtext->setBackgroundScaleFactor(1.1);
  OdDbObjectId plainId = addMText(db.get(), OdString("plain"));
  OdDbObjectId id = addToModelSpace(db.get(), mtext.get());
  EXPECT_FALSE(writtenRecord(db.get(), plainId.getHandle()).has(90));

  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdDbMTextPtr read = byHandle<OdDbMText>(again.get(), id.getHandle());
  ASSERT_TRUE(read);
  EXPECT_TRUE(read->backgroundFillOn());
  EXPECT_EQ(read->getBackgroundFillColor().colorIndex(), 2);
  EXPECT_FALSE(read->getBackgroundFillColor().isByColor());
  EXPECT_EQ(read->getBackgroundScaleFactor(), 1.1);
  // Turned off again, nothing of it is written.
  read->setBackgroundFill(false);
  EXPECT_FALSE(writtenRecord(again.get(), id.getHandle()).has(90));
}

TEST(DbMText, ColumnsOfANewerFileDoNotOverrideTheTextFields) {
  SKIP_WITHOUT_TESTDATA();
  // The embedded object repeats groups 10, 11, 40, 41, 46... with other meanings.
  OdDbDatabasePtr db = readDrawing("dxf/attribute_AC1032.dxf");
  OdDbMTextPtr mtext = byHandle<OdDbMText>(db.get(), 0x2C7);
  ASSERT_TRUE(mtext);
  EXPECT_EQ(mtext->contents(), OdString("asasas\t"));  // "asasas^I" in the file
  EXPECT_EQ(mtext->textHeight(), 200.0);
  EXPECT_EQ(mtext->width(), 2108.926281065753);
  EXPECT_EQ(mtext->definedHeight(), 0.0);
  EXPECT_EQ(mtext->location(), OdGePoint3d(2613.923666740302, 5529.317690774798, 0));
  EXPECT_EQ(mtext->direction(), OdGeVector3d::kXAxis);
  ASSERT_FALSE(mtext->embeddedGroups().empty());
  EXPECT_EQ(mtext->embeddedGroups().front().code, 101);

  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdDbMTextPtr read = byHandle<OdDbMText>(again.get(), 0x2C7);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->textHeight(), 200.0);
  EXPECT_EQ(read->embeddedGroups().size(), mtext->embeddedGroups().size());
  Record r = writtenRecord(again.get(), 0x2C7);
  EXPECT_EQ(r.value(101), "Embedded Object");
  EXPECT_EQ(r.number(42), 1600.0);
}

TEST(DbMText, BuiltParagraphTextSurvivesSaveAndReopen) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDbMTextPtr mtext = OdDbMText::createObject();
  mtext->setContents(OdString("{\\fArial|b1;Title}\\P\xD0\x9F\xD1\x80\xD0\xB8\xD0\xBC\xD0\xB5\xD1\x80 \\U+2205 12"));
  mtext->setLocation(OdGePoint3d(5, 6, 0));
  mtext->setTextHeight(0.35);
  mtext->setWidth(40);
  mtext->setAttachment(OdDbMText::kBottomRight);
  mtext->setRotation(30 * kDegree);
  mtext->setLineSpacingStyle(OdDbMText::kExactly);
  mtext->setLineSpacingFactor(1.5);
  OdDbObjectId id = addToModelSpace(db.get(), mtext.get());

  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdDbMTextPtr read = byHandle<OdDbMText>(again.get(), id.getHandle());
  ASSERT_TRUE(read);
  // The escape in the contents set is read back as the character it stands for.
  EXPECT_EQ(read->contents().utf8(),
            "{\\fArial|b1;Title}\\P\xD0\x9F\xD1\x80\xD0\xB8\xD0\xBC\xD0\xB5\xD1\x80 \xE2\x88\x85 12");
  EXPECT_EQ(read->location(), OdGePoint3d(5, 6, 0));
  EXPECT_EQ(read->textHeight(), 0.35);
  EXPECT_EQ(read->width(), 40.0);
  EXPECT_EQ(read->attachment(), OdDbMText::kBottomRight);
  EXPECT_NEAR(read->rotation(), 30 * kDegree, 1e-12);
  EXPECT_EQ(read->lineSpacingStyle(), OdDbMText::kExactly);
  EXPECT_EQ(read->lineSpacingFactor(), 1.5);
}

}  // namespace
