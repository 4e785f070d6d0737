#include "pallwork/msgbox.h"

#include "tests/pallwork/support/fakeplatform.h"

#include <gtest/gtest.h>

namespace {

TEST(ErrorBoxIcon, FollowsTheSeverity) {
  EXPECT_EQ(ErrorBoxIcon(-1), kErrorBoxNoIcon);
  EXPECT_EQ(ErrorBoxIcon(kSeverityOk), kErrorBoxNoIcon);
  EXPECT_EQ(ErrorBoxIcon(kSeverityInfo), 0x40u);
  EXPECT_EQ(ErrorBoxIcon(kSeverityWarning), 0x30u);
  EXPECT_EQ(ErrorBoxIcon(kSeverityError), 0x10u);
  EXPECT_EQ(ErrorBoxIcon(kSeverityFatal), 0x10u);
  EXPECT_EQ(ErrorBoxIcon(9), 0x10u);
}

TEST(ShowErrorBox, ShowsOnlyTheMessageUnderTheCallersCaption) {
  ScopedFakePlatform platform;
  const pwWindowHandle owner = FakePlatform::Handle(4242);
  ShowErrorBox(owner, "Error", Error());
  ShowErrorBox(owner, "Error", Error(-2, "negative"));
  EXPECT_TRUE(platform->messageBoxes.empty());

  ShowErrorBox(owner, "Warning", Error(kSeverityWarning, "Scheme 'X' was skipped", 17));
  ShowErrorBox(nullptr, "Error storing configuration", Error(kSeverityFatal, "disk on fire"));
  ASSERT_EQ(platform->messageBoxes.size(), 2u);
  const FakePlatform::MessageBoxCall &warning = platform->messageBoxes[0];
  EXPECT_EQ(warning.owner, owner);
  EXPECT_EQ(warning.text, "Scheme 'X' was skipped");
  EXPECT_EQ(warning.caption, "Warning");
  EXPECT_EQ(warning.icon, kErrorBoxExclamationIcon);
  EXPECT_EQ(platform->messageBoxes[1].icon, kErrorBoxStopIcon);
  EXPECT_EQ(platform->messageBoxes[1].owner, nullptr);
}

} // namespace
