#include "HostGsView.h"

#include <gtest/gtest.h>

namespace {

void expectPixel(const OdGePoint2d& actual, double x, double y) {
  EXPECT_NEAR(actual.x, x, 1e-9);
  EXPECT_NEAR(actual.y, y, 1e-9);
}

TEST(HostGsView, ZoomExtentsCentresTheBoxWithAMarginAndKeepsItsAspect) {
  HostGsView view;
  view.zoomExtents(OdGeExtents3d({10, 20, 0}, {110, 70, 5}));
  EXPECT_NEAR(view.center().x, 60, 1e-9);
  EXPECT_NEAR(view.center().y, 45, 1e-9);
  EXPECT_NEAR(view.width(), 105, 1e-9);
  EXPECT_NEAR(view.height(), 52.5, 1e-9);
  // On a square surface the width decides; y runs down the pixels.
  HostViewTransform t = view.transform(210, 210);
  EXPECT_NEAR(t.scale, 2, 1e-9);
  expectPixel(t.toPixel(OdGePoint3d(60, 45, 0)), 105, 105);
  expectPixel(t.toPixel(OdGePoint3d(10, 70, 0)), 5, 55);
}

TEST(HostGsView, WorldPointIsWhatLandsOnThePixel) {
  HostGsView view;
  view.zoomExtents(OdGeExtents3d({10, 20, 0}, {110, 70, 5}));
  view.zoom(3, OdGePoint2d(50, 40), 400, 300);
  view.pan(-20, 15, 400, 300);
  OdGePoint3d centre = view.worldPoint(OdGePoint2d(200, 150), 400, 300);
  EXPECT_NEAR(centre.x, view.center().x, 1e-9);
  EXPECT_NEAR(centre.y, view.center().y, 1e-9);
  EXPECT_EQ(centre.z, 0);
  OdGePoint3d click = view.worldPoint(OdGePoint2d(37, 251), 400, 300);
  expectPixel(view.transform(400, 300).toPixel(click), 37, 251);
}

TEST(HostGsView, DegenerateAndInvalidExtents) {
  HostGsView view;
  view.zoomExtents(OdGeExtents3d({0, 0, 0}, {100, 0, 0}));  // a horizontal line
  EXPECT_NEAR(view.height(), view.width(), 1e-9);
  view.zoomExtents(OdGeExtents3d({5, 5, 0}, {5, 5, 0}));  // a point
  EXPECT_GT(view.width(), 0);
  EXPECT_NEAR(view.center().x, 5, 1e-9);
  HostGsView unchanged = view;
  view.zoomExtents(OdGeExtents3d());
  EXPECT_EQ(view.center(), unchanged.center());
  EXPECT_EQ(view.width(), unchanged.width());
}

TEST(HostGsView, ZoomKeepsThePointUnderTheMouse) {
  HostGsView view;
  view.zoomExtents(OdGeExtents3d({0, 0, 0}, {100, 100, 0}));
  OdGePoint2d mouse(30, 170);
  OdGePoint2d before = view.transform(400, 200).toWorld(mouse);
  view.zoom(2, mouse, 400, 200);
  expectPixel(view.transform(400, 200).toWorld(mouse), before.x, before.y);
  EXPECT_NEAR(view.transform(400, 200).scale, 2 * 200 / 105.0, 1e-9);
  view.zoom(0, mouse, 400, 200);  // no factor: nothing happens
  EXPECT_NEAR(view.transform(400, 200).scale, 2 * 200 / 105.0, 1e-9);
}

}  // namespace
