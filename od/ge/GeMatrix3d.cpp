#include "GeMatrix3d.h"

#include "DbOcs.h"
#include "GePlane.h"
#include "OdError.h"

#include <cmath>
#include <utility>

const OdGeMatrix3d OdGeMatrix3d::kIdentity;

namespace {

// Gauss-Jordan elimination with partial pivoting: answers the determinant,
// and the inverse when asked for and the matrix is not singular (a pivot of
// at most tol).
double eliminate(const OdGeMatrix3d& m, OdGeMatrix3d* inverse, double tol) {
  OdGeMatrix3d a = m, inv;
  double det = 1;
  for (int col = 0; col < 4; ++col) {
    int pivot = col;
    for (int row = col + 1; row < 4; ++row)
      if (std::fabs(a.entry[row][col]) > std::fabs(a.entry[pivot][col])) pivot = row;
    if (std::fabs(a.entry[pivot][col]) <= tol) return 0;
    if (pivot != col) {
      std::swap(a.entry[pivot], a.entry[col]);
      std::swap(inv.entry[pivot], inv.entry[col]);
      det = -det;
    }
    double p = a.entry[col][col];
    det *= p;
    for (int k = 0; k < 4; ++k) {
      a.entry[col][k] /= p;
      inv.entry[col][k] /= p;
    }
    for (int row = 0; row < 4; ++row) {
      if (row == col) continue;
      double f = a.entry[row][col];
      for (int k = 0; k < 4; ++k) {
        a.entry[row][k] -= f * a.entry[col][k];
        inv.entry[row][k] -= f * inv.entry[col][k];
      }
    }
  }
  if (inverse) *inverse = inv;
  return det;
}

}  // namespace

OdGeMatrix3d::OdGeMatrix3d() { setToIdentity(); }

OdGeMatrix3d& OdGeMatrix3d::setToIdentity() {
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) entry[r][c] = r == c ? 1.0 : 0.0;
  return *this;
}

bool OdGeMatrix3d::isEqualTo(const OdGeMatrix3d& other, double tol) const {
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      if (std::fabs(entry[r][c] - other.entry[r][c]) > tol) return false;
  return true;
}

double OdGeMatrix3d::det() const { return eliminate(*this, nullptr, 0); }

bool OdGeMatrix3d::isSingular(double tol) const { return std::fabs(det()) <= tol; }

OdGeMatrix3d OdGeMatrix3d::operator*(const OdGeMatrix3d& right) const {
  OdGeMatrix3d out;
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) {
      double sum = 0;
      for (int k = 0; k < 4; ++k) sum += entry[r][k] * right.entry[k][c];
      out.entry[r][c] = sum;
    }
  return out;
}

OdGeMatrix3d& OdGeMatrix3d::preMultBy(const OdGeMatrix3d& left) { return *this = left * *this; }

OdGeMatrix3d& OdGeMatrix3d::postMultBy(const OdGeMatrix3d& right) { return *this = *this * right; }

OdGePoint3d OdGeMatrix3d::operator*(const OdGePoint3d& p) const {
  OdGeVector3d v = *this * p.asVector();
  return {v.x + entry[0][3], v.y + entry[1][3], v.z + entry[2][3]};
}

OdGeVector3d OdGeMatrix3d::operator*(const OdGeVector3d& v) const {
  return {entry[0][0] * v.x + entry[0][1] * v.y + entry[0][2] * v.z,
          entry[1][0] * v.x + entry[1][1] * v.y + entry[1][2] * v.z,
          entry[2][0] * v.x + entry[2][1] * v.y + entry[2][2] * v.z};
}

bool OdGeMatrix3d::inverse(OdGeMatrix3d& result, double tol) const {
  OdGeMatrix3d inv;
  if (eliminate(*this, &inv, tol) == 0) return false;
  result = inv;
  return true;
}

OdGeMatrix3d OdGeMatrix3d::inverse() const {
  OdGeMatrix3d inv;
  if (!inverse(inv)) throw OdError(eInvalidInput, "the matrix is singular");
  return inv;
}

OdGeMatrix3d OdGeMatrix3d::transpose() const {
  OdGeMatrix3d out;
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) out.entry[r][c] = entry[c][r];
  return out;
}

OdGeMatrix3d& OdGeMatrix3d::setToTranslation(const OdGeVector3d& offset) {
  setToIdentity();
  entry[0][3] = offset.x;
  entry[1][3] = offset.y;
  entry[2][3] = offset.z;
  return *this;
}

OdGeMatrix3d& OdGeMatrix3d::setToScaling(double scale, const OdGePoint3d& center) {
  return setToScaling(OdGeScale3d(scale, scale, scale), center);
}

OdGeMatrix3d& OdGeMatrix3d::setToScaling(const OdGeScale3d& scale, const OdGePoint3d& center) {
  setToIdentity();
  entry[0][0] = scale.sx;
  entry[1][1] = scale.sy;
  entry[2][2] = scale.sz;
  entry[0][3] = center.x * (1 - scale.sx);
  entry[1][3] = center.y * (1 - scale.sy);
  entry[2][3] = center.z * (1 - scale.sz);
  return *this;
}

OdGeMatrix3d& OdGeMatrix3d::setToRotation(double angle, const OdGeVector3d& axis, const OdGePoint3d& center) {
  OdGeVector3d u = axis.normal();
  double c = std::cos(angle), s = std::sin(angle), t = 1 - c;
  setToIdentity();
  entry[0][0] = t * u.x * u.x + c;
  entry[0][1] = t * u.x * u.y - s * u.z;
  entry[0][2] = t * u.x * u.z + s * u.y;
  entry[1][0] = t * u.x * u.y + s * u.z;
  entry[1][1] = t * u.y * u.y + c;
  entry[1][2] = t * u.y * u.z - s * u.x;
  entry[2][0] = t * u.x * u.z - s * u.y;
  entry[2][1] = t * u.y * u.z + s * u.x;
  entry[2][2] = t * u.z * u.z + c;
  // Keep center fixed: translation = center - R * center.
  OdGeVector3d moved = *this * center.asVector();
  entry[0][3] = center.x - moved.x;
  entry[1][3] = center.y - moved.y;
  entry[2][3] = center.z - moved.z;
  return *this;
}

OdGeMatrix3d& OdGeMatrix3d::setCoordSystem(const OdGePoint3d& origin, const OdGeVector3d& xAxis,
                                           const OdGeVector3d& yAxis, const OdGeVector3d& zAxis) {
  setToIdentity();
  const OdGeVector3d* axes[3] = {&xAxis, &yAxis, &zAxis};
  for (int c = 0; c < 3; ++c) {
    entry[0][c] = axes[c]->x;
    entry[1][c] = axes[c]->y;
    entry[2][c] = axes[c]->z;
  }
  entry[0][3] = origin.x;
  entry[1][3] = origin.y;
  entry[2][3] = origin.z;
  return *this;
}

OdGeMatrix3d& OdGeMatrix3d::setCoordSystem(const OdGePoint3d& origin, const OdGeVector3d& normal) {
  OdGeVector3d xAxis, yAxis;
  odOcsAxes(normal, xAxis, yAxis);
  return setCoordSystem(origin, xAxis, yAxis, xAxis.crossProduct(yAxis));
}

void OdGeMatrix3d::getCoordSystem(OdGePoint3d& origin, OdGeVector3d& xAxis, OdGeVector3d& yAxis,
                                  OdGeVector3d& zAxis) const {
  origin = OdGePoint3d(entry[0][3], entry[1][3], entry[2][3]);
  xAxis = OdGeVector3d(entry[0][0], entry[1][0], entry[2][0]);
  yAxis = OdGeVector3d(entry[0][1], entry[1][1], entry[2][1]);
  zAxis = OdGeVector3d(entry[0][2], entry[1][2], entry[2][2]);
}

OdGeMatrix3d& OdGeMatrix3d::setToPlaneToWorld(const OdGeVector3d& normal) {
  return setCoordSystem(OdGePoint3d::kOrigin, normal);
}

OdGeMatrix3d& OdGeMatrix3d::setToPlaneToWorld(const OdGePlane& plane) {
  return setCoordSystem(plane.pointOnPlane(), plane.normal());
}

OdGeMatrix3d& OdGeMatrix3d::setToWorldToPlane(const OdGeVector3d& normal) {
  return *this = planeToWorld(normal).inverse();
}

OdGeMatrix3d& OdGeMatrix3d::setToWorldToPlane(const OdGePlane& plane) {
  return *this = planeToWorld(plane).inverse();
}

OdGeMatrix3d OdGeMatrix3d::translation(const OdGeVector3d& offset) { return OdGeMatrix3d().setToTranslation(offset); }

OdGeMatrix3d OdGeMatrix3d::scaling(double scale, const OdGePoint3d& center) {
  return OdGeMatrix3d().setToScaling(scale, center);
}

OdGeMatrix3d OdGeMatrix3d::scaling(const OdGeScale3d& scale, const OdGePoint3d& center) {
  return OdGeMatrix3d().setToScaling(scale, center);
}

OdGeMatrix3d OdGeMatrix3d::rotation(double angle, const OdGeVector3d& axis, const OdGePoint3d& center) {
  return OdGeMatrix3d().setToRotation(angle, axis, center);
}

OdGeMatrix3d OdGeMatrix3d::planeToWorld(const OdGeVector3d& normal) { return OdGeMatrix3d().setToPlaneToWorld(normal); }

OdGeMatrix3d OdGeMatrix3d::planeToWorld(const OdGePlane& plane) { return OdGeMatrix3d().setToPlaneToWorld(plane); }

OdGeMatrix3d OdGeMatrix3d::worldToPlane(const OdGeVector3d& normal) { return OdGeMatrix3d().setToWorldToPlane(normal); }

OdGeMatrix3d OdGeMatrix3d::worldToPlane(const OdGePlane& plane) { return OdGeMatrix3d().setToWorldToPlane(plane); }
