#include "vorlunda/helptopics.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// A number given twice would open one of its pages for both windows; the
// windows without a topic must not open one through their 0.
TEST(HelpTopics, EachNumberOpensItsOwnPageAndNoneOpensNothing) {
  std::set<std::uint32_t> seen;
  for (const vHelpTopic &topic : kHelpTopics) {
    if (topic.context == 0) {
      EXPECT_EQ(topic.page, nullptr);
      continue;
    }
    EXPECT_TRUE(seen.insert(topic.context).second) << topic.context;
    EXPECT_STREQ(HelpPageOf(topic.context), topic.page) << topic.context;
  }
  EXPECT_EQ(seen.size(), 8u);
  EXPECT_EQ(HelpPageOf(0), nullptr);
  EXPECT_EQ(HelpPageOf(255), nullptr);
  EXPECT_EQ(HelpPageOf(264), nullptr);
}

} // namespace
