#include "OdCopyFiler.h"

#include <gtest/gtest.h>

namespace {

using MemoryCopyFiler =
    OdStaticRxObject<OdCopyFilerImpl<OdCopyFilerBase<OdDbDxfFiler, OdMemoryStreamImpl<OdMemoryStreamDummyBase>>>>;

TEST(CopyFiler, EveryWriteTypeReadsBackInOrder) {
  MemoryCopyFiler filer;
  filer.setPageDataSize(16);  // small pages: values cross page boundaries
  EXPECT_EQ(filer.filerType(), OdDb::kCopyFiler);
  const uint8_t chunk[] = {0, 1, 2, 254, 255};
  filer.wrName(2, OdString("BLOCK"));
  filer.wrString(1, OdString("text \xF0\x9F\x98\x80"));
  filer.wrBool(290, true);
  filer.wrInt8(280, -5);
  filer.wrUInt8(281, 200);
  filer.wrInt16(62, -3);
  filer.wrUInt16(63, 65000);
  filer.wrInt32(90, -100000);
  filer.wrUInt32(91, 4000000000u);
  filer.wrInt64(160, -(int64_t(1) << 40));
  filer.wrUInt64(161, uint64_t(1) << 63);
  filer.wrHandle(5, OdDbHandle(0xABC));
  filer.wrObjectId(330, OdDbObjectId());
  filer.wrAngle(50, 1.5);
  filer.wrDouble(40, 0.1);
  filer.wrPoint2d(10, OdGePoint2d(1, 2));
  filer.wrPoint3d(11, OdGePoint3d(1, 2, 3));
  filer.wrVector2d(12, OdGeVector2d(4, 5));
  filer.wrVector3d(210, OdGeVector3d(0, 0, 1));
  filer.wrScale3d(41, OdGeScale3d(2, 3, 4));
  filer.wrBinaryChunk(310, chunk, sizeof chunk);

  filer.seek(0, OdDb::kSeekFromStart);
  EXPECT_EQ(filer.tell(), 0u);
  EXPECT_EQ(filer.nextItem(), 2);
  EXPECT_EQ(filer.rdString(), OdString("BLOCK"));
  EXPECT_EQ(filer.nextItem(), 1);
  EXPECT_EQ(filer.rdString(), OdString("text \xF0\x9F\x98\x80"));
  EXPECT_EQ(filer.nextItem(), 290);
  EXPECT_TRUE(filer.rdBool());
  EXPECT_EQ(filer.nextItem(), 280);
  EXPECT_EQ(filer.rdInt8(), -5);
  EXPECT_EQ(filer.nextItem(), 281);
  EXPECT_EQ(static_cast<uint8_t>(filer.rdInt8()), 200);
  EXPECT_EQ(filer.nextItem(), 62);
  EXPECT_EQ(filer.rdInt16(), -3);
  EXPECT_EQ(filer.nextItem(), 63);
  EXPECT_EQ(static_cast<uint16_t>(filer.rdInt16()), 65000);
  EXPECT_EQ(filer.nextItem(), 90);
  EXPECT_EQ(filer.rdInt32(), -100000);
  EXPECT_EQ(filer.nextItem(), 91);
  EXPECT_EQ(static_cast<uint32_t>(filer.rdInt32()), 4000000000u);
  EXPECT_EQ(filer.nextItem(), 160);
  EXPECT_EQ(filer.rdInt64(), -(int64_t(1) << 40));
  EXPECT_EQ(filer.nextItem(), 161);
  EXPECT_EQ(static_cast<uint64_t>(filer.rdInt64()), uint64_t(1) << 63);
  EXPECT_EQ(filer.nextItem(), 5);
  EXPECT_EQ(filer.rdHandle().value(), 0xABCu);
  EXPECT_EQ(filer.nextItem(), 330);
  EXPECT_TRUE(filer.rdObjectId().isNull());
  EXPECT_EQ(filer.nextItem(), 50);
  EXPECT_EQ(filer.rdAngle(), 1.5);
  EXPECT_EQ(filer.nextItem(), 40);
  EXPECT_EQ(filer.rdDouble(), 0.1);
  EXPECT_EQ(filer.nextItem(), 10);
  EXPECT_EQ(filer.rdPoint2d(), OdGePoint2d(1, 2));
  EXPECT_EQ(filer.nextItem(), 11);
  EXPECT_EQ(filer.rdPoint3d(), OdGePoint3d(1, 2, 3));
  EXPECT_EQ(filer.nextItem(), 12);
  EXPECT_EQ(filer.rdPoint2d(), OdGePoint2d(4, 5));
  EXPECT_EQ(filer.nextItem(), 210);
  EXPECT_EQ(filer.rdVector3d(), OdGeVector3d(0, 0, 1));
  EXPECT_EQ(filer.nextItem(), 41);
  EXPECT_EQ(filer.rdScale3d(), OdGeScale3d(2, 3, 4));
  EXPECT_EQ(filer.nextItem(), 310);
  EXPECT_EQ(filer.rdBinaryChunk(), OdBinaryData(chunk, chunk + sizeof chunk));
  EXPECT_EQ(filer.nextItem(), -1);
}

TEST(CopyFiler, SeekAndTellWorkOnTheStream) {
  MemoryCopyFiler filer;
  filer.wrInt32(90, 7);
  uint64_t end = filer.tell();
  EXPECT_EQ(end, sizeof(int16_t) + sizeof(int32_t));
  filer.seek(-4, OdDb::kSeekFromEnd);
  EXPECT_EQ(filer.tell(), end - 4);
  EXPECT_THROW(filer.seek(1, OdDb::kSeekFromEnd), OdError);
}

}  // namespace
