#pragma once

#include "DxfFields.h"

#include <span>

namespace dxf {
// Picks the class of a record whose DXF name stands for several classes
// (POLYLINE, VERTEX, DIMENSION...), from the record's groups. The classes
// register their choosers here, below the reader that asks for them.
using ClassChooser = OdRxClass* (*)(std::span<const Group> groups);
void registerClassChooser(const OdString& dxfName, ClassChooser chooser);
// The chooser registered for a DXF name; null for none.
ClassChooser classChooser(const OdString& dxfName);
}  // namespace dxf
