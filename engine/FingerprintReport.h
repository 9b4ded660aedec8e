#pragma once

#include "OdString.h"

#include <string>
#include <vector>

class OdDbDatabase;
class OdDbObject;

namespace hostObjectCompare {

// One line per entity of the drawing's model space, in drawing order: its
// handle, its class and its fingerprint as eight hexadecimal digits
// ("1F AcDbLine 0A1B2C3D").
std::vector<OdString> fingerprintLines(OdDbDatabase* db);

// One value that reaches a fingerprint, in text ("1.0, 2.0, 0.0" for a point).
struct FingerprintValue {
  int code;
  std::string text;
};

// The values that reach the object's fingerprint, in the order they pass.
std::vector<FingerprintValue> fingerprintValues(const OdDbObject* object);

// The values that reach the object's fingerprint, one a line with its group
// code ("10: 1.0, 2.0, 0.0"): what tells it from an object that differs.
std::vector<OdString> fingerprintValueLines(const OdDbObject* object);

}  // namespace hostObjectCompare
