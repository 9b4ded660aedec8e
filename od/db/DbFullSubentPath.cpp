#include "DbFullSubentPath.h"

#include <utility>

OdDbFullSubentPath::OdDbFullSubentPath(OdDbObjectId entity, OdDbSubentId subent) : m_ids{entity}, m_subent(subent) {}

OdDbFullSubentPath::OdDbFullSubentPath(std::vector<OdDbObjectId> objectIds, OdDbSubentId subent)
    : m_ids(std::move(objectIds)), m_subent(subent) {}
