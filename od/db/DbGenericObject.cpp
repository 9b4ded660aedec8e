#include "DbGenericObject.h"

#include <mutex>

OdRxClass* OdDbGenericObject::desc() {
  static OdRxClass* cls =
      odrxRegisterBuiltin("AcDbGenericObject", OdDbObject::desc(), odrxNewReferenced<OdDbGenericObject>, "");
  return cls;
}

OdSmartPtr<OdDbGenericObject> OdDbGenericObject::createObject() {
  return OdSmartPtr<OdDbGenericObject>(new OdDbGenericObject);
}

OdRxClass* OdDbGenericEntity::desc() {
  static OdRxClass* cls =
      odrxRegisterBuiltin("AcDbGenericEntity", OdDbEntity::desc(), odrxNewReferenced<OdDbGenericEntity>, "");
  return cls;
}

OdSmartPtr<OdDbGenericEntity> OdDbGenericEntity::createObject() {
  return OdSmartPtr<OdDbGenericEntity>(new OdDbGenericEntity);
}

OdRxClass* odDbGenericClass(const OdString& className, const OdString& dxfName, bool isEntity) {
  // Two drawings read at once may both meet a class first: one registers it.
  static std::mutex mutex;
  std::lock_guard lock(mutex);
  if (OdRxClass* existing = odrxGetClass(className)) return existing;
  OdRxClass* parent = isEntity ? OdDbGenericEntity::desc() : OdDbGenericObject::desc();
  return newOdRxClass(className, parent, parent->constructor(), 0, 0, 0, dxfName);
}
