// Text, block references, dimensions, hatches and leaders drawing themselves
// through the world draw context.

#include "DbAttribute.h"
#include "DbAttributeDefinition.h"
#include "DbBlockReference.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbHatch.h"
#include "DbLeader.h"
#include "DbMInsertBlock.h"
#include "DbMText.h"
#include "DbRotatedDimension.h"
#include "DbText.h"
#include "DbViewport.h"
#include "EntityTestSupport.h"
#include "TestDrawing.h"
#include "GiTextFormat.h"
#include "GiWorldDrawImpl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double kTol = 1e-9;

struct RecordedText {
  OdGePoint3d position;
  OdGeVector3d direction, up;
  double widthFactor;
  std::string message;
};

// Keeps every primitive, and the order of their kinds ("line", "fill", "text").
class PrimitiveSink : public OdGiGeometrySink {
 public:
  void polyline(const OdGePoint3d* points, int count, const OdGiResolvedTraits&) override {
    lines.emplace_back(points, points + count);
    order.push_back("line");
  }
  void polygon(const OdGePoint3d* points, int count, const OdGiResolvedTraits& traits) override {
    fills.emplace_back(points, points + count);
    fillColours.push_back(traits.rgb);
    order.push_back("fill");
  }
  void text(const OdGePoint3d& position, const OdGeVector3d& direction, const OdGeVector3d& up, double widthFactor,
            const OdString& message, const OdGiResolvedTraits&) override {
    texts.push_back({position, direction, up, widthFactor, message.utf8()});
    order.push_back("text");
  }

  std::vector<std::vector<OdGePoint3d>> lines, fills;
  std::vector<uint32_t> fillColours;
  std::vector<RecordedText> texts;
  std::vector<std::string> order;
};

// A line that keeps, each time it is drawn, the drawable holding it and the one holding that.
class ProbeLine : public OdDbEntity {
  ODRX_DECLARE_MEMBERS(ProbeLine);

 public:
  OdGePoint3d start, end;
  mutable std::vector<OdDbStub*> parents, grandparents;

  bool subWorldDraw(OdGiWorldDraw* wd) const override {
    const OdGiPathNode* path = wd->currentGiPath();
    const OdGiPathNode* parent = path ? path->parent() : nullptr;
    parents.push_back(parent ? parent->persistentDrawableId() : nullptr);
    grandparents.push_back(parent && parent->parent() ? parent->parent()->persistentDrawableId() : nullptr);
    OdGePoint3d points[2] = {start, end};
    wd->geometry().polyline(2, points);
    return true;
  }
};
ODRX_DEFINE_MODULE_CLASS(ProbeLine, OdDbEntity, odrxNewReferenced<ProbeLine>)

OdGeVector2d rotated45(const OdGeVector2d& v) {
  double c = std::cos(std::numbers::pi / 4), s = std::sin(std::numbers::pi / 4);
  return {v.x * c - v.y * s, v.x * s + v.y * c};
}

void expectPoint(const OdGePoint3d& actual, double x, double y, double z = 0) {
  EXPECT_NEAR(actual.x, x, 1e-9);
  EXPECT_NEAR(actual.y, y, 1e-9);
  EXPECT_NEAR(actual.z, z, 1e-9);
}

class AnnotationDrawing : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ProbeLine::rxInit(); }
  static void TearDownTestSuite() { ProbeLine::rxUninit(); }

  template <class T>
  OdSmartPtr<T> add(OdDbBlockTableRecord* block = nullptr) {
    return addTo<T>(block ? block : ms.get());
  }

  OdSmartPtr<ProbeLine> addProbe(OdDbBlockTableRecord* block, const OdGePoint3d& a, const OdGePoint3d& b) {
    OdSmartPtr<ProbeLine> line = add<ProbeLine>(block);
    line->start = a;
    line->end = b;
    return line;
  }

  PrimitiveSink drawModelSpace() {
    PrimitiveSink sink;
    OdGiWorldDrawImpl(sink).drawBlock(ms.get());
    return sink;
  }

  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDbBlockTableRecordPtr ms = modelSpaceOf(db.get());
};

// What text, attributes, paragraph text, a dimension without its block and a
// viewport show: each text with its position, direction, up vector (both as
// long as the text is high) and width factor.
struct ShownText {
  std::string message;
  double x, y, dirX, dirY, upX, upY, widthFactor;
};

TEST_F(AnnotationDrawing, TextsShowWhereTheirAlignmentPuts) {
  const double kPi = std::numbers::pi;
  const struct {
    const char* what;
    std::function<void()> build;
    std::vector<ShownText> shown;
  } cases[] = {
      // Estimated 2 × 4 long: centred text starts half of that before its alignment point.
      {"centred text", [&] {
         OdDbTextPtr text = add<OdDbText>();
         text->setPosition(OdGePoint3d(100, 100, 0));  // not where centred text goes
         text->setAlignmentPoint(OdGePoint3d(10, 5, 0));
         text->setHorizontalMode(OdDb::kTextCenter);
         text->setHeight(2);
         text->setTextString(OdString("ABCD"));
       }, {{"ABCD", 6, 5, 2, 0, 0, 2, 1}}},
      {"turned text with percent codes", [&] {
         OdDbTextPtr text = add<OdDbText>();
         text->setPosition(OdGePoint3d(1, 2, 0));
         text->setHeight(1);
         text->setRotation(kPi / 2);
         text->setTextString(OdString("%%c10 %%D %%p1 %%%"));
       }, {{"\u00D810 \u00B0 \u00B11 %", 1, 2, 0, 1, -1, 0, 1}}},
      {"top right text, narrowed", [&] {
         OdDbTextPtr text = add<OdDbText>();
         text->setAlignmentPoint(OdGePoint3d(10, 10, 0));
         text->setHorizontalMode(OdDb::kTextRight);
         text->setVerticalMode(OdDb::kTextTop);
         text->setHeight(1);
         text->setWidthFactor(0.5);
         text->setTextString(OdString("ab"));
       }, {{"ab", 9, 9, 1, 0, 0, 1, 0.5}}},
      // 8 long for two characters 2 high.
      {"fitted text", [&] {
         OdDbTextPtr text = add<OdDbText>();
         text->setAlignmentPoint(OdGePoint3d(0, 8, 0));
         text->setHorizontalMode(OdDb::kTextFit);
         text->setHeight(2);
         text->setTextString(OdString("ab"));
       }, {{"ab", 0, 0, 0, 2, -2, 0, 2}}},
      {"text mirrored in X", [&] {
         OdDbTextPtr text = add<OdDbText>();
         text->setHeight(1);
         text->setTextString(OdString("ab"));
         text->mirrorInX(true);
       }, {{"ab", 0, 0, -1, 0, 0, 1, 1}}},
      {"invisible attribute", [&] {
         OdDbAttributePtr attribute = add<OdDbAttribute>();
         attribute->setTextString(OdString("hidden"));
         attribute->setHeight(1);
         attribute->setInvisible(true);
       }, {}},
      {"attribute definition shows its tag", [&] {
         OdDbAttributeDefinitionPtr def = add<OdDbAttributeDefinition>();
         def->setTag(OdString("PART_NO"));
         def->setTextString(OdString("default"));
         def->setHeight(1);
       }, {{"PART_NO", 0, 0, 1, 0, 0, 1, 1}}},
      // Top left: the first line's top at the location, the next 5/3 of the height lower.
      {"paragraphs without their codes", [&] {
         OdDbMTextPtr mtext = add<OdDbMText>();
         mtext->setLocation(OdGePoint3d(0, 10, 0));
         mtext->setTextHeight(3);
         mtext->setContents(OdString("{\\fArial|b1|i0;First} \\H2.5x;\\C1;line\\PSecond\\~\\Lline\\l \\S1^2; \\\\ \\{x\\}"));
       }, {{"First line", 0, 7, 3, 0, 0, 3, 1}, {"Second\u00A0line 1/2 \\ {x}", 0, 2, 3, 0, 0, 3, 1}}},
      // "aaaa bbbb" is estimated 9 long: it wraps. Bottom right, turned a quarter:
      // the last baseline through the location, lines ending at it.
      {"paragraph text attached bottom right, turned and wrapped", [&] {
         OdDbMTextPtr mtext = add<OdDbMText>();
         mtext->setTextHeight(1);
         mtext->setAttachment(OdDbMText::kBottomRight);
         mtext->setRotation(kPi / 2);
         mtext->setWidth(8.5);
         mtext->setContents(OdString("aaaa bbbb"));
       }, {{"aaaa", -5.0 / 3.0, -4, 0, 1, -1, 0, 1}, {"bbbb", 0, -4, 0, 1, -1, 0, 1}}},
      // Centred on its text position, the measurement in place of "<>".
      {"dimension without a block", [&] {
         OdDbRotatedDimensionPtr dim = add<OdDbRotatedDimension>();
         dim->setDimensionText(OdString("R<>"));
         dim->setTextPosition(OdGePoint3d(10, 20, 0));
       }, {{"R0", 10 - 2.5, 20 - 1.25, 2.5, 0, 0, 2.5, 1}}},
      {"viewport", [&] { add<OdDbViewport>(); }, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ms = OdDbBlockTableRecordPtr();
    db = OdDbDatabase::create();
    ms = modelSpaceOf(db.get());
    c.build();
    auto sink = drawModelSpace();
    EXPECT_TRUE(sink.lines.empty() && sink.fills.empty());
    ASSERT_EQ(sink.texts.size(), c.shown.size());
    for (size_t i = 0; i < c.shown.size(); ++i) {
      const RecordedText& t = sink.texts[i];
      const ShownText& e = c.shown[i];
      EXPECT_EQ(t.message, e.message);
      expectPoint(t.position, e.x, e.y);
      expectPoint(OdGePoint3d::kOrigin + t.direction, e.dirX, e.dirY);
      expectPoint(OdGePoint3d::kOrigin + t.up, e.upX, e.upY);
      EXPECT_NEAR(t.widthFactor, e.widthFactor, 1e-9);
    }
  }
}

TEST_F(AnnotationDrawing, MTextLinesOfCodes) {
  auto lines = odGiMTextLines(OdString("A\\P\\pxi-3,l3;B\\Nc\nd\\T1.1;text\ttab^\nend"));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1].utf8(), "B");
  EXPECT_EQ(lines[3].utf8(), "dtext tab^");
  EXPECT_EQ(lines[4].utf8(), "end");
  EXPECT_EQ(odGiPercentCodesReplaced(OdString("%%065%%u")).utf8(), "A");
}

// Block references

TEST_F(AnnotationDrawing, ScaledTurnedReferenceTransformsItsBlockAndHoldsItsEntities) {
  OdDbBlockTableRecordPtr block = addBlock(db.get(), "PART");
  block->setOrigin(OdGePoint3d(1, 0, 0));
  auto probe = addProbe(block.get(), {1, 0, 0}, {2, 0, 0});
  OdDbBlockReferencePtr ref = addReference(ms.get(), block->objectId(), {10, 10, 0});
  ref->setScaleFactors(OdGeScale3d(2, 2, 2));
  ref->setRotation(std::numbers::pi / 2);
  auto sink = drawModelSpace();
  ASSERT_EQ(sink.lines.size(), 1u);
  expectPoint(sink.lines[0][0], 10, 10);
  expectPoint(sink.lines[0][1], 10, 12);
  ASSERT_EQ(probe->parents.size(), 1u);
  EXPECT_EQ(probe->parents[0], ref->objectId().stub());
  EXPECT_EQ(probe->grandparents[0], nullptr);
}

TEST_F(AnnotationDrawing, ReferencesNestTwoDeep) {
  OdDbBlockTableRecordPtr inner = addBlock(db.get(), "INNER");
  auto probe = addProbe(inner.get(), {0, 0, 0}, {1, 0, 0});
  OdDbBlockTableRecordPtr outer = addBlock(db.get(), "OUTER");
  OdDbBlockReferencePtr innerRef = addReference(outer.get(), inner->objectId(), {5, 0, 0});
  OdDbBlockReferencePtr outerRef = addReference(ms.get(), outer->objectId(), {100, 0, 0});
  outerRef->setRotation(std::numbers::pi / 2);
  auto sink = drawModelSpace();
  ASSERT_EQ(sink.lines.size(), 1u);
  expectPoint(sink.lines[0][0], 100, 5);
  expectPoint(sink.lines[0][1], 100, 6);
  ASSERT_EQ(probe->parents.size(), 1u);
  EXPECT_EQ(probe->parents[0], innerRef->objectId().stub());
  EXPECT_EQ(probe->grandparents[0], outerRef->objectId().stub());
}

TEST_F(AnnotationDrawing, AttributesAreDrawnOnceAfterTheBlockContents) {
  OdDbBlockTableRecordPtr block = addBlock(db.get(), "TAGGED");
  addProbe(block.get(), {0, 0, 0}, {1, 0, 0});
  OdDbAttributeDefinitionPtr def = add<OdDbAttributeDefinition>(block.get());
  def->setTag(OdString("TAG"));
  def->setHeight(1);
  OdDbBlockReferencePtr ref = addReference(ms.get(), block->objectId(), {50, 0, 0});
  OdDbAttributePtr attribute = OdDbAttribute::createObject();
  attribute->setTag(OdString("TAG"));
  attribute->setTextString(OdString("VALUE"));
  attribute->setHeight(1);
  attribute->setPosition(OdGePoint3d(7, 8, 0));  // world coordinates: not moved with the block
  ref->appendAttribute(attribute.get());
  auto sink = drawModelSpace();
  EXPECT_EQ(sink.order, (std::vector<std::string>{"line", "text"}));
  ASSERT_EQ(sink.texts.size(), 1u);
  EXPECT_EQ(sink.texts[0].message, "VALUE");
  expectPoint(sink.texts[0].position, 7, 8);
  expectPoint(sink.lines[0][0], 50, 0);
}

// Every row and column, twice the block's size; the spacings are turned with the grid but not scaled.
TEST_F(AnnotationDrawing, MInsertDrawsEveryCellSpacedAlongItsRotation) {
  OdDbBlockTableRecordPtr block = addBlock(db.get(), "CELL");
  addProbe(block.get(), {0, 0, 0}, {1, 0, 0});
  auto grid = add<OdDbMInsertBlock>();
  grid->setBlockTableRecord(block->objectId());
  grid->setRows(2);
  grid->setColumns(3);
  grid->setColumnSpacing(10);
  grid->setRowSpacing(20);
  grid->setScaleFactors(OdGeScale3d(2, 2, 2));
  auto cells = [&] {
    std::vector<std::pair<long, long>> starts;
    for (const auto& line : drawModelSpace().lines) {
      EXPECT_NEAR(line[0].distanceTo(line[1]), 2, kTol);
      starts.emplace_back(std::lround(line[0].x), std::lround(line[0].y));
    }
    std::sort(starts.begin(), starts.end());
    return starts;
  };
  EXPECT_EQ(cells(), (std::vector<std::pair<long, long>>{{0, 0}, {0, 20}, {10, 0}, {10, 20}, {20, 0}, {20, 20}}));
  grid->setRotation(std::numbers::pi / 2);
  EXPECT_EQ(cells(), (std::vector<std::pair<long, long>>{{-20, 0}, {-20, 10}, {-20, 20}, {0, 0}, {0, 10}, {0, 20}}));
}

TEST_F(AnnotationDrawing, ReferenceToItselfStops) {
  OdDbBlockTableRecordPtr block = addBlock(db.get(), "LOOP");
  addProbe(block.get(), {0, 0, 0}, {1, 0, 0});
  addReference(block.get(), block->objectId(), {1, 0, 0});
  addReference(ms.get(), block->objectId(), {0, 0, 0});
  auto sink = drawModelSpace();
  EXPECT_GT(sink.lines.size(), 1u);
}

// Dimensions

TEST_F(AnnotationDrawing, DimensionDrawsItsBlockInWorldCoordinates) {
  OdDbBlockTableRecordPtr block = addBlock(db.get(), "*D1");
  addProbe(block.get(), {3, 4, 0}, {5, 4, 0});
  OdDbRotatedDimensionPtr dim = add<OdDbRotatedDimension>();
  dim->setDimBlockId(block->objectId());
  dim->setDimensionText(OdString("not drawn: the block has the text"));
  auto sink = drawModelSpace();
  EXPECT_TRUE(sink.texts.empty());
  ASSERT_EQ(sink.lines.size(), 1u);
  expectPoint(sink.lines[0][0], 3, 4);
  expectPoint(sink.lines[0][1], 5, 4);
}

// Hatches

std::vector<OdGePoint2d> square(double low, double high) {
  return {{low, low}, {high, low}, {high, high}, {low, high}};
}

TEST_F(AnnotationDrawing, SolidHatchFillsItsLoops) {
  OdDbHatchPtr hatch = add<OdDbHatch>();
  hatch->setSolidFill(true);
  hatch->appendLoop(OdDbHatch::kExternal, square(0, 10), {});
  hatch->appendLoop(OdDbHatch::kDefault, square(2, 4), {0, 0, 0, 1});  // a bulge: a half circle
  auto sink = drawModelSpace();
  // One outline, so that the island stays empty: the square closed, the island closed, back to the start.
  ASSERT_EQ(sink.fills.size(), 1u);
  const auto& fill = sink.fills[0];
  ASSERT_GT(fill.size(), 4u + 1 + 6 + 2);
  EXPECT_EQ(std::vector<OdGePoint3d>(fill.begin(), fill.begin() + 5),
            (std::vector<OdGePoint3d>{{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}, {0, 0, 0}}));
  EXPECT_EQ(fill[5], OdGePoint3d(2, 2, 0));
  EXPECT_EQ(fill[fill.size() - 2], OdGePoint3d(2, 2, 0));
  EXPECT_EQ(fill.back(), OdGePoint3d(0, 0, 0));
  // The half circle from (2,4) to (2,2) bulges out to x = 1.
  double minX = 10;
  for (size_t i = 5; i < fill.size() - 1; ++i) minX = std::min(minX, fill[i].x);
  EXPECT_NEAR(minX, 1, 1e-9);
  EXPECT_EQ(sink.lines.size(), 2u);  // the outlines
}

TEST_F(AnnotationDrawing, EdgeLoopsTessellate) {
  OdDbHatchPtr hatch = add<OdDbHatch>();
  hatch->setSolidFill(true);
  OdDbHatch::Edge circle;
  circle.type = OdDbHatch::kCirArc;
  circle.center = OdGePoint2d(5, 5);
  circle.radius = 2;
  hatch->appendLoop(OdDbHatch::kExternal, std::vector<OdDbHatch::Edge>{circle});
  auto sink = drawModelSpace();
  ASSERT_EQ(sink.fills.size(), 1u);
  EXPECT_GT(sink.fills[0].size(), 16u);
  for (const auto& p : sink.fills[0]) EXPECT_NEAR(std::hypot(p.x - 5, p.y - 5), 2, 1e-9);
}

TEST(AnnotationDrawingRead, GradientFillsInItsFirstColour) {
  const char* hatch =
      "0\nHATCH\n5\n80\n100\nAcDbEntity\n8\n0\n100\nAcDbHatch\n10\n0\n20\n0\n30\n0\n210\n0\n220\n0\n230\n1\n"
      "2\nSOLID\n70\n1\n71\n0\n91\n1\n92\n3\n72\n0\n73\n1\n93\n4\n10\n0\n20\n0\n10\n10\n20\n0\n10\n10\n20\n10\n"
      "10\n0\n20\n10\n97\n0\n75\n0\n76\n1\n98\n0\n450\n1\n451\n0\n460\n0\n461\n0\n452\n0\n462\n1\n453\n2\n"
      "463\n0\n63\n5\n421\n255\n463\n1\n63\n2\n421\n16776960\n470\nLINEAR\n";
  OdDbDatabasePtr db = odDxfReadBuffer(entity_test::drawingWithEntities("AC1024", hatch), OdString("gradient.dxf"));
  auto hatches = entity_test::entitiesOf<OdDbHatch>(db.get());
  ASSERT_EQ(hatches.size(), 1u);
  ASSERT_TRUE(hatches[0]->isGradient());
  PrimitiveSink sink;
  OdGiWorldDrawImpl(sink).drawEntity(hatches[0].get());
  ASSERT_EQ(sink.fills.size(), 1u);
  EXPECT_EQ(sink.fillColours[0], 0x0000FFu);
}

TEST_F(AnnotationDrawing, Ansi31HatchDrawsItsLinesInsideTheSquare) {
  OdDbHatchPtr hatch = add<OdDbHatch>();
  hatch->setPattern(OdDbHatch::kPreDefined, OdString("ANSI31"));
  hatch->appendLoop(OdDbHatch::kExternal, square(0, 30), {});
  hatch->appendLoop(OdDbHatch::kDefault, square(10, 20), {});  // an island stays empty
  auto sink = drawModelSpace();
  EXPECT_TRUE(sink.fills.empty());
  size_t patternLines = 0;
  for (const auto& line : sink.lines) {
    if (line.size() != 2) continue;  // the outlines are closed loops of five points
    ++patternLines;
    for (const auto& p : line) {
      EXPECT_GE(p.x, -kTol);
      EXPECT_LE(p.x, 30 + kTol);
      EXPECT_GE(p.y, -kTol);
      EXPECT_LE(p.y, 30 + kTol);
    }
    EXPECT_NEAR(line[1].x - line[0].x, line[1].y - line[0].y, 1e-9);  // at 45°
    OdGePoint3d mid((line[0].x + line[1].x) / 2, (line[0].y + line[1].y) / 2, 0);
    EXPECT_FALSE(mid.x > 10 + kTol && mid.x < 20 - kTol && mid.y > 10 + kTol && mid.y < 20 - kTol);
  }
  // Lines 3.175 apart across a diagonal of 60: about nineteen, some cut in two by the island.
  EXPECT_GT(patternLines, 15u);
  EXPECT_EQ(sink.lines.size() - patternLines, 2u);
}

TEST_F(AnnotationDrawing, DashedPatternLinesFromTheHatch) {
  OdDbHatchPtr hatch = add<OdDbHatch>();
  hatch->setPattern(OdDbHatch::kCustomDefined, OdString("DASHES"));
  OdDbHatch::PatternLine line;
  line.offset = OdGeVector2d(0, 5);
  line.dashes = {2, -1};
  hatch->setPatternLines({line});
  hatch->appendLoop(OdDbHatch::kExternal, square(0, 9), {});
  auto sink = drawModelSpace();
  size_t dashes = 0;
  for (const auto& l : sink.lines)
    if (l.size() == 2) {
      ++dashes;
      EXPECT_LE(l[0].distanceTo(l[1]), 2 + kTol);
    }
  // Lines at y = 0 and 5 (0 on the boundary counts), three dashes each.
  EXPECT_EQ(dashes, 6u);
}

// What a view shows of a hatch: dense patterns become fills, pattern lines
// stay in the visible rectangle, dashes finer than a pixel run unbroken.
TEST_F(AnnotationDrawing, HatchPatternDrawsWhatTheViewCanShow) {
  struct Case {
    const char* what;
    double patternScale;
    OdGeExtents2d visible;
    double pixelSize;
    OdGiRegenType regenType;
    bool filled;
    size_t minPatternLines, maxPatternLines;
  };
  const OdGeExtents2d everywhere;
  const Case cases[] = {
      {"a scale a million times too fine for the area", 1e-6, everywhere, 0, kOdGiStandardDisplay, true, 0, 0},
      {"lines closer than a pixel", 1, everywhere, 5, kOdGiStandardDisplay, true, 0, 0},
      {"a corner in view", 1, OdGeExtents2d({0, 0}, {5, 5}), 0.01, kOdGiStandardDisplay, false, 2, 40},
      // About 445 lines across the square's diagonal, each one unbroken dash.
      {"dashes finer than a pixel", 1, everywhere, 1.6, kOdGiStandardDisplay, false, 400, 450},
      {"extents only", 1, everywhere, 0, kOdGiForExtents, false, 0, 0},
  };
  OdDbHatchPtr hatch = add<OdDbHatch>();
  hatch->setPattern(OdDbHatch::kCustomDefined, OdString("DASHES"));
  hatch->appendLoop(OdDbHatch::kExternal, square(0, 1000), {});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    OdDbHatch::PatternLine line;
    line.angle = 45;
    line.offset = rotated45(OdGeVector2d(0, 3.175 * c.patternScale));
    line.dashes = {1.0 * c.patternScale, -0.5 * c.patternScale};
    hatch->setPatternLines({line});
    PrimitiveSink sink;
    OdGiWorldDrawImpl draw(sink, c.regenType);
    draw.setView(c.visible.isValidExtents() ? c.visible : OdGeExtents2d({-1e9, -1e9}, {1e9, 1e9}), c.pixelSize);
    draw.drawEntity(hatch.get());
    EXPECT_EQ(sink.fills.size(), c.filled ? 1u : 0u);
    size_t patternLines = 0;
    for (const auto& l : sink.lines) {
      if (l.size() != 2) continue;
      ++patternLines;
      if (!c.visible.isValidExtents()) continue;
      for (const auto& p : l) EXPECT_TRUE(c.visible.contains({p.x, p.y}, 1e-6)) << p.x << "," << p.y;
    }
    EXPECT_GE(patternLines, c.minPatternLines);
    EXPECT_LE(patternLines, c.maxPatternLines);
  }
}

// Leaders

TEST_F(AnnotationDrawing, LeaderDrawsItsVerticesAndAnArrowhead) {
  OdDbLeaderPtr leader = add<OdDbLeader>();
  leader->appendVertex(OdGePoint3d(0, 0, 0));
  leader->appendVertex(OdGePoint3d(10, 0, 0));
  leader->appendVertex(OdGePoint3d(20, 10, 0));
  auto sink = drawModelSpace();
  ASSERT_EQ(sink.lines.size(), 1u);
  EXPECT_EQ(sink.lines[0].size(), 3u);
  ASSERT_EQ(sink.fills.size(), 1u);
  ASSERT_EQ(sink.fills[0].size(), 3u);
  expectPoint(sink.fills[0][0], 0, 0);
  EXPECT_GT(sink.fills[0][1].x, 0);
}

// Real drawings

PrimitiveSink drawDrawing(const std::string& relative) {
  OdDbDatabasePtr db = entity_test::readDrawing(relative);
  EXPECT_TRUE(db);
  PrimitiveSink sink;
  if (!db) return sink;
  OdDbBlockTableRecordPtr ms = OdDbBlockTableRecord::cast(db->getModelSpaceId().openObject().get());
  EXPECT_NO_THROW(OdGiWorldDrawImpl(sink).drawBlock(ms.get()));
  return sink;
}

// Real drawings: the text a drawn entity of the file shows.
TEST(AnnotationDrawingFiles, DrawingsShowTheirAnnotationTexts) {
  SKIP_WITHOUT_TESTDATA();
  const struct {
    const char* file;
    const char* text;
  } cases[] = {
      {testdata::kBlocklessDimension, "5.35"},  // a dimension without a block: its text stands alone
      {"dxf/uncommon_entities_AC1032.dxf", "LEADER"},  // a multileader's text
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    auto sink = drawDrawing(c.file);
    EXPECT_TRUE(std::any_of(sink.texts.begin(), sink.texts.end(), [&](const RecordedText& t) { return t.message == c.text; }));
  }
}

}  // namespace
