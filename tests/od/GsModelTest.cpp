#include "GiPathNode.h"
#include "GsModel.h"

#include <gtest/gtest.h>

namespace {

OdDbStub* fakeId(int n) { return reinterpret_cast<OdDbStub*>(static_cast<intptr_t>(0x1000 * n)); }

TEST(GsModel, KeepsHighlightedPathsOnceEach) {
  OdGsModelPtr model = OdGsModel::createObject();
  OdGiPathNodeLink outer(fakeId(1));
  OdGiPathNodeLink inner(fakeId(2), nullptr, 0, &outer);
  model->highlight(inner);
  model->highlight(inner);
  ASSERT_EQ(model->highlightedPaths().size(), 1u);
  EXPECT_TRUE(model->isHighlighted(inner));
  EXPECT_FALSE(model->isHighlighted(outer));
  EXPECT_FALSE(model->isHighlighted(OdGiPathNodeLink(fakeId(2))));  // the same entity at top level
  const auto& nodes = model->highlightedPaths().front().nodes;
  ASSERT_EQ(nodes.size(), 2u);
  EXPECT_EQ(nodes[0].persistentId, fakeId(2));
  EXPECT_EQ(nodes[1].persistentId, fakeId(1));
  model->clearHighlights();
  EXPECT_FALSE(model->isHighlighted(inner));
}

TEST(GsModel, HighlightsPerViewOrForEveryView) {
  OdGsModelPtr model = OdGsModel::createObject();
  OdGiPathNodeLink node(fakeId(1));
  int view1 = 0, view2 = 0;
  model->highlight(node, true, &view1);
  EXPECT_TRUE(model->isHighlighted(node, &view1));
  EXPECT_FALSE(model->isHighlighted(node, &view2));
  EXPECT_FALSE(model->isHighlighted(node));
  model->highlight(node);
  EXPECT_TRUE(model->isHighlighted(node, &view2));
  model->highlight(node, false, &view1);
  EXPECT_TRUE(model->isHighlighted(node, &view1));  // still highlighted in every view
  model->highlight(node, false);
  EXPECT_FALSE(model->isHighlighted(node, &view1));
  EXPECT_TRUE(model->highlightedPaths().empty());
}

}  // namespace
