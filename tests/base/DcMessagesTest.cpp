#include "DcMessages.h"

#include <gtest/gtest.h>

using namespace dwgcompare;

TEST(DcMessagesTest, FillsPlaceholdersInOrder) {
  EXPECT_EQ(dcFormatMessage(kMsgFile1HasBlock, {"BLOCK 1(FILE 1)", "BLOCK 1(FILE 1)_1"}),
            OdString("\nFile 1 already contains block \"BLOCK 1(FILE 1)\" - using \"BLOCK 1(FILE 1)_1\""));
  EXPECT_EQ(dcFormatMessage(kMsgResultNameNumbered, {"plan", "plan", "1"}), OdString("Result of comparing_plan and plan (1)"));
  // Missing values leave their placeholders, so a mistake shows instead of crashing.
  EXPECT_EQ(dcFormatMessage(kMsgResultName, {"a"}), OdString("Result of comparing_a and %s"));
  EXPECT_TRUE(dcMessage(9999).isEmpty());
}
