#pragma once

#include "OdResult.h"
#include "RxObject.h"

#include <memory>
#include <vector>

class OdRxOverrule;
using OdRxOverrulePtr = OdSmartPtr<OdRxOverrule>;

// Changes what the objects of a class do, from outside the class. An
// overrule kind (OdGiDrawableOverrule, OdDbHighlightOverrule) declares the
// calls it can take over; overrules of a kind registered for a class apply
// to the class and all its subclasses and run as a chain: each may pass the
// call on to the next, and past the last the object does its own work.
//
// Order of a chain for an object: the overrules registered for its own
// class first, then those of its parent, and so on up; within one class in
// registration order, where adding at last appends and otherwise prepends.
class OdRxOverrule : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdRxOverrule);

 public:
  // Whether this overrule takes part for subject; one that answers false is skipped.
  virtual bool isApplicable(const OdRxObject* subject) const;

  // Registers overrule for cls; eDuplicateKey when it is already registered
  // there (nothing changes), eInvalidInput for a null argument.
  static OdResult addOverrule(OdRxClass* cls, OdRxOverrule* overrule, bool addAtLast = false);
  // eKeyNotFound when it was not registered for cls.
  static OdResult removeOverrule(OdRxClass* cls, OdRxOverrule* overrule);
  // Whether an overrule of overruleClass (or a subclass) applies to objects
  // of subjectClass, registered for it or one of its parents.
  static bool hasOverrule(OdRxClass* subjectClass, OdRxClass* overruleClass);
  // Switches all overrules on or off at once; on until switched off.
  static void setIsOverruling(bool on);
  static bool isOverruling();

  // The overrules of kind that apply to objects of subjectClass, in the order
  // they run (before their applicability tests); null when there are none.
  // A chain stays as it is while it is held, whatever is added or removed.
  using Chain = std::vector<OdRxOverrulePtr>;
  static std::shared_ptr<const Chain> chain(const OdRxClass* subjectClass, const OdRxClass* kind);
};

// A call being routed through the overrules of one kind for one object, on
// this thread. Started by the library's entry points; the default
// implementations of an overrule kind find it to call the next overrule.
class OdRxOverruleDispatch {
 public:
  OdRxOverruleDispatch(const OdRxObject* subject, const OdRxClass* kind);
  ~OdRxOverruleDispatch();
  OdRxOverruleDispatch(const OdRxOverruleDispatch&) = delete;
  OdRxOverruleDispatch& operator=(const OdRxOverruleDispatch&) = delete;

  // The innermost dispatch on this thread of kind for subject, or null.
  static OdRxOverruleDispatch* find(const OdRxObject* subject, const OdRxClass* kind);
  // No overrule applies to the subject's class.
  bool empty() const { return !m_chain; }

  // Makes the next applicable overrule the running one while it lives.
  class Step {
   public:
    explicit Step(OdRxOverruleDispatch* dispatch);
    ~Step();
    Step(const Step&) = delete;
    Step& operator=(const Step&) = delete;
    // Null past the last overrule (or without a dispatch): the object's own work comes next.
    OdRxOverrule* overrule() const;

   private:
    OdRxOverruleDispatch* m_dispatch;
    long m_previous = 0;
  };

 private:
  long nextApplicable(long after) const;

  const OdRxObject* m_subject;
  const OdRxClass* m_kind;
  std::shared_ptr<const OdRxOverrule::Chain> m_chain;
  long m_running = -1;  // index of the running overrule; -1 before the first, the chain size after the last
  OdRxOverruleDispatch* m_outer;
};

enum class OdRxOverruleRoute {
  kStart,  // an entry point of the library: from the first overrule
  kNext,   // an overrule passing the call on: from the one after the running one
};

// Routes a call of overrule kind Kind for subject: call(overrule) runs an
// overrule, own() the object's own work once no overrule is left.
template <class Kind, class Call, class Own>
auto odrxRouteOverrule(OdRxOverruleRoute route, const OdRxObject* subject, Call&& call, Own&& own) -> decltype(own()) {
  if (route == OdRxOverruleRoute::kStart) {
    if (!subject || !OdRxOverrule::isOverruling()) return own();
    OdRxOverruleDispatch dispatch(subject, Kind::desc());
    if (dispatch.empty()) return own();
    return odrxRouteOverrule<Kind>(OdRxOverruleRoute::kNext, subject, call, own);
  }
  OdRxOverruleDispatch::Step step(OdRxOverruleDispatch::find(subject, Kind::desc()));
  if (!step.overrule()) return own();
  return call(static_cast<Kind*>(step.overrule()));
}
