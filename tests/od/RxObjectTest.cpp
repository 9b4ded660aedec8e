#include "DbDictionary.h"
#include "DbLine.h"
#include "RxObject.h"

#include <gtest/gtest.h>

namespace {

class Probe : public OdRxObject {
  ODRX_DECLARE_MEMBERS(Probe);
};
ODRX_DEFINE_MODULE_CLASS(Probe, OdRxObject, odrxNewImpl<Probe>)

TEST(RxObject, SmartPointerConversionChecksTheClass) {
  OdDbObjectPtr line(OdDbLine::createObject().get());
  ASSERT_TRUE(line);
  EXPECT_EQ(line->numRefs(), 1);
  OdSmartPtr<OdDbEntity> entity = OdSmartPtr<OdDbEntity>::fromObject(line.get());
  EXPECT_EQ(line->numRefs(), 2);
  EXPECT_TRUE(OdDbLine::cast(entity.get()));
  EXPECT_FALSE(OdDbDictionary::cast(line.get()));
  try {
    OdSmartPtr<OdDbDictionary>::fromObject(line.get());
    FAIL() << "converting a line to a dictionary must throw";
  } catch (const OdError& e) {
    EXPECT_EQ(e.code(), eNotThatKindOfClass);
  }
}

TEST(RxObject, ModuleClassesRegisterOnceAndUnregisterOnce) {
  EXPECT_EQ(Probe::desc(), nullptr);
  Probe::rxInit();
  ASSERT_NE(Probe::desc(), nullptr);
  EXPECT_EQ(Probe::desc()->name(), OdString("Probe"));
  OdRxObjectPtr made = Probe::desc()->create();
  EXPECT_TRUE(made->isKindOf(Probe::desc()));
  EXPECT_EQ(made->numRefs(), 1);
  try {
    newOdRxClass(OdString("Probe"), OdRxObject::desc());
    FAIL() << "a second registration must throw";
  } catch (const OdError& e) {
    EXPECT_EQ(e.code(), eAlreadyRegistered);
    EXPECT_EQ(static_cast<int>(e.code()), 313);
  }
  OdRxClass* cls = Probe::desc();
  cls->addRef();  // keep the record alive to unregister it a second time
  Probe::rxUninit();
  EXPECT_EQ(odrxGetClass(OdString("Probe")), nullptr);
  try {
    deleteOdRxClass(cls);
    FAIL() << "unregistering an unregistered class must throw";
  } catch (const OdError& e) {
    EXPECT_EQ(static_cast<int>(e.code()), 255);
  }
  cls->release();
}

}  // namespace
