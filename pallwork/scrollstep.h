#pragma once

#include <cstdint>

// The scroll codes of a scroll bar's WM_HSCROLL and WM_VSCROLL, with the
// system's values.
enum class pwScrollCode : std::int32_t {
  LineUp = 0,
  LineDown = 1,
  PageUp = 2,
  PageDown = 3,
  ThumbPosition = 4,
  ThumbTrack = 5,
  Top = 6,
  Bottom = 7,
  EndScroll = 8,
};

struct pwScrollRange {
  std::int32_t minimum = 0;
  std::int32_t maximum = 100;
  std::int32_t lineStep = 1;
  std::int32_t pageStep = 10;
};

// Where a scroll bar goes for a scroll code: arrows move by the line step,
// the trough by the page step, the thumb to the given position; the result is
// kept in the range. Unknown codes stay at the current position.
std::int32_t ScrollTarget(std::int32_t code, std::int32_t current, std::int32_t thumbPosition,
                          const pwScrollRange &range);
