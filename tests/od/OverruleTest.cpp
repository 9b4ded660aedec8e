#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbFullSubentPath.h"
#include "DbHighlightOverrule.h"
#include "DbLine.h"
#include "GiDrawableOverrule.h"
#include "GiRecordingDraw.h"
#include "GsModel.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <future>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

std::vector<std::string> g_log;

// An entity that logs its own drawing and draws a circle.
class OvrTestEntity : public OdDbEntity {
  ODRX_DECLARE_MEMBERS(OvrTestEntity);

 public:
  std::string label = "e";
  bool subWorldDraw(OdGiWorldDraw* wd) const override {
    g_log.push_back("own:" + label);
    wd->geometry().circle(OdGePoint3d::kOrigin, 1, OdGeVector3d::kZAxis);
    return true;
  }
};
ODRX_DEFINE_MODULE_CLASS(OvrTestEntity, OdDbEntity, odrxNewReferenced<OvrTestEntity>)

class OvrTestSubEntity : public OvrTestEntity {
  ODRX_DECLARE_MEMBERS(OvrTestSubEntity);
};
ODRX_DEFINE_MODULE_CLASS(OvrTestSubEntity, OvrTestEntity, odrxNewReferenced<OvrTestSubEntity>)

// Logs its name for each drawable it draws, then passes the call on (or not).
class LoggingDrawOverrule : public OdGiDrawableOverrule {
 public:
  explicit LoggingDrawOverrule(std::string name) : m_name(std::move(name)) {}
  bool applicable = true;
  bool passOn = true;
  int passes = 1;                                       // how many times it calls the base
  std::function<void(const OdGiDrawable*, OdGiWorldDraw*)> before;  // drawn before passing on

  bool isApplicable(const OdRxObject*) const override { return applicable; }
  bool worldDraw(const OdGiDrawable* drawable, OdGiWorldDraw* wd) override {
    g_log.push_back(m_name + ":" + labelOf(drawable));
    if (before) before(drawable, wd);
    if (!passOn) return false;
    bool result = true;
    for (int i = 0; i < passes; ++i) result = OdGiDrawableOverrule::worldDraw(drawable, wd);
    return result;
  }

 private:
  static std::string labelOf(const OdGiDrawable* drawable) {
    auto entity = OvrTestEntity::cast(drawable->rxObject());
    return entity ? entity->label : "other";
  }
  std::string m_name;
};
using DrawOverrule = OdStaticRxObject<LoggingDrawOverrule>;

// Sets colour 5 over what the entity sets.
class RecolouringOverrule : public OdGiDrawableOverrule {
 public:
  uint32_t setAttributes(const OdGiDrawable* drawable, OdGiDrawableTraits* traits) override {
    uint32_t flags = OdGiDrawableOverrule::setAttributes(drawable, traits);
    static_cast<OdGiSubEntityTraits*>(traits)->setColor(5);
    return flags;
  }
};

// Keeps one entity from being highlighted or unhighlighted; passes the others on.
class OvrTestHighlightOverrule : public OdDbHighlightOverrule {
  ODRX_DECLARE_MEMBERS(OvrTestHighlightOverrule);

 public:
  const OdDbEntity* kept = nullptr;
  int calls = 0;
  void highlight(const OdDbEntity* entity, bool doIt, const OdDbFullSubentPath* subId, bool all) override {
    ++calls;
    if (entity == kept) return;
    OdDbHighlightOverrule::highlight(entity, doIt, subId, all);
  }
};
ODRX_DEFINE_MODULE_CLASS(OvrTestHighlightOverrule, OdDbHighlightOverrule, nullptr)

class OverruleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_log.clear();
    OvrTestEntity::rxInit();
    OvrTestSubEntity::rxInit();
    OvrTestHighlightOverrule::rxInit();
  }
  void TearDown() override {
    for (auto& [cls, overrule] : m_added) OdRxOverrule::removeOverrule(cls, overrule);
    OvrTestHighlightOverrule::rxUninit();
    OvrTestSubEntity::rxUninit();
    OvrTestEntity::rxUninit();
  }

  void add(OdRxClass* cls, OdRxOverrule* overrule, bool addAtLast = false) {
    ASSERT_EQ(OdRxOverrule::addOverrule(cls, overrule, addAtLast), eOk);
    m_added.emplace_back(cls, overrule);
  }

  template <class T>
  static OdSmartPtr<T> make(const char* label) {
    OdSmartPtr<T> entity = T::createObject();
    entity->label = label;
    return entity;
  }

  std::vector<std::string> draw(const OdGiDrawable* drawable) {
    g_log.clear();
    RecordingWorldDraw wd;
    drawable->worldDraw(&wd);
    return g_log;
  }

  std::vector<std::pair<OdRxClass*, OdRxOverrule*>> m_added;
  // Registered overrules must outlive their registration: members, removed in TearDown.
  DrawOverrule a{"A"}, b{"B"}, c{"C"}, d{"D"}, e{"E"};
  OdStaticRxObject<RecolouringOverrule> recolour;
};

using Log = std::vector<std::string>;

TEST_F(OverruleTest, SubclassOverrulesRunFirstThenThoseOfTheParents) {
  add(OdDbEntity::desc(), &a);
  add(OdDbEntity::desc(), &b, true);  // appended: after A
  add(OdDbEntity::desc(), &e);        // prepended: before A
  add(OvrTestEntity::desc(), &c);
  add(OvrTestSubEntity::desc(), &d);
  EXPECT_EQ(draw(make<OvrTestSubEntity>("s")), (Log{"D:s", "C:s", "E:s", "A:s", "B:s", "own:s"}));
  EXPECT_EQ(draw(make<OvrTestEntity>("t")), (Log{"C:t", "E:t", "A:t", "B:t", "own:t"}));
  OdDbLinePtr line = OdDbLine::createObject();
  EXPECT_EQ(draw(line), (Log{"E:other", "A:other", "B:other"}));
}

TEST_F(OverruleTest, RemovedOverrulesNoLongerRun) {
  add(OdDbEntity::desc(), &a);
  add(OdDbEntity::desc(), &b, true);
  add(OdDbEntity::desc(), &c, true);
  auto held = OdRxOverrule::chain(OvrTestEntity::desc(), OdGiDrawableOverrule::desc());
  EXPECT_EQ(OdRxOverrule::addOverrule(OdDbEntity::desc(), &a), eDuplicateKey);
  EXPECT_EQ(OdRxOverrule::removeOverrule(OdDbEntity::desc(), &b), eOk);
  EXPECT_EQ(OdRxOverrule::removeOverrule(OdDbEntity::desc(), &b), eKeyNotFound);
  EXPECT_EQ(OdRxOverrule::removeOverrule(OvrTestEntity::desc(), &a), eKeyNotFound);
  EXPECT_EQ(draw(make<OvrTestEntity>("t")), (Log{"A:t", "C:t", "own:t"}));
  EXPECT_EQ(held->size(), 3u);  // a chain taken before stays whole
  EXPECT_EQ(OdRxOverrule::addOverrule(nullptr, &a), eInvalidInput);
}

TEST_F(OverruleTest, InapplicableOverrulesAreSkipped) {
  add(OdDbEntity::desc(), &a, true);
  add(OdDbEntity::desc(), &b, true);
  add(OdDbEntity::desc(), &c, true);
  b.applicable = false;
  EXPECT_EQ(draw(make<OvrTestEntity>("t")), (Log{"A:t", "C:t", "own:t"}));
  a.applicable = c.applicable = false;
  EXPECT_EQ(draw(make<OvrTestEntity>("t")), (Log{"own:t"}));
  // The base called twice goes on from the same place.
  a.applicable = b.applicable = true;
  a.passes = 2;
  EXPECT_EQ(draw(make<OvrTestEntity>("t")), (Log{"A:t", "B:t", "own:t", "B:t", "own:t"}));
}

TEST_F(OverruleTest, CallingTheBaseReachesTheEntitysOwnDrawing) {
  add(OvrTestEntity::desc(), &a);
  auto entity = make<OvrTestEntity>("t");
  RecordingWorldDraw wd;
  EXPECT_TRUE(entity->worldDraw(&wd));
  EXPECT_EQ(g_log, (Log{"A:t", "own:t"}));
  EXPECT_EQ(wd.recorded.primitives, (Log{"circle"}));

  a.passOn = false;
  g_log.clear();
  RecordingWorldDraw instead;
  EXPECT_FALSE(entity->worldDraw(&instead));
  EXPECT_EQ(g_log, (Log{"A:t"}));
  EXPECT_TRUE(instead.recorded.primitives.empty());
}

TEST_F(OverruleTest, DrawingAnotherEntityInsideAnOverruleHasItsOwnChain) {
  auto inner = make<OvrTestEntity>("inner");
  a.before = [&](const OdGiDrawable* drawable, OdGiWorldDraw* wd) {
    if (drawable != inner.get()) inner->worldDraw(wd);
  };
  add(OdDbEntity::desc(), &a, true);
  add(OdDbEntity::desc(), &b, true);
  EXPECT_EQ(draw(make<OvrTestEntity>("outer")),
            (Log{"A:outer", "A:inner", "B:inner", "own:inner", "B:outer", "own:outer"}));
}

TEST_F(OverruleTest, SetAttributesGivesTheEntityPropertiesThenTheOverrules) {
  auto entity = make<OvrTestEntity>("t");
  entity->setColorIndex(1);
  entity->setLineWeight(static_cast<OdDb::LineWeight>(50));
  entity->setTransparency(OdCmTransparency(uint8_t(127)));
  RecordingTraits traits;
  EXPECT_EQ(entity->setAttributes(&traits), uint32_t(OdGiDrawable::kDrawableIsAnEntity));
  EXPECT_EQ(traits.color(), 1);
  EXPECT_EQ(traits.lineWeight(), 50);
  EXPECT_EQ(traits.transparency().alpha(), 127);

  add(OdDbEntity::desc(), &recolour);
  EXPECT_EQ(entity->setAttributes(&traits), uint32_t(OdGiDrawable::kDrawableIsAnEntity));
  EXPECT_EQ(traits.color(), 5);
  EXPECT_EQ(traits.lineWeight(), 50);
}

// Highlighting: entities in a database record their highlight in its graphics model.
class HighlightTest : public OverruleTest {
 protected:
  void SetUp() override {
    OverruleTest::SetUp();
    db = OdDbDatabase::create();
    OdDbBlockTableRecordPtr ms = OdDbBlockTableRecord::cast(db->getModelSpaceId().openObject(OdDb::kForWrite).get());
    for (OdDbLinePtr* line : {&first, &second}) {
      *line = OdDbLine::createObject();
      ms->appendOdDbEntity(line->get());
    }
  }
  bool isHighlighted(const OdDbEntity* entity) {
    return db->graphicsModel()->isHighlighted(OdGiPathNodeLink(entity->objectId().stub()));
  }

  OdDbDatabasePtr db;
  OdDbLinePtr first, second;
  OdStaticRxObject<OvrTestHighlightOverrule> keep;
};

TEST_F(HighlightTest, EntityHighlightGoesToTheGraphicsModel) {
  EXPECT_FALSE(isHighlighted(first));
  first->highlight();
  EXPECT_TRUE(isHighlighted(first));
  EXPECT_FALSE(isHighlighted(second));
  ASSERT_EQ(db->graphicsModel()->highlightedPaths().size(), 1u);
  first->highlight(false);
  EXPECT_FALSE(isHighlighted(first));
  EXPECT_TRUE(db->graphicsModel()->highlightedPaths().empty());
  // An entity outside a database highlights nothing.
  OdDbLine::createObject()->highlight();
  EXPECT_TRUE(db->graphicsModel()->highlightedPaths().empty());
}

TEST_F(HighlightTest, HighlightOverruleSuppressesAHighlight) {
  keep.kept = first.get();
  add(OdDbEntity::desc(), &keep);
  first->highlight();
  second->highlight();
  EXPECT_EQ(keep.calls, 2);
  EXPECT_FALSE(isHighlighted(first));
  EXPECT_TRUE(isHighlighted(second));

  // Unhighlighting is kept from it as well.
  keep.kept = nullptr;
  first->highlight();
  keep.kept = first.get();
  first->highlight(false);
  EXPECT_TRUE(isHighlighted(first));
}

TEST_F(HighlightTest, SubentityHighlightKeepsThePathAndThePart) {
  OdDbFullSubentPath path({second->objectId(), first->objectId()}, OdDbSubentId(OdDb::kEdgeSubentType, 3));
  first->highlight(true, &path);
  OdGiPathChain expected({second->objectId(), first->objectId()}, 3);
  EXPECT_TRUE(db->graphicsModel()->isHighlighted(*expected.innermost()));
  EXPECT_FALSE(isHighlighted(first));  // the whole entity is not
  const OdGsHighlightedPath& kept = db->graphicsModel()->highlightedPaths().front();
  ASSERT_EQ(kept.nodes.size(), 2u);
  EXPECT_EQ(kept.nodes[0].persistentId, first->objectId().stub());
  EXPECT_EQ(kept.nodes[1].persistentId, second->objectId().stub());
  EXPECT_EQ(kept.selectionMarker, 3);
}

}  // namespace

namespace {

// Counts the draws it takes part in; safe to share between threads.
class CountingOverrule : public OdGiDrawableOverrule {
 public:
  std::atomic<int> draws{0};
  bool worldDraw(const OdGiDrawable* drawable, OdGiWorldDraw* wd) override {
    ++draws;
    return OdGiDrawableOverrule::worldDraw(drawable, wd);
  }
};

TEST(OverruleThreads, EachThreadRoutesItsOwnCallsWhileOverrulesComeAndGo) {
  OdStaticRxObject<CountingOverrule> counting, coming;
  ASSERT_EQ(OdRxOverrule::addOverrule(OdDbEntity::desc(), &counting), eOk);
  std::atomic<bool> stop{false};
  std::thread churn([&] {
    while (!stop) {
      OdRxOverrule::addOverrule(OdDbLine::desc(), &coming, true);
      OdRxOverrule::removeOverrule(OdDbLine::desc(), &coming);
    }
  });
  auto drawMany = [] {
    OdDbLinePtr line = OdDbLine::createObject();
    RecordingWorldDraw wd;
    for (int i = 0; i < 2000; ++i) line->worldDraw(&wd);
    return wd.recorded.primitives.size();
  };
  auto other = std::async(std::launch::async, drawMany);
  size_t drawnHere = drawMany();
  size_t drawnThere = other.get();
  stop = true;
  churn.join();
  EXPECT_EQ(OdRxOverrule::removeOverrule(OdDbEntity::desc(), &counting), eOk);
  EXPECT_EQ(counting.draws, 4000);
  EXPECT_EQ(drawnHere, drawnThere);  // every draw reached the line's own drawing
}

}  // namespace
