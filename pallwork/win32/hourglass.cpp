#include "pallwork/win32/hourglass.h"

#include <cassert>
#include <cstdint>

namespace {

constexpr WORD kWaitCursorId = 32514; // IDC_WAIT

std::int32_t nestingCount = 0;
HCURSOR cursorBeforeWait = nullptr; // not owned: system and class cursors are shared

} // namespace

pwHourglass::pwHourglass() {
  if (nestingCount == 0)
    cursorBeforeWait = SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(kWaitCursorId)));
  ++nestingCount;
}

pwHourglass::~pwHourglass() {
  assert(nestingCount > 0);
  if (nestingCount-- == 1)
    SetCursor(cursorBeforeWait);
}
