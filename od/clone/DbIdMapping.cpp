#include "DbIdMapping.h"

#include <algorithm>

ODRX_DEFINE_NAMED(OdDbIdMapping, "OdDbIdMapping", OdRxObject, "", odrxNewImpl<OdDbIdMapping>)
ODRX_DEFINE_NAMED(OdDbIdMappingIter, "OdDbIdMappingIter", OdRxObject, "", nullptr)

OdDbIdMapping::OdDbIdMapping() = default;

namespace {
uint64_t keyOf(const OdDbObjectId& id) { return reinterpret_cast<uintptr_t>(id.stub()); }
}  // namespace

void OdDbIdMapping::reserve(size_t count) {
  // At least doubling, so that many small reservations cost no more than growing would.
  size_t wanted = m_slots.size() + count;
  if (wanted > m_slots.capacity()) m_slots.reserve(std::max(wanted, 2 * m_slots.capacity()));
  m_index.reserve(count);
}

void OdDbIdMapping::assign(const OdDbIdPair& pair) {
  auto [slot, added] = m_index.insert(keyOf(pair.key()), m_slots.size());
  if (added) m_slots.push_back(Slot{pair, true});
  else static_cast<OdDbIdPair&>(m_slots[slot]) = pair;
}

bool OdDbIdMapping::compute(OdDbIdPair& pair) const {
  size_t slot = m_index.find(keyOf(pair.key()));
  if (slot == kNoSlot) return false;
  pair = m_slots[slot];
  return true;
}

bool OdDbIdMapping::setOwnerXlated(const OdDbObjectId& key) {
  size_t slot = m_index.find(keyOf(key));
  if (slot == kNoSlot) return false;
  m_slots[slot].setIsOwnerXlated(true);
  return true;
}

bool OdDbIdMapping::del(const OdDbObjectId& key) {
  size_t slot = m_index.find(keyOf(key));
  if (slot == kNoSlot) return false;
  m_slots[slot].live = false;
  m_index.erase(keyOf(key));
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
  pair = m_mapping->m_slots[m_at];
  return true;
}
