#pragma once

#include "DbObjectId.h"

// One entry of a clone's id mapping: the id of an object of the source and
// the id of what stands for it in the destination.
class OdDbIdPair {
 public:
  OdDbIdPair() = default;
  explicit OdDbIdPair(const OdDbObjectId& key) : m_key(key) {}
  OdDbIdPair(const OdDbObjectId& key, const OdDbObjectId& value, bool isCloned, bool isPrimary = false,
             bool isOwnerXlated = true)
      : m_key(key), m_value(value), m_isCloned(isCloned), m_isOwnerXlated(isOwnerXlated), m_isPrimary(isPrimary) {}

  OdDbObjectId key() const { return m_key; }
  OdDbObjectId value() const { return m_value; }
  // The value is a new object made from the key (not a record the destination had).
  bool isCloned() const { return m_isCloned; }
  // The clone's owner is the translated owner.
  bool isOwnerXlated() const { return m_isOwnerXlated; }
  // The key was one of the objects asked for, not something they own or reference.
  bool isPrimary() const { return m_isPrimary; }

  void setKey(const OdDbObjectId& key) { m_key = key; }
  void setValue(const OdDbObjectId& value) { m_value = value; }
  void setIsCloned(bool cloned) { m_isCloned = cloned; }
  void setIsOwnerXlated(bool xlated) { m_isOwnerXlated = xlated; }
  void setIsPrimary(bool primary) { m_isPrimary = primary; }

 private:
  OdDbObjectId m_key;
  OdDbObjectId m_value;
  bool m_isCloned = false;
  bool m_isOwnerXlated = false;
  bool m_isPrimary = false;
};
