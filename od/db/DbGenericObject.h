#pragma once

#include "DbEntity.h"

// Objects and entities of classes this library does not model: their groups
// are kept as read and written back unchanged. Each answers isA() with a
// run-time class named after its DXF class ("AcDbCamera"), derived from the
// generic one, so that class tests and tables by name work for them too.
template <class Base>
class OdDbGeneric : public Base {
 public:
  OdRxClass* isA() const override { return m_class ? m_class : Base::isA(); }
  OdRxObject* queryX(const OdRxClass* cls) const override {
    if (!cls || !isA()->isDerivedFrom(cls)) return nullptr;
    this->addRef();
    return const_cast<OdDbGeneric*>(this);
  }
  OdString dxfRecordName() const override { return m_recordName; }
  void setDxfRecordName(const OdString& name) { m_recordName = name; }
  void setRuntimeClass(OdRxClass* cls) { m_class = cls; }

 private:
  OdString m_recordName;
  OdRxClass* m_class = nullptr;
};

class OdDbGenericObject : public OdDbGeneric<OdDbObject> {
 public:
  static OdRxClass* desc();
  static OdSmartPtr<OdDbGenericObject> createObject();
};

class OdDbGenericEntity : public OdDbGeneric<OdDbEntity> {
 public:
  static OdRxClass* desc();
  static OdSmartPtr<OdDbGenericEntity> createObject();
};

// The run-time class for objects of an unmodelled DXF class: registered on
// first use under className, derived from the generic object or entity.
OdRxClass* odDbGenericClass(const OdString& className, const OdString& dxfName, bool isEntity);
