#include "RxOverrule.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>
#include <shared_mutex>
#include <utility>

ODRX_DEFINE_NAMED(OdRxOverrule, "OdRxOverrule", OdRxObject, "", nullptr)

namespace {

using Chain = OdRxOverrule::Chain;
using ChainPtr = std::shared_ptr<const Chain>;

// The overrules registered for one class; holds the class so that its
// address stays its own while overrules or chains refer to it.
struct Registration {
  OdSmartPtr<OdRxClass> cls;
  Chain overrules;
};

struct CachedChain {
  OdSmartPtr<OdRxClass> subjectClass;
  ChainPtr chain;
};

class OverruleRegistry {
 public:
  OdResult add(OdRxClass* cls, OdRxOverrule* overrule, bool addAtLast);
  OdResult remove(OdRxClass* cls, OdRxOverrule* overrule);
  ChainPtr chain(const OdRxClass* subjectClass, const OdRxClass* kind);

 private:
  using CacheKey = std::pair<const OdRxClass*, const OdRxClass*>;
  ChainPtr build(const OdRxClass* subjectClass, const OdRxClass* kind) const;
  // Empties the cache into released, so that what it held is let go outside the lock.
  void invalidate(std::map<CacheKey, CachedChain>& released) { released.swap(m_cache); }

  std::shared_mutex m_mutex;
  std::map<const OdRxClass*, Registration> m_byClass;
  std::map<CacheKey, CachedChain> m_cache;
  std::atomic<size_t> m_count{0};  // registrations, for a lock-free answer when there are none
};

OdResult OverruleRegistry::add(OdRxClass* cls, OdRxOverrule* overrule, bool addAtLast) {
  if (!cls || !overrule) return eInvalidInput;
  std::map<CacheKey, CachedChain> released;
  std::unique_lock lock(m_mutex);
  Registration& reg = m_byClass[cls];
  reg.cls = cls;
  if (std::find(reg.overrules.begin(), reg.overrules.end(), overrule) != reg.overrules.end()) return eDuplicateKey;
  reg.overrules.insert(addAtLast ? reg.overrules.end() : reg.overrules.begin(), OdRxOverrulePtr(overrule));
  ++m_count;
  invalidate(released);
  return eOk;
}

OdResult OverruleRegistry::remove(OdRxClass* cls, OdRxOverrule* overrule) {
  // Declared before the lock: an overrule or class let go here may be deleted, and its
  // destructor may call back, only once the lock is released.
  OdRxOverrulePtr removed;
  Registration emptied;
  std::map<CacheKey, CachedChain> released;
  std::unique_lock lock(m_mutex);
  auto reg = m_byClass.find(cls);
  if (reg == m_byClass.end()) return eKeyNotFound;
  Chain& list = reg->second.overrules;
  auto it = std::find(list.begin(), list.end(), overrule);
  if (it == list.end()) return eKeyNotFound;
  removed = *it;
  list.erase(it);
  if (list.empty()) {
    emptied = std::move(reg->second);
    m_byClass.erase(reg);
  }
  --m_count;
  invalidate(released);
  return eOk;
}

ChainPtr OverruleRegistry::chain(const OdRxClass* subjectClass, const OdRxClass* kind) {
  if (!subjectClass || !kind || m_count.load(std::memory_order_acquire) == 0) return nullptr;
  CacheKey key(subjectClass, kind);
  {
    std::shared_lock lock(m_mutex);
    auto it = m_cache.find(key);
    if (it != m_cache.end()) return it->second.chain;
  }
  std::unique_lock lock(m_mutex);
  CachedChain& entry = m_cache[key];
  if (!entry.subjectClass) entry = CachedChain{OdSmartPtr<OdRxClass>(subjectClass), build(subjectClass, kind)};
  return entry.chain;
}

ChainPtr OverruleRegistry::build(const OdRxClass* subjectClass, const OdRxClass* kind) const {
  auto chain = std::make_shared<Chain>();
  for (const OdRxClass* cls = subjectClass; cls; cls = cls->myParent()) {
    auto reg = m_byClass.find(cls);
    if (reg == m_byClass.end()) continue;
    for (const OdRxOverrulePtr& overrule : reg->second.overrules) {
      const OdRxClass* overruleClass = overrule->isA();  // null once a module unregistered it
      if (overruleClass && overruleClass->isDerivedFrom(kind)) chain->push_back(overrule);
    }
  }
  return chain->empty() ? nullptr : ChainPtr(std::move(chain));
}

// Never destroyed: overrules made by modules may be gone before static destruction.
OverruleRegistry& registry() {
  static auto* instance = new OverruleRegistry;
  return *instance;
}

std::atomic<bool> g_overruling{true};
thread_local OdRxOverruleDispatch* t_innermost = nullptr;

}  // namespace

bool OdRxOverrule::isApplicable(const OdRxObject*) const { return true; }

OdResult OdRxOverrule::addOverrule(OdRxClass* cls, OdRxOverrule* overrule, bool addAtLast) {
  return registry().add(cls, overrule, addAtLast);
}

OdResult OdRxOverrule::removeOverrule(OdRxClass* cls, OdRxOverrule* overrule) {
  return registry().remove(cls, overrule);
}

bool OdRxOverrule::hasOverrule(OdRxClass* subjectClass, OdRxClass* overruleClass) {
  return chain(subjectClass, overruleClass) != nullptr;
}

void OdRxOverrule::setIsOverruling(bool on) { g_overruling.store(on); }

bool OdRxOverrule::isOverruling() { return g_overruling.load(std::memory_order_relaxed); }

std::shared_ptr<const OdRxOverrule::Chain> OdRxOverrule::chain(const OdRxClass* subjectClass, const OdRxClass* kind) {
  return registry().chain(subjectClass, kind);
}

OdRxOverruleDispatch::OdRxOverruleDispatch(const OdRxObject* subject, const OdRxClass* kind)
    : m_subject(subject),
      m_kind(kind),
      m_chain(subject ? OdRxOverrule::chain(subject->isA(), kind) : nullptr),
      m_outer(t_innermost) {
  t_innermost = this;
}

OdRxOverruleDispatch::~OdRxOverruleDispatch() { t_innermost = m_outer; }

OdRxOverruleDispatch* OdRxOverruleDispatch::find(const OdRxObject* subject, const OdRxClass* kind) {
  for (OdRxOverruleDispatch* d = t_innermost; d; d = d->m_outer)
    if (d->m_subject == subject && d->m_kind == kind) return d;
  return nullptr;
}

long OdRxOverruleDispatch::nextApplicable(long after) const {
  long size = m_chain ? static_cast<long>(m_chain->size()) : 0;
  for (long i = after + 1; i < size; ++i)
    if ((*m_chain)[i]->isApplicable(m_subject)) return i;
  return size;
}

OdRxOverruleDispatch::Step::Step(OdRxOverruleDispatch* dispatch) : m_dispatch(dispatch) {
  if (!m_dispatch) return;
  m_previous = m_dispatch->m_running;
  m_dispatch->m_running = m_dispatch->nextApplicable(m_previous);
}

OdRxOverruleDispatch::Step::~Step() {
  if (m_dispatch) m_dispatch->m_running = m_previous;
}

OdRxOverrule* OdRxOverruleDispatch::Step::overrule() const {
  if (!m_dispatch || !m_dispatch->m_chain) return nullptr;
  long running = m_dispatch->m_running;
  return running < static_cast<long>(m_dispatch->m_chain->size()) ? (*m_dispatch->m_chain)[running].get() : nullptr;
}
