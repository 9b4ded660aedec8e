#pragma once

#include "Hash.h"

class OdDbObject;

namespace hostObjectCompare {

// Makes the fingerprint of one object: made on the stack for each object,
// it reads the system variables that steer fingerprints anew every time.
class HostObjectHashGenerator {
 public:
  // A new Hash of the object, which the caller keeps open for read.
  HashPtr buildHash(const OdDbObject* object);

 private:
  HashPtr m_hash;  // the one under construction
};

}  // namespace hostObjectCompare
