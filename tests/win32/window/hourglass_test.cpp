#include "pallwork/win32/hourglass.h"

#include <gtest/gtest.h>

namespace {

HCURSOR SystemCursor(const char *id) { return LoadCursorA(nullptr, id); }

TEST(Hourglass, OnlyTheOutermostGuardChangesTheCursor) {
  HCURSOR cross = SystemCursor(MAKEINTRESOURCEA(32515)); // IDC_CROSS
  HCURSOR arrow = SystemCursor(MAKEINTRESOURCEA(32512)); // IDC_ARROW
  HCURSOR wait = SystemCursor(MAKEINTRESOURCEA(32514));  // IDC_WAIT
  ASSERT_NE(cross, wait);
  SetCursor(cross);
  {
    pwHourglass outer;
    EXPECT_EQ(GetCursor(), wait);
    SetCursor(arrow); // e.g. a dialog shown while waiting
    {
      pwHourglass inner;
      EXPECT_EQ(GetCursor(), arrow);
    }
    EXPECT_EQ(GetCursor(), arrow);
  }
  EXPECT_EQ(GetCursor(), cross);

  // The count is back at zero: the next guard shows the wait cursor again.
  {
    pwHourglass again;
    EXPECT_EQ(GetCursor(), wait);
  }
  EXPECT_EQ(GetCursor(), cross);
}

} // namespace
