#include "CopyTestSupport.h"
#include "DxfObjectReader.h"
#include "DxfTypedRecorder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Writes one group of every kind through the filer.
void writeEveryKind(OdDbDxfFiler* filer, OdDbObjectId id) {
  filer->wrString(1, OdString(u"Grüße \u65e5\u672c"));
  filer->wrName(2, OdString("WALLS"));
  filer->wrString(3, OdString());
  filer->wrBool(290, true);
  filer->wrInt8(280, -5);
  filer->wrUInt8(281, 250);
  filer->wrInt16(70, -32768);
  filer->wrUInt16(71, 65535);
  filer->wrInt32(90, -2147483647 - 1);
  filer->wrUInt32(91, 4294967295u);
  filer->wrInt64(160, std::numeric_limits<int64_t>::min());
  filer->wrUInt64(161, 42);
  filer->wrHandle(5, OdDbHandle(0x1F2Eu));
  filer->wrObjectId(330, id);
  filer->wrObjectId(340, OdDbObjectId());
  filer->wrDouble(40, 0.1);
  filer->wrDouble(41, -1e-300);
  filer->wrAngle(50, 3.5);
  filer->wrPoint2d(10, OdGePoint2d(1.5, -2.25));
  filer->wrPoint3d(11, OdGePoint3d(1, 2, 3));
  filer->wrVector2d(12, OdGeVector2d(0.5, 0.25));
  filer->wrVector3d(210, OdGeVector3d(0, 0, 1));
  filer->wrScale3d(41, OdGeScale3d(2, 3, 4));
  const uint8_t bytes[] = {0x00, 0xAB, 0xFF, 0x10};
  filer->wrBinaryChunk(310, bytes, sizeof bytes);
  filer->wrBinaryChunk(311, bytes, 0);
}

TEST(DxfTypedRecorder, KeepsEveryGroupTypedAsTheTextRecorderWritesIt) {
  CloneTestDrawing drawing;
  OdStaticRxObject<OdDbDxfTypedRecorder> typed(drawing.db.get());
  OdStaticRxObject<OdDbDxfGroupRecorder> text(drawing.db.get());
  writeEveryKind(&typed, drawing.line);
  writeEveryKind(&text, drawing.line);
  ASSERT_EQ(typed.groups().size(), text.groups().size());
  SameDatabaseContext ctx(drawing.db.get());
  for (size_t i = 0; i < typed.groups().size(); ++i) {
    const dxf::Group& g = typed.groups()[i];
    const dxf::KeptGroup& t = text.groups()[i];
    EXPECT_EQ(g.code, t.code) << i;
    EXPECT_EQ(dxf::textOf(g), t.text) << "group " << g.code;
    if (g.type == dxf::GroupType::Id) {
      EXPECT_EQ(ctx.idOf(g), t.id.isValid() ? t.id : OdDbObjectId()) << "group " << g.code;
    }
    // Read as numbers, typed and text groups agree.
    dxf::Group asText(t.code, t.text);
    if (g.type == dxf::GroupType::Real || g.type == dxf::GroupType::Integer) {
      EXPECT_EQ(dxf::toDouble(g), dxf::toDouble(asText)) << "group " << g.code;
      EXPECT_EQ(dxf::toInt(g), dxf::toInt(asText)) << "group " << g.code;
    }
    if (g.type == dxf::GroupType::Binary) {
      EXPECT_EQ(dxf::binaryOf(g), dxf::binaryOf(asText));
    }
    if (g.type == dxf::GroupType::Handle) {
      EXPECT_EQ(dxf::handleOf(g), dxf::handleOf(asText));
    }
  }
}

// Every object of the test drawings reads the same from its groups typed as from them as text.
TEST(DxfTypedRecorder, ObjectsReadBackAsFromText) {
  for (auto& [name, db] : copyTestDrawings()) {
    SameDatabaseContext ctx(db.get());
    OdStaticRxObject<OdDbDxfTypedRecorder> recorder(db.get());
    for (const OdDbObjectPtr& source : objectsOf(db.get())) {
      OdDbObjectPtr fromText = emptyObjectLike(source.get());
      OdDbObjectPtr fromTyped = emptyObjectLike(source.get());
      if (!fromText) continue;
      dxf::GroupList text = dxf::recordGroups(source.get());
      dxf::readObjectGroups(fromText.get(), dxf::groupViews(text), ctx);
      recorder.clear();
      source->dxfOutFields(&recorder);
      dxf::readObjectGroups(fromTyped.get(), recorder.groups(), ctx);
      EXPECT_EQ(writtenGroups(fromTyped.get()), writtenGroups(fromText.get()))
          << name << ": " << source->isA()->name().utf8() << " " << source->getDbHandle().text();
    }
  }
}

}  // namespace
