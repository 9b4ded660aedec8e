#include "DbIdMapping.h"

ODRX_DEFINE_NAMED(OdDbIdMapping, "OdDbIdMapping", OdRxObject, "", odrxNewImpl<OdDbIdMapping>)
ODRX_DEFINE_NAMED(OdDbIdMappingIter, "OdDbIdMappingIter", OdRxObject, "", nullptr)

OdDbIdMapping::OdDbIdMapping() = default;

void OdDbIdMapping::assign(const OdDbIdPair& pair) {
  auto [it, added] = m_index.emplace(pair.key(), m_slots.size());
  if (added) m_slots.push_back(Slot{pair, true});
  else m_slots[it->second].pair = pair;
}

bool OdDbIdMapping::compute(OdDbIdPair& pair) const {
  auto it = m_index.find(pair.key());
  if (it == m_index.end()) return false;
  pair = m_slots[it->second].pair;
  return true;
}

bool OdDbIdMapping::del(const OdDbObjectId& key) {
  auto it = m_index.find(key);
  if (it == m_index.end()) return false;
  m_slots[it->second].live = false;
  m_index.erase(it);
  return true;
}

OdDbIdMappingIterPtr OdDbIdMapping::newIterator() {
  return OdDbIdMappingIterPtr(new OdRxObjectImpl<OdDbIdMappingIter>(this), kOdRxObjAttach);
}

OdDbIdMappingIter::OdDbIdMappingIter(OdDbIdMapping* mapping) : m_mapping(mapping) { skipDead(); }

void OdDbIdMappingIter::skipDead() {
  while (m_mapping && m_at < m_mapping->m_slots.size() && !m_mapping->m_slots[m_at].live) ++m_at;
}

void OdDbIdMappingIter::start() {
  m_at = 0;
  skipDead();
}

bool OdDbIdMappingIter::done() const { return !m_mapping || m_at >= m_mapping->m_slots.size(); }

void OdDbIdMappingIter::next() {
  if (done()) return;
  ++m_at;
  skipDead();
}

bool OdDbIdMappingIter::getMap(OdDbIdPair& pair) const {
  if (done()) return false;
  pair = m_mapping->m_slots[m_at].pair;
  return true;
}
