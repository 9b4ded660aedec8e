#pragma once

#include "DbObjectId.h"
#include "GiPathNode.h"

#include <vector>

namespace OdDb {
enum SubentType {
  kNullSubentType = 0,
  kFaceSubentType = 1,
  kEdgeSubentType = 2,
  kVertexSubentType = 3,
  kMlineSubentCache = 4,
  kClassSubentType = 5,
  kAxisSubentType = 6,
};
}

// A part of an entity: its kind and its index among the parts of that kind.
class OdDbSubentId {
 public:
  OdDbSubentId() = default;
  OdDbSubentId(OdDb::SubentType type, OdGsMarker index) : m_type(type), m_index(index) {}
  OdDb::SubentType type() const { return m_type; }
  void setType(OdDb::SubentType type) { m_type = type; }
  OdGsMarker index() const { return m_index; }
  void setIndex(OdGsMarker index) { m_index = index; }
  bool operator==(const OdDbSubentId&) const = default;

 private:
  OdDb::SubentType m_type = OdDb::kNullSubentType;
  OdGsMarker m_index = 0;
};

// A part of an entity as reached from the outermost drawing: the ids of the
// entities leading to it, outermost first (block references, then the
// entity itself), and the part of the last one.
class OdDbFullSubentPath {
 public:
  OdDbFullSubentPath() = default;
  OdDbFullSubentPath(OdDbObjectId entity, OdDbSubentId subent);
  OdDbFullSubentPath(std::vector<OdDbObjectId> objectIds, OdDbSubentId subent);

  std::vector<OdDbObjectId>& objectIds() { return m_ids; }
  const std::vector<OdDbObjectId>& objectIds() const { return m_ids; }
  OdDbSubentId& subentId() { return m_subent; }
  const OdDbSubentId& subentId() const { return m_subent; }
  bool operator==(const OdDbFullSubentPath&) const = default;

 private:
  std::vector<OdDbObjectId> m_ids;
  OdDbSubentId m_subent;
};
