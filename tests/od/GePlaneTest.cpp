#include "GeMatrix3d.h"
#include "GePlane.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

TEST(GePlane, MeasuresAndProjects) {
  OdGePlane plane(OdGePoint3d(0, 0, 2), OdGeVector3d(0, 0, 5));
  EXPECT_EQ(plane.normal(), OdGeVector3d(0, 0, 1));
  EXPECT_DOUBLE_EQ(plane.signedDistanceTo(OdGePoint3d(1, 1, 5)), 3);
  EXPECT_DOUBLE_EQ(plane.signedDistanceTo(OdGePoint3d(1, 1, 0)), -2);
  EXPECT_DOUBLE_EQ(plane.distanceTo(OdGePoint3d(1, 1, 0)), 2);
  EXPECT_EQ(plane.closestPointTo(OdGePoint3d(1, 1, 7)), OdGePoint3d(1, 1, 2));
  EXPECT_TRUE(plane.isOn(OdGePoint3d(9, -4, 2)));
  double a, b, c, d;
  plane.getCoefficients(a, b, c, d);
  EXPECT_DOUBLE_EQ(a, 0);
  EXPECT_DOUBLE_EQ(c, 1);
  EXPECT_DOUBLE_EQ(d, -2);
}

TEST(GePlane, TransformsWithItsPoints) {
  OdGePlane plane(OdGePoint3d(0, 0, 1), OdGeVector3d::kZAxis);
  plane.transformBy(OdGeMatrix3d::rotation(std::numbers::pi / 2, OdGeVector3d::kXAxis));
  EXPECT_TRUE(plane.normal().isEqualTo(OdGeVector3d(0, -1, 0)));
  EXPECT_TRUE(plane.isOn(OdGePoint3d(5, -1, 7)));
  // Under a non-uniform scaling the normal follows the plane, not the scaled normal.
  OdGePlane tilted(OdGePoint3d::kOrigin, OdGeVector3d(1, 0, 1));
  tilted.transformBy(OdGeMatrix3d::scaling(OdGeScale3d(2, 1, 1)));
  EXPECT_TRUE(tilted.isOn(OdGePoint3d(2, 0, -1)));
  EXPECT_TRUE(tilted.normal().isEqualTo(OdGeVector3d(1, 0, 2).normal()));
}

}  // namespace
