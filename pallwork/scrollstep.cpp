#include "pallwork/scrollstep.h"

namespace {

// 64 bits: a step past either end of the type must not wrap round.
std::int64_t UnclampedTarget(std::int32_t code, std::int64_t current, std::int32_t thumbPosition,
                             const pwScrollRange &range) {
  switch (static_cast<pwScrollCode>(code)) {
  case pwScrollCode::LineUp:
    return current - range.lineStep;
  case pwScrollCode::LineDown:
    return current + range.lineStep;
  case pwScrollCode::PageUp:
    return current - range.pageStep;
  case pwScrollCode::PageDown:
    return current + range.pageStep;
  case pwScrollCode::ThumbPosition:
  case pwScrollCode::ThumbTrack:
    return thumbPosition;
  case pwScrollCode::Top:
    return range.minimum;
  case pwScrollCode::Bottom:
    return range.maximum;
  default:
    return current;
  }
}

} // namespace

std::int32_t ScrollTarget(std::int32_t code, std::int32_t current, std::int32_t thumbPosition,
                          const pwScrollRange &range) {
  const std::int64_t target = UnclampedTarget(code, current, thumbPosition, range);
  if (target < range.minimum)
    return range.minimum;
  if (target > range.maximum)
    return range.maximum;
  return static_cast<std::int32_t>(target);
}
