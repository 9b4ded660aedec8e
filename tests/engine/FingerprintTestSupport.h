#pragma once

// Shared by the fingerprint tests: a running host whose system variables
// steer fingerprints, a drawing to make entities in, and objects of classes
// named as a test needs.

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbLine.h"
#include "DbSymbolTable.h"
#include "HostEditor.h"
#include "HostObjectHashDxfGenerator.h"
#include "HostObjectHashGenerator.h"
#include "module/ModuleTestSupport.h"

#include <functional>
#include <string>

// A class that exists only for the test: made on first use, kept for the process.
inline OdRxClass* probeClass(const char* name, OdRxClass* parent) {
  auto* cls = new OdRxClass(OdString(name), parent, nullptr);
  cls->addRef();
  return cls;
}

// An object of a run-time class named as a test needs, writing what it is told.
template <class Base>
class Probe : public Base {
 public:
  using Write = std::function<void(OdDbDxfFiler*)>;
  static OdSmartPtr<Probe> make(OdRxClass* cls, Write write) {
    return OdSmartPtr<Probe>(new Probe(cls, std::move(write)));
  }

  OdRxClass* isA() const override { return m_class; }
  void dxfOutFields(OdDbDxfFiler* filer) const override { m_write(filer); }

 private:
  Probe(OdRxClass* cls, Write write) : m_class(cls), m_write(std::move(write)) {}
  OdRxClass* m_class;
  Write m_write;
};

// Every display property that COMPAREPROPS can let in.
constexpr int kAllCompareProps = hostObjectCompare::CompareColor | hostObjectCompare::CompareLayer |
                                 hostObjectCompare::CompareLinetype | hostObjectCompare::CompareLinetypeScale |
                                 hostObjectCompare::CompareLineweight | hostObjectCompare::CompareTransparency;

class FingerprintTest : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    db = OdDbDatabase::create();
  }

  void setCompareProps(int bits) { setVariable("COMPAREPROPS", bits); }
  void setCompareTolerance(int places) { setVariable("COMPARETOLERANCE", places); }

  static uint32_t hashOf(const OdDbObject* object) {
    return hostObjectCompare::HostObjectHashGenerator().buildHash(object)->value;
  }

  // An entity of model space with the drawing's default properties.
  template <class T>
  OdSmartPtr<T> add(OdDbDatabase* in = nullptr) {
    return addTo<T>(modelSpaceOf(in ? in : db.get()).get());
  }

  OdDbLinePtr addLine(const OdGePoint3d& start, const OdGePoint3d& end, OdDbDatabase* in = nullptr) {
    return ::addLine(modelSpaceOf(in ? in : db.get()).get(), start, end);
  }
  OdDbObjectId addLayer(const char* name, OdDbDatabase* in = nullptr) { return ::addLayer(in ? in : db.get(), name); }

  OdDbObjectId addLinetype(const char* name) {
    OdDbLinetypeTableRecordPtr linetype = OdDbLinetypeTableRecord::createObject();
    linetype->setName(OdString(name));
    return db->linetypeTable()->add(linetype.get());
  }

  OdDbDatabasePtr db;

 private:
  void setVariable(const char* name, int value) {
    ASSERT_TRUE(app->editor().setVarFromText(OdString(name), OdString(std::to_string(value)))) << name;
  }
};
