#pragma once

#include "DxfFields.h"

#include <span>

class OdDbObject;

namespace dxf {

// Reads the groups of one object (its record type excluded) through its
// class's field table: handle, application data, reactors, extension
// dictionary, owner, subclass sections and extended data. Groups no field
// takes are kept as read. Answers the handle the groups give, null when none.
// The groups may be a file's, as text, or what an object wrote into a typed
// recorder.
OdDbHandle readObjectGroups(OdDbObject* obj, std::span<const Group> groups, ReadContext& ctx);

// Reads one group of the subclass section with that index (ClassLayout::sections)
// into obj as readObjectGroups reads the groups after its marker: through the
// field table, else kept in that section. Copies read so what the custom
// fields without a copy function write (DxfObjectCopy.h).
void readSectionGroup(OdDbObject* obj, const Group& g, int section, ReadContext& ctx);

}  // namespace dxf
