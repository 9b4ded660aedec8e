#pragma once

#include "DxfFields.h"

#include <span>

class OdDbObject;

namespace dxf {

// Reads the groups of one object (its record type excluded) through its
// class's field table: handle, application data, reactors, extension
// dictionary, owner, subclass sections and extended data. Groups no field
// takes are kept as read. Answers the handle the groups give, null when none.
// Used for DXF files and for objects copied through their written groups.
OdDbHandle readObjectGroups(OdDbObject* obj, std::span<const Group> groups, ReadContext& ctx);

}  // namespace dxf
