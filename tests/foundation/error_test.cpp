#include "foundation/error.h"

#include <gtest/gtest.h>

namespace {

TEST(Error, SeveritiesBelowErrorCountAsSuccess) {
  const struct {
    std::int32_t severity;
    bool succeeded;
  } cases[] = {{kSeverityOk, true},
               {kSeverityInfo, true},
               {kSeverityWarning, true},
               {kSeverityError, false},
               {kSeverityFatal, false}};
  for (const auto &c : cases) {
    const Error e(c.severity, "message");
    EXPECT_EQ(c.succeeded, e.Succeeded()) << c.severity;
    EXPECT_EQ(!c.succeeded, e.Failed()) << c.severity;
    EXPECT_EQ(0, e.Code());
  }
}

TEST(Error, DefaultIsOkWithoutMessage) {
  const Error ok;
  EXPECT_EQ(kSeverityOk, ok.Severity());
  EXPECT_TRUE(ok.Message().IsEmpty());
  EXPECT_EQ(0, ok.Code());

  const Error made = MakeError("Scheme syntax version is unrecognized", 1);
  EXPECT_EQ(kSeverityError, made.Severity());
  EXPECT_EQ(1, made.Code());
  EXPECT_STREQ("Scheme syntax version is unrecognized", made.Message());
}

TEST(Error, MergeKeepsTheFirstOfEqualSeverity) {
  Error running;
  running.Merge(Error(kSeverityWarning, "first warning", 7));
  running.Merge(Error(kSeverityWarning, "second warning", 8));
  running.Merge(Error(kSeverityInfo, "info"));
  EXPECT_STREQ("first warning", running.Message());
  EXPECT_EQ(7, running.Code());

  running.Merge(Error(kSeverityError, "failure"));
  EXPECT_EQ(kSeverityError, running.Severity());
  EXPECT_STREQ("failure", running.Message());
  EXPECT_EQ(0, running.Code());
}

} // namespace
