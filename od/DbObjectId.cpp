#include "DbObjectId.h"

#include "DbObject.h"

const OdDbObjectId OdDbObjectId::kNull;

OdDbObjectPtr OdDbObjectId::openObject(OdDb::OpenMode mode, bool openErasedOne) const {
  if (!m_stub || !m_stub->object) return OdDbObjectPtr();
  if (m_stub->erased && !openErasedOne) return OdDbObjectPtr();
  OdDbObject* obj = m_stub->object;
  obj->setOpenMode(mode == OdDb::kForWrite ? OdDb::kForWrite : OdDb::kForRead);
  return OdDbObjectPtr(obj);
}

OdDbObjectPtr OdDbObjectId::safeOpenObject(OdDb::OpenMode mode, bool openErasedOne) const {
  if (!m_stub) throw OdError(eNullObjectId);
  if (m_stub->erased && !openErasedOne) throw OdError(eWasErased);
  OdDbObjectPtr obj = openObject(mode, openErasedOne);
  if (!obj) throw OdError(eKeyNotFound, "No object with handle " + getHandle().ascii());
  return obj;
}
