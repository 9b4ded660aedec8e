#include "HostObjectHashGenerator.h"

#include "HostObjectHashDxfGenerator.h"

namespace hostObjectCompare {

HashPtr HostObjectHashGenerator::buildHash(const OdDbObject* object) {
  HostObjectHashDxfGenerator generator;
  m_hash = std::make_shared<Hash>();
  m_hash->value = generator.computeHash(object);
  return m_hash;
}

}  // namespace hostObjectCompare
