#pragma once

#include "OdString.h"

#include <vector>

class OdDbDatabase;
class OdDbObject;

namespace hostObjectCompare {

// One line per entity of the drawing's model space, in drawing order: its
// handle, its class and its fingerprint as eight hexadecimal digits
// ("1F AcDbLine 0A1B2C3D").
std::vector<OdString> fingerprintLines(OdDbDatabase* db);

// The values that reach the object's fingerprint, one a line with its group
// code ("10: 1.0, 2.0, 0.0"): what tells it from an object that differs.
std::vector<OdString> fingerprintValueLines(const OdDbObject* object);

}  // namespace hostObjectCompare
