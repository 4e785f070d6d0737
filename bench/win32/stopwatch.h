#pragma once

#include <windows.h>

// Elapsed time from construction (or the last Restart), from the
// performance counter.
class Stopwatch {
public:
  Stopwatch() {
    QueryPerformanceFrequency(&frequency_);
    Restart();
  }
  void Restart() { QueryPerformanceCounter(&start_); }
  double Microseconds() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1e6 * static_cast<double>(now.QuadPart - start_.QuadPart) / frequency_.QuadPart;
  }

private:
  LARGE_INTEGER frequency_, start_;
};
