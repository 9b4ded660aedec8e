#include "ProgressBar.h"

#include <gtest/gtest.h>
#include <unistd.h>

TEST(ProgressBarTest, SilentWhenStandardErrorIsNotATerminal) {
  if (::isatty(STDERR_FILENO)) GTEST_SKIP() << "standard error is a terminal";
  testing::internal::CaptureStderr();
  {
    ProgressBar bar;
    bar.start("Comparing", 10, 0);
    bar.step();
    bar.setText("Painting");
    bar.finish();
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(ProgressBarTest, PositionStaysInTheRange) {
  ProgressBar bar;
  EXPECT_FALSE(bar.isActive());
  bar.start("Comparing", 4, 0);
  EXPECT_TRUE(bar.isActive());
  bar.step(3);
  EXPECT_EQ(bar.position(), 3);
  bar.step(5);
  EXPECT_EQ(bar.position(), 4);
  bar.finish();
  EXPECT_FALSE(bar.isActive());
  bar.step();
  EXPECT_EQ(bar.position(), 4);
}
