#pragma once

#include "GePoint3d.h"
#include "GeScale3d.h"
#include "GeVector3d.h"

class OdGePlane;

// A 4x4 matrix of an affine transformation of 3D space, acting on column
// vectors: p' = M * p. The bottom row of an affine matrix is 0 0 0 1.
class OdGeMatrix3d {
 public:
  OdGeMatrix3d();  // the identity
  static const OdGeMatrix3d kIdentity;

  double entry[4][4];
  double operator()(int row, int column) const { return entry[row][column]; }
  double& operator()(int row, int column) { return entry[row][column]; }

  OdGeMatrix3d& setToIdentity();
  bool isEqualTo(const OdGeMatrix3d& other, double tol = 1e-10) const;
  bool operator==(const OdGeMatrix3d& other) const { return isEqualTo(other, 0); }
  double det() const;
  bool isSingular(double tol = 1e-12) const;

  // Composition: (a * b) applies b first, then a.
  OdGeMatrix3d operator*(const OdGeMatrix3d& right) const;
  OdGeMatrix3d& operator*=(const OdGeMatrix3d& right) { return postMultBy(right); }
  OdGeMatrix3d& preMultBy(const OdGeMatrix3d& left);    // this = left * this
  OdGeMatrix3d& postMultBy(const OdGeMatrix3d& right);  // this = this * right
  OdGePoint3d operator*(const OdGePoint3d& p) const;
  // Vectors take the linear part only.
  OdGeVector3d operator*(const OdGeVector3d& v) const;

  // Throws the invalid-input error for a singular matrix.
  OdGeMatrix3d inverse() const;
  // Answers false, leaving result alone, for a singular matrix.
  bool inverse(OdGeMatrix3d& result, double tol = 1e-12) const;
  OdGeMatrix3d& invert() { return *this = inverse(); }
  OdGeMatrix3d transpose() const;
  OdGeMatrix3d& transposeIt() { return *this = transpose(); }

  OdGeMatrix3d& setToTranslation(const OdGeVector3d& offset);
  OdGeMatrix3d& setToScaling(double scale, const OdGePoint3d& center = OdGePoint3d::kOrigin);
  OdGeMatrix3d& setToScaling(const OdGeScale3d& scale, const OdGePoint3d& center = OdGePoint3d::kOrigin);
  // Counter-clockwise when looking down the axis towards center (right-hand rule).
  OdGeMatrix3d& setToRotation(double angle, const OdGeVector3d& axis,
                              const OdGePoint3d& center = OdGePoint3d::kOrigin);
  // Maps the world axes to the given axes placed at origin.
  OdGeMatrix3d& setCoordSystem(const OdGePoint3d& origin, const OdGeVector3d& xAxis, const OdGeVector3d& yAxis,
                               const OdGeVector3d& zAxis);
  // The object coordinate system of a planar entity with this normal, placed
  // at origin: its X and Y axes come from the DXF arbitrary axis algorithm.
  OdGeMatrix3d& setCoordSystem(const OdGePoint3d& origin, const OdGeVector3d& normal);
  void getCoordSystem(OdGePoint3d& origin, OdGeVector3d& xAxis, OdGeVector3d& yAxis, OdGeVector3d& zAxis) const;
  OdGeMatrix3d& setToPlaneToWorld(const OdGeVector3d& normal);
  OdGeMatrix3d& setToPlaneToWorld(const OdGePlane& plane);
  OdGeMatrix3d& setToWorldToPlane(const OdGeVector3d& normal);
  OdGeMatrix3d& setToWorldToPlane(const OdGePlane& plane);

  OdGeVector3d translation() const { return {entry[0][3], entry[1][3], entry[2][3]}; }

  static OdGeMatrix3d translation(const OdGeVector3d& offset);
  static OdGeMatrix3d scaling(double scale, const OdGePoint3d& center = OdGePoint3d::kOrigin);
  static OdGeMatrix3d scaling(const OdGeScale3d& scale, const OdGePoint3d& center = OdGePoint3d::kOrigin);
  static OdGeMatrix3d rotation(double angle, const OdGeVector3d& axis,
                               const OdGePoint3d& center = OdGePoint3d::kOrigin);
  // From the object coordinates of a planar entity (normal through the
  // origin, or a plane with its origin) to world coordinates, and back.
  static OdGeMatrix3d planeToWorld(const OdGeVector3d& normal);
  static OdGeMatrix3d planeToWorld(const OdGePlane& plane);
  static OdGeMatrix3d worldToPlane(const OdGeVector3d& normal);
  static OdGeMatrix3d worldToPlane(const OdGePlane& plane);
};

inline OdGePoint3d& OdGePoint3d::transformBy(const OdGeMatrix3d& m) { return *this = m * *this; }
inline OdGeVector3d& OdGeVector3d::transformBy(const OdGeMatrix3d& m) { return *this = m * *this; }
