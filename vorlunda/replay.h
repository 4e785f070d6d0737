#pragma once

#include "vorlunda/memdrawtarget.h"
#include "vorlunda/picturerecord.h"

#include <memory>

// Draws a recorded picture again at width × height (the recorded size when
// either is 0): each area scaled to the new picture, its group's fractals
// built from their recorded states and fitted to the scaled area, with as
// many points as the area's new pixels need for the same density. At the
// recorded size the pixels are the ones the record's program drew, but for
// the information line's rows, which stay black. The record must have been
// read by ParseRecord.
std::unique_ptr<vMemoryDrawTarget> Replay(const vPictureRecord &record, int width, int height);
