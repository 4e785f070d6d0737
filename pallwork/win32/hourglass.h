#pragma once

#include <windows.h>

// Shows the wait cursor while it exists. Guards nest: only the outermost one
// changes the cursor, and its end brings back the cursor it replaced.
class pwHourglass {
public:
  pwHourglass();
  ~pwHourglass();
  pwHourglass(const pwHourglass &) = delete;
  pwHourglass &operator=(const pwHourglass &) = delete;
};
