#include "GeMatrix3d.h"
#include "GePlane.h"
#include "OdError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double kHalfPi = std::numbers::pi / 2;

void expectPoint(const OdGePoint3d& p, double x, double y, double z) {
  EXPECT_NEAR(p.x, x, 1e-12);
  EXPECT_NEAR(p.y, y, 1e-12);
  EXPECT_NEAR(p.z, z, 1e-12);
}

void expectVector(const OdGeVector3d& v, double x, double y, double z) {
  EXPECT_NEAR(v.x, x, 1e-12);
  EXPECT_NEAR(v.y, y, 1e-12);
  EXPECT_NEAR(v.z, z, 1e-12);
}

OdGeMatrix3d fromRows(const double (&rows)[4][4]) {
  OdGeMatrix3d m;
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) m(r, c) = rows[r][c];
  return m;
}

TEST(GeMatrix3d, TranslationMovesPointsButNotVectors) {
  OdGeMatrix3d t = OdGeMatrix3d::translation(OdGeVector3d(10, 20, 30));
  expectPoint(t * OdGePoint3d(1, 2, 3), 11, 22, 33);
  expectVector(t * OdGeVector3d(1, 2, 3), 1, 2, 3);
  expectVector(t.translation(), 10, 20, 30);
}

TEST(GeMatrix3d, RotationFollowsTheRightHandRule) {
  expectPoint(OdGeMatrix3d::rotation(kHalfPi, OdGeVector3d::kZAxis) * OdGePoint3d(1, 0, 0), 0, 1, 0);
  expectPoint(OdGeMatrix3d::rotation(kHalfPi, OdGeVector3d::kXAxis) * OdGePoint3d(0, 1, 0), 0, 0, 1);
  expectPoint(OdGeMatrix3d::rotation(kHalfPi, OdGeVector3d::kYAxis) * OdGePoint3d(0, 0, 1), 1, 0, 0);
  // About a centre: (2,1) turns about (1,1) to (1,2).
  expectPoint(OdGeMatrix3d::rotation(kHalfPi, OdGeVector3d::kZAxis, OdGePoint3d(1, 1, 0)) * OdGePoint3d(2, 1, 0), 1,
              2, 0);
  // A third of a turn about (1,1,1) cycles the axes.
  OdGeMatrix3d r = OdGeMatrix3d::rotation(2 * std::numbers::pi / 3, OdGeVector3d(1, 1, 1));
  expectPoint(r * OdGePoint3d(1, 0, 0), 0, 1, 0);
  expectPoint(r * OdGePoint3d(0, 1, 0), 0, 0, 1);
}

TEST(GeMatrix3d, ScalingKeepsItsCentre) {
  expectPoint(OdGeMatrix3d::scaling(2, OdGePoint3d(1, 1, 1)) * OdGePoint3d(2, 2, 2), 3, 3, 3);
  expectPoint(OdGeMatrix3d::scaling(OdGeScale3d(2, 3, 4)) * OdGePoint3d(1, 1, 1), 2, 3, 4);
  EXPECT_NEAR(OdGeMatrix3d::scaling(OdGeScale3d(2, 3, 4)).det(), 24, 1e-12);
}

TEST(GeMatrix3d, ProductAppliesTheRightMatrixFirst) {
  OdGeMatrix3d rotate = OdGeMatrix3d::rotation(kHalfPi, OdGeVector3d::kZAxis);
  OdGeMatrix3d move = OdGeMatrix3d::translation(OdGeVector3d(10, 0, 0));
  expectPoint((move * rotate) * OdGePoint3d(1, 0, 0), 10, 1, 0);
  expectPoint((rotate * move) * OdGePoint3d(1, 0, 0), 0, 11, 0);
  OdGeMatrix3d m = move;
  m.postMultBy(rotate);
  EXPECT_TRUE(m.isEqualTo(move * rotate));
  m = move;
  m.preMultBy(rotate);
  EXPECT_TRUE(m.isEqualTo(rotate * move));
}

TEST(GeMatrix3d, ProductOfGeneralMatricesMatchesHandComputedValues) {
  OdGeMatrix3d a = fromRows({{1, 2, 0, 1}, {0, 1, 3, 2}, {4, 0, 1, 3}, {0, 0, 0, 1}});
  OdGeMatrix3d b = fromRows({{2, 0, 1, 0}, {1, 1, 0, 1}, {0, 2, 1, 1}, {0, 0, 0, 1}});
  OdGeMatrix3d expected = fromRows({{4, 2, 1, 3}, {1, 7, 3, 6}, {8, 2, 5, 4}, {0, 0, 0, 1}});
  EXPECT_TRUE((a * b).isEqualTo(expected, 1e-12));
  EXPECT_NEAR(a.det(), 25, 1e-12);
}

TEST(GeMatrix3d, InverseUndoesTheTransformation) {
  OdGeMatrix3d m = OdGeMatrix3d::translation(OdGeVector3d(1, 2, 3)) *
                   OdGeMatrix3d::rotation(0.7, OdGeVector3d(1, 2, 2)) * OdGeMatrix3d::scaling(OdGeScale3d(2, 3, 4));
  EXPECT_TRUE((m * m.inverse()).isEqualTo(OdGeMatrix3d::kIdentity, 1e-12));
  EXPECT_TRUE((m.inverse() * m).isEqualTo(OdGeMatrix3d::kIdentity, 1e-12));
  EXPECT_TRUE(OdGeMatrix3d::translation(OdGeVector3d(1, 2, 3))
                  .inverse()
                  .isEqualTo(OdGeMatrix3d::translation(OdGeVector3d(-1, -2, -3)), 1e-12));
  OdGeMatrix3d inverted = m;
  inverted.invert();
  expectPoint(inverted * (m * OdGePoint3d(5, 6, 7)), 5, 6, 7);
}

TEST(GeMatrix3d, SingularMatrixHasNoInverse) {
  OdGeMatrix3d flat = OdGeMatrix3d::scaling(OdGeScale3d(1, 1, 0));
  EXPECT_TRUE(flat.isSingular());
  OdGeMatrix3d result = OdGeMatrix3d::translation(OdGeVector3d(1, 0, 0));
  EXPECT_FALSE(flat.inverse(result));
  EXPECT_TRUE(result.isEqualTo(OdGeMatrix3d::translation(OdGeVector3d(1, 0, 0))));
  try {
    flat.inverse();
    FAIL() << "inverting a singular matrix must throw";
  } catch (const OdError& e) {
    EXPECT_EQ(e.code(), eInvalidInput);
  }
}

TEST(GeMatrix3d, TransposeSwapsRowsAndColumns) {
  OdGeMatrix3d m = fromRows({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {0, 0, 0, 1}});
  OdGeMatrix3d t = m.transpose();
  EXPECT_EQ(t(0, 1), 5.0);
  EXPECT_EQ(t(3, 0), 4.0);
  EXPECT_TRUE(t.transposeIt().isEqualTo(m, 0));
}

TEST(GeMatrix3d, CoordSystemPlacesTheAxes) {
  OdGeMatrix3d m;
  m.setCoordSystem(OdGePoint3d(1, 2, 3), OdGeVector3d(0, 1, 0), OdGeVector3d(-1, 0, 0), OdGeVector3d(0, 0, 1));
  expectPoint(m * OdGePoint3d(1, 0, 0), 1, 3, 3);
  expectPoint(m * OdGePoint3d(0, 1, 0), 0, 2, 3);
  OdGePoint3d origin;
  OdGeVector3d x, y, z;
  m.getCoordSystem(origin, x, y, z);
  expectPoint(origin, 1, 2, 3);
  expectVector(x, 0, 1, 0);
  expectVector(y, -1, 0, 0);
  expectVector(z, 0, 0, 1);
}

// The DXF arbitrary axis algorithm: X = Wz x N unless N is within 1/64 of the Z axis, then X = Wy x N.
TEST(GeMatrix3d, PlaneToWorldOfATiltedNormalUsesTheArbitraryAxis) {
  OdGeMatrix3d m = OdGeMatrix3d::planeToWorld(OdGeVector3d(3, 0, 4));  // normalised to (0.6, 0, 0.8)
  expectVector(m * OdGeVector3d::kXAxis, 0, 1, 0);
  expectVector(m * OdGeVector3d::kYAxis, -0.8, 0, 0.6);
  expectVector(m * OdGeVector3d::kZAxis, 0.6, 0, 0.8);
  expectPoint(m * OdGePoint3d(2, 1, 0), -0.8, 2, 0.6);
  EXPECT_TRUE((OdGeMatrix3d::worldToPlane(OdGeVector3d(3, 0, 4)) * m).isEqualTo(OdGeMatrix3d::kIdentity, 1e-12));
}

TEST(GeMatrix3d, PlaneToWorldNearTheZAxisUsesTheWorldYAxis) {
  OdGeVector3d n = OdGeVector3d(0.01, 0, 1).normal();
  OdGeMatrix3d m = OdGeMatrix3d::planeToWorld(n);
  expectVector(m * OdGeVector3d::kXAxis, n.z, 0, -n.x);  // Wy x N
  expectVector(m * OdGeVector3d::kYAxis, 0, 1, 0);
  EXPECT_TRUE(OdGeMatrix3d::planeToWorld(OdGeVector3d::kZAxis).isEqualTo(OdGeMatrix3d::kIdentity, 0));
}

TEST(GeMatrix3d, PlaneToWorldOfAPlaneStartsAtItsOrigin) {
  OdGePlane plane(OdGePoint3d(1, 2, 3), OdGeVector3d(0, 0, -2));
  OdGeMatrix3d m = OdGeMatrix3d::planeToWorld(plane);
  expectPoint(m * OdGePoint3d::kOrigin, 1, 2, 3);
  // N = -Z: X = Wy x N = (-1, 0, 0), Y = N x X = (0, 1, 0).
  expectPoint(m * OdGePoint3d(1, 1, 0), 0, 3, 3);
  OdGeMatrix3d same;
  same.setCoordSystem(OdGePoint3d(1, 2, 3), OdGeVector3d(0, 0, -1));
  EXPECT_TRUE(same.isEqualTo(m, 1e-12));
  expectPoint(OdGeMatrix3d::worldToPlane(plane) * OdGePoint3d(0, 3, 3), 1, 1, 0);
}

}  // namespace
