#pragma once

#include "pallwork/win32/control.h"

#include <cstdint>

// A scroll-bar control that steps itself: arrows by the line step, the
// trough by the page step, clamped to its range.
class pwScrollbar : public pwControl {
public:
  using pwControl::pwControl;

  void OnScroll(UINT message, int scrollCode, int position) override;

  void SetRange(std::int32_t minimum, std::int32_t maximum, std::int32_t lineStep,
                std::int32_t pageStep);
  int Position() const;
  void SetPosition(int position, bool redraw = true);

private:
  std::int32_t minimum_ = 0;
  std::int32_t maximum_ = 100;
  std::int32_t lineStep_ = 1;
  std::int32_t pageStep_ = 10;
};
