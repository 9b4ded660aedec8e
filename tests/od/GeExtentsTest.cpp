#include "GeExtents2d.h"
#include "GeExtents3d.h"
#include "GeMatrix3d.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

TEST(GeExtents3d, StartsInvalidAndGrowsWithPoints) {
  OdGeExtents3d ext;
  EXPECT_FALSE(ext.isValidExtents());
  ext.addPoint(OdGePoint3d(1, 2, 3));
  EXPECT_TRUE(ext.isValidExtents());
  EXPECT_EQ(ext.minPoint(), OdGePoint3d(1, 2, 3));
  EXPECT_EQ(ext.maxPoint(), OdGePoint3d(1, 2, 3));
  ext.addPoint(OdGePoint3d(-1, 5, 0));
  EXPECT_EQ(ext.minPoint(), OdGePoint3d(-1, 2, 0));
  EXPECT_EQ(ext.maxPoint(), OdGePoint3d(1, 5, 3));
  EXPECT_TRUE(ext.contains(OdGePoint3d(0, 3, 1)));
  EXPECT_FALSE(ext.contains(OdGePoint3d(0, 6, 1)));
  EXPECT_EQ(ext.center(), OdGePoint3d(0, 3.5, 1.5));
}

TEST(GeExtents3d, AddsOtherBoxesButNotInvalidOnes) {
  OdGeExtents3d ext(OdGePoint3d(0, 0, 0), OdGePoint3d(1, 1, 1));
  ext.addExt(OdGeExtents3d());
  EXPECT_EQ(ext, OdGeExtents3d(OdGePoint3d(0, 0, 0), OdGePoint3d(1, 1, 1)));
  ext.addExt(OdGeExtents3d(OdGePoint3d(2, -1, 0), OdGePoint3d(3, 0, 4)));
  EXPECT_EQ(ext.minPoint(), OdGePoint3d(0, -1, 0));
  EXPECT_EQ(ext.maxPoint(), OdGePoint3d(3, 1, 4));
  OdGeExtents3d empty;
  empty.addExt(ext);
  EXPECT_EQ(empty, ext);
  OdGeExtents3d swapped;
  swapped.comparingSet(OdGePoint3d(3, 1, 4), OdGePoint3d(0, -1, 0));
  EXPECT_EQ(swapped, ext);
  EXPECT_TRUE(ext.isDisjoint(OdGeExtents3d(OdGePoint3d(4, 0, 0), OdGePoint3d(5, 1, 1))));
  EXPECT_FALSE(ext.isDisjoint(OdGeExtents3d(OdGePoint3d(2, 0, 0), OdGePoint3d(5, 1, 1))));
}

TEST(GeExtents3d, TransformBoundsTheTransformedCorners) {
  OdGeExtents3d ext(OdGePoint3d(0, 0, 0), OdGePoint3d(1, 1, 1));
  ext.transformBy(OdGeMatrix3d::rotation(std::numbers::pi / 4, OdGeVector3d::kZAxis));
  double h = std::sqrt(0.5);
  EXPECT_NEAR(ext.minPoint().x, -h, 1e-12);
  EXPECT_NEAR(ext.maxPoint().x, h, 1e-12);
  EXPECT_NEAR(ext.minPoint().y, 0, 1e-12);
  EXPECT_NEAR(ext.maxPoint().y, 2 * h, 1e-12);
  EXPECT_NEAR(ext.maxPoint().z, 1, 1e-12);
  OdGeExtents3d invalid;
  invalid.transformBy(OdGeMatrix3d::translation(OdGeVector3d(1, 1, 1)));
  EXPECT_FALSE(invalid.isValidExtents());
}

TEST(GeExtents2d, StartsInvalidAndGrows) {
  OdGeExtents2d ext;
  EXPECT_FALSE(ext.isValidExtents());
  ext.addPoint(OdGePoint2d(2, 3)).addPoint(OdGePoint2d(-1, 4));
  EXPECT_TRUE(ext.isValidExtents());
  EXPECT_EQ(ext.minPoint(), OdGePoint2d(-1, 3));
  EXPECT_EQ(ext.maxPoint(), OdGePoint2d(2, 4));
  ext.addExt(OdGeExtents2d());
  ext.addExt(OdGeExtents2d(OdGePoint2d(0, 0), OdGePoint2d(1, 1)));
  EXPECT_EQ(ext.minPoint(), OdGePoint2d(-1, 0));
  EXPECT_TRUE(ext.contains(OdGePoint2d(0.5, 0.5)));
}

}  // namespace
