#pragma once

// Helpers for entity classes whose records hold parts that are kept as
// ordered groups (embedded objects, table cells, context blocks), and for
// classes that repeat the fields of another class under their own marker.

#include "DxfFields.h"

#include <array>
#include <numbers>
#include <vector>

namespace dxf {

// Groups kept in file order, written back as read.
using GroupList = std::vector<KeptGroup>;

inline void appendGroup(GroupList& list, const Group& g, ReadContext& ctx) {
  list.push_back(keepGroup(0, g, ctx));
}

inline void writeGroups(const GroupList& list, OdDbDxfFiler* filer) {
  for (const KeptGroup& g : list) writeGroupByCode(filer, g.code, g.text, g.id);
}

// Field tables joined, for a class whose section repeats another class's
// fields (ATTRIB's AcDbText section is TEXT's first one without the second).
template <size_t A, size_t B>
std::array<Field, A + B> joinFields(const std::array<Field, A>& a, const std::array<Field, B>& b) {
  std::array<Field, A + B> out{};
  for (size_t i = 0; i < A; ++i) out[i] = a[i];
  for (size_t i = 0; i < B; ++i) out[A + i] = b[i];
  return out;
}
template <size_t A, size_t B, size_t C>
std::array<Field, A + B + C> joinFields(const std::array<Field, A>& a, const std::array<Field, B>& b,
                                        const std::array<Field, C>& c) {
  return joinFields(joinFields(a, b), c);
}

// Files hold angles in degrees; the classes' accessors take radians.
inline double toRadians(double degrees) { return degrees * std::numbers::pi / 180.0; }
inline double toDegrees(double radians) { return radians * 180.0 / std::numbers::pi; }

}  // namespace dxf
