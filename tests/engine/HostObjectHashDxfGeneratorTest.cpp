// What reaches a fingerprint: pairs of objects that must count as the same
// object or as different ones under each rule of the fingerprint filer.

#include "Crc32.h"
#include "DbBlockReference.h"
#include "DbMLeader.h"
#include "DbOleFrame.h"
#include "DbText.h"
#include "FingerprintTestSupport.h"
#include "HostObjectHashDxfGenerator.h"
#include "ResBuf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

using namespace hostObjectCompare;

namespace {

Probe<OdDbObject>::Write writesChunk(std::vector<uint8_t> bytes) {
  return [bytes](OdDbDxfFiler* filer) { filer->wrBinaryChunk(310, bytes.data(), static_cast<uint32_t>(bytes.size())); };
}

using HostObjectHashDxfGeneratorTest = FingerprintTest;

// Display properties

TEST_F(HostObjectHashDxfGeneratorTest, DisplayPropertiesCountOnlyUnderTheirOwnBit) {
  OdDbObjectId walls = addLayer("Walls");
  OdDbObjectId dashed = addLinetype("DASHED");
  struct Change {
    const char* what;
    CompareProps bit;
    std::function<void(OdDbEntity*)> apply;
  };
  const Change changes[] = {
      {"colour index", CompareColor, [](OdDbEntity* e) { e->setColorIndex(1); }},
      {"true colour", CompareColor,
       [](OdDbEntity* e) {
         OdCmColor color;
         color.setRGB(10, 20, 30);
         e->setColor(color);
       }},
      {"layer", CompareLayer, [&](OdDbEntity* e) { e->setLayer(walls); }},
      {"linetype", CompareLinetype, [&](OdDbEntity* e) { e->setLinetype(dashed); }},
      {"linetype scale", CompareLinetypeScale, [](OdDbEntity* e) { e->setLinetypeScale(2.5); }},
      {"lineweight", CompareLineweight, [](OdDbEntity* e) { e->setLineWeight(static_cast<OdDb::LineWeight>(50)); }},
      {"transparency", CompareTransparency, [](OdDbEntity* e) { e->setTransparency(OdCmTransparency(uint8_t(128))); }},
  };
  OdDbLinePtr plain = addLine(OdGePoint3d(0, 0, 0), OdGePoint3d(10, 5, 0));
  for (const Change& change : changes) {
    SCOPED_TRACE(change.what);
    OdDbLinePtr changed = addLine(OdGePoint3d(0, 0, 0), OdGePoint3d(10, 5, 0));
    change.apply(changed.get());
    setCompareProps(0);
    EXPECT_EQ(hashOf(plain.get()), hashOf(changed.get()));
    setCompareProps(kAllCompareProps & ~change.bit);
    EXPECT_EQ(hashOf(plain.get()), hashOf(changed.get()));
    setCompareProps(change.bit);
    EXPECT_NE(hashOf(plain.get()), hashOf(changed.get()));
  }
}

// Names

TEST_F(HostObjectHashDxfGeneratorTest, BoundReferencePrefixIsCutFromLayerNames) {
  setCompareProps(CompareLayer);
  OdDbLinePtr own = addLine(OdGePoint3d(0, 0, 0), OdGePoint3d(1, 1, 0));
  OdDbLinePtr bound = addLine(OdGePoint3d(0, 0, 0), OdGePoint3d(1, 1, 0));
  OdDbLinePtr other = addLine(OdGePoint3d(0, 0, 0), OdGePoint3d(1, 1, 0));
  own->setLayer(addLayer("Walls"));
  bound->setLayer(addLayer("FILE1$0$Walls"));
  other->setLayer(addLayer("FILE1$0$Doors"));
  EXPECT_EQ(hashOf(own.get()), hashOf(bound.get()));
  EXPECT_NE(hashOf(own.get()), hashOf(other.get()));
}

TEST_F(HostObjectHashDxfGeneratorTest, BlockNamesNeverCount) {
  auto block = [&](const char* name) {
    OdDbBlockTableRecordPtr record = OdDbBlockTableRecord::createObject();
    record->setName(OdString(name));
    return db->blockTable()->add(record.get());
  };
  OdDbBlockReferencePtr door = add<OdDbBlockReference>();
  OdDbBlockReferencePtr window = add<OdDbBlockReference>();
  OdDbBlockReferencePtr moved = add<OdDbBlockReference>();
  door->setBlockTableRecord(block("DOOR"));
  window->setBlockTableRecord(block("WINDOW"));
  moved->setBlockTableRecord(door->blockTableRecord());
  moved->setPosition(OdGePoint3d(0, 1, 0));
  for (int props : {0, kAllCompareProps}) {
    setCompareProps(props);
    EXPECT_EQ(hashOf(door.get()), hashOf(window.get())) << props;
    EXPECT_NE(hashOf(door.get()), hashOf(moved.get())) << props;
  }
}

// Strings holding both braces are left out (which is not the same as empty);
// the bound-reference prefix, up to the first "$0$", is cut before that rule.
TEST_F(HostObjectHashDxfGeneratorTest, StringsLoseTheirBoundPrefixAndThenAnyTextInBraces) {
  auto textOf = [&](const char* contents) {
    OdDbTextPtr text = add<OdDbText>();
    text->setTextString(OdString(contents));
    return hashOf(text.get());
  };
  const struct {
    const char *a, *b;
    bool same;
  } pairs[] = {
      {"{\\C1;red}", "{plain}", true},   {"}either order{", "{\\C1;red}", true}, {"{plain}", "", false},
      {"open{ one", "open{ two", false}, {"close} one", "close} two", false},  {"FILE1$0$Walls", "Walls", true},
      {"FILE1$0${x}", "X$0${x}", true},  {"FILE1$0${x}", "{x}", false},          {"a$0$b$0$c", "x$0$b$0$c", true},
      {"a$0$b$0$c", "c", false},
  };
  for (const auto& p : pairs) EXPECT_EQ(textOf(p.a) == textOf(p.b), p.same) << p.a << " / " << p.b;
}

// Doubles

TEST(RoundToPrecisionTest, AgreesWithTheRuleOnEveryScale) {
  auto byTheRule = [](double value, int precision) {
    const double steps[] = {1.0, 0.1, 0.01, 1e-3, 1e-4, 1e-5, 1e-6, 1e-7, 1e-8, 1e-9, 1e-10, 1e-11, 1e-12, 1e-13, 1e-14};
    double step = steps[precision];
    double x = value / step;
    double result = (x >= 0 ? std::floor(x + 0.5) : std::ceil(x - 0.5)) * step;
    return result == 0 ? 0.0 : result;
  };
  std::mt19937_64 random(3);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-20, 40);
  for (int i = 0; i < 200000; ++i) {
    double value = mantissa(random) * std::pow(10.0, exponent(random));
    int precision = i % 15;
    double ours = roundToPrecision(value, precision), rule = byTheRule(value, precision);
    ASSERT_EQ(std::memcmp(&ours, &rule, sizeof ours), 0) << value << " to " << precision;
  }
  for (double extreme : {1e300, -1e300, std::numeric_limits<double>::infinity(), 4503599627370495.5}) {
    EXPECT_EQ(roundToPrecision(extreme, 0), byTheRule(extreme, 0)) << extreme;
  }
  EXPECT_TRUE(std::isnan(roundToPrecision(std::nan(""), 3)));
}

TEST_F(HostObjectHashDxfGeneratorTest, CoordinatesCountToTheToleranceInDecimalPlaces) {
  auto lineTo = [&](double x) { return hashOf(addLine(OdGePoint3d(0, 0, 0), OdGePoint3d(x, 0, 0)).get()); };
  setCompareTolerance(0);
  EXPECT_EQ(lineTo(2.5), lineTo(3.0));
  EXPECT_EQ(lineTo(-2.5), lineTo(-3.0));
  EXPECT_EQ(lineTo(2.4), lineTo(2.0));
  EXPECT_NE(lineTo(2.5), lineTo(2.0));
  setCompareTolerance(6);
  EXPECT_EQ(lineTo(-0.0000004), lineTo(0.0));
  EXPECT_EQ(lineTo(-0.0), lineTo(0.0));
  EXPECT_NE(lineTo(-0.0000006), lineTo(0.0));
  setCompareTolerance(14);
  EXPECT_EQ(lineTo(1.0 + 1e-15), lineTo(1.0));
}

TEST_F(HostObjectHashDxfGeneratorTest, AnglesAndDoublesRoundLikeCoordinates) {
  auto textAt = [&](double rotation, double height) {
    OdDbTextPtr text = add<OdDbText>();
    text->setTextString(OdString("A"));
    text->setRotation(rotation);
    text->setHeight(height);
    return hashOf(text.get());
  };
  setCompareTolerance(3);
  EXPECT_EQ(textAt(0.5, 2.5), textAt(0.5 + 1e-7, 2.5 + 1e-7));
  EXPECT_NE(textAt(0.5, 2.5), textAt(0.6, 2.5));
  EXPECT_NE(textAt(0.5, 2.5), textAt(0.5, 2.6));
}

// What never counts

TEST_F(HostObjectHashDxfGeneratorTest, NothingCountsFromTheStartOfExtendedDataOn) {
  static OdRxClass* cls = probeClass("AcDbFingerprintXDataProbe", OdDbObject::desc());
  auto before = Probe<OdDbObject>::make(cls, [](OdDbDxfFiler* filer) { filer->wrInt32(90, 7); });
  auto after = Probe<OdDbObject>::make(cls, [](OdDbDxfFiler* filer) {
    filer->wrInt32(90, 7);
    filer->writeXDataStart();
    filer->wrString(1000, OdString("more"));
    filer->wrInt32(1071, 8);
    filer->wrPoint3d(1010, OdGePoint3d(1, 2, 3));
    filer->wrBinaryChunk(1004, reinterpret_cast<const uint8_t*>("x"), 1);
  });
  EXPECT_EQ(hashOf(before.get()), hashOf(after.get()));
  HostObjectHashDxfGenerator generator;
  generator.computeHash(after.get());
  EXPECT_FALSE(generator.inExtendedData());
}

TEST_F(HostObjectHashDxfGeneratorTest, HandlesAndIdsDoNotCount) {
  static OdRxClass* cls = probeClass("AcDbFingerprintReferenceProbe", OdDbObject::desc());
  OdDbObjectId someId = db->getModelSpaceId();
  auto references = Probe<OdDbObject>::make(cls, [someId](OdDbDxfFiler* filer) {
    filer->wrHandle(5, OdDbHandle(0x1F));
    filer->wrObjectId(330, someId);
  });
  auto nothing = Probe<OdDbObject>::make(cls, [](OdDbDxfFiler*) {});
  EXPECT_EQ(hashOf(nothing.get()), 0u);
  EXPECT_EQ(hashOf(references.get()), 0u);
}

TEST_F(HostObjectHashDxfGeneratorTest, CopyInAnotherDrawingHashesTheSame) {
  OdDbDatabasePtr other = OdDbDatabase::create();
  addLayer("Doors", other.get());  // handles of the other drawing run ahead
  addLine(OdGePoint3d(5, 5, 0), OdGePoint3d(6, 6, 0), other.get());
  OdDbLinePtr original = addLine(OdGePoint3d(0, 0, 0), OdGePoint3d(10, 0, 0));
  OdDbLinePtr copy = addLine(OdGePoint3d(0, 0, 0), OdGePoint3d(10, 0, 0), other.get());
  original->setLayer(addLayer("Walls"));
  copy->setLayer(addLayer("Walls", other.get()));
  ASSERT_NE(original->getDbHandle(), copy->getDbHandle());
  ASSERT_NE(original->layerId(), copy->layerId());
  setCompareProps(kAllCompareProps);
  EXPECT_EQ(hashOf(original.get()), hashOf(copy.get()));
}

// Binary chunks

TEST_F(HostObjectHashDxfGeneratorTest, BinaryChunksCountForTheLibrarysAndTheHostsOwnClasses) {
  static OdRxClass* own = probeClass("OdDbFingerprintChunkProbe", OdDbObject::desc());
  static OdRxClass* hosts = probeClass("vqsDbObjectTable2ChunkProbe", OdDbObject::desc());
  for (OdRxClass* cls : {own, hosts}) {
    auto first = Probe<OdDbObject>::make(cls, writesChunk({1, 2, 3}));
    auto second = Probe<OdDbObject>::make(cls, writesChunk({1, 2, 4}));
    EXPECT_NE(hashOf(first.get()), hashOf(second.get())) << cls->name().utf8();
    EXPECT_EQ(hashOf(first.get()), crc32(0, "\x01\x02\x03", 3));
  }
}

TEST_F(HostObjectHashDxfGeneratorTest, BinaryChunksOfOtherClassesAndOfMultileadersNeverCount) {
  static OdRxClass* other = probeClass("AcDbFingerprintChunkProbe", OdDbObject::desc());
  auto first = Probe<OdDbObject>::make(other, writesChunk({1, 2, 3}));
  auto second = Probe<OdDbObject>::make(other, writesChunk({9, 9}));
  EXPECT_EQ(hashOf(first.get()), hashOf(second.get()));
  EXPECT_EQ(hashOf(first.get()), 0u);

  // Named like one of the library's own, but a multileader.
  static OdRxClass* leader = probeClass("OdDbFingerprintLeaderProbe", OdDbMLeader::desc());
  auto firstLeader = Probe<OdDbMLeader>::make(leader, writesChunk({1, 2, 3}));
  auto secondLeader = Probe<OdDbMLeader>::make(leader, writesChunk({4, 5, 6}));
  EXPECT_EQ(hashOf(firstLeader.get()), 0u);
  EXPECT_EQ(hashOf(secondLeader.get()), 0u);
}

TEST_F(HostObjectHashDxfGeneratorTest, OleDataOfTheSameSizeDoesNotCount) {
  OdSmartPtr<OdDbOleFrame> first = add<OdDbOleFrame>();
  OdSmartPtr<OdDbOleFrame> second = add<OdDbOleFrame>();
  first->setData(OdBinaryData(300, 0xAA));
  second->setData(OdBinaryData(300, 0x55));
  EXPECT_EQ(hashOf(first.get()), hashOf(second.get()));
}

// The filer itself

}  // namespace
