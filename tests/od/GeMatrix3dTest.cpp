#include "GeMatrix3d.h"
#include "OdError.h"

#include <gtest/gtest.h>

namespace {

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

}  // namespace
