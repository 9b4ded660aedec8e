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
