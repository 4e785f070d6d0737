// Pixel writes straight onto the window against the DIB backing store that
// is presented once a display frame. Run on a 1920 × 1080 screen.
#include "foundation/random.h"
#include "ifs/guifractal.h"
#include "ifs/memsurface.h"
#include "ifs/win32/display.h"
#include "ifs/win32/gdisurface.h"
#include "stopwatch.h"

#include <windows.h>

#include <cstdio>

namespace {

constexpr int kSteps = 3000; // batches of 100 points
constexpr int kBlits = 50;

HWND CreateScreenWindow(int width, int height) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = "ifsBenchWindow";
  RegisterClassA(&windowClass);
  HWND window =
      CreateWindowExA(WS_EX_TOPMOST, windowClass.lpszClassName, "bench", WS_POPUP | WS_VISIBLE, 0,
                      0, width, height, nullptr, nullptr, windowClass.hInstance, nullptr);
  UpdateWindow(window);
  return window;
}

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
    DispatchMessageA(&message);
}

void BuildFractal(ifsGuiFractal &fractal, const ifsSurface &surface, int width, int height) {
  SeedRandom(4711);
  fractal.Reset(width, height);
  fractal.BuildRandom(ifsRuleSystem::Linear, 3, 3, 200, true, ifsColourSystem::Solid);
  fractal.ComputeBounds(10000, AspectRatio(surface, width, height));
  fractal.ApplyScaling(0.0, 1.0, 1.0);
  fractal.Prepare(surface, width, height, 0, 0);
}

// The same points, each written with SetPixel on the window's device context.
double SetPixelNanosecondsPerPoint(HWND window, int width, int height) {
  ifsMemorySurface facts(1, 1);
  ifsGuiFractal fractal;
  BuildFractal(fractal, facts, width, height);
  const ifsRgb colour = fractal.Colour();
  HDC dc = GetDC(window);
  ifsPoint points[kBatchPoints];
  const Stopwatch watch;
  for (int step = 0; step < kSteps; ++step) {
    fractal.Iterate(kBatchPoints, points);
    for (const ifsPoint &point : points) {
      const ifsPixel pixel = fractal.ToPixel(point);
      if (pixel.x >= 0 && pixel.x < width && pixel.y >= 0 && pixel.y < height)
        SetPixel(dc, pixel.x, pixel.y, RGB(colour.red, colour.green, colour.blue));
    }
  }
  GdiFlush();
  const double elapsed = watch.Microseconds();
  ReleaseDC(window, dc);
  return 1000.0 * elapsed / (static_cast<double>(kSteps) * kBatchPoints);
}

// DrawStep into the DIB section, presented at most once a frame, and once
// more at the end so the window shows everything.
double DibNanosecondsPerPoint(HWND window, int width, int height) {
  ifsGdiSurface surface;
  if (surface.Create(window, width, height).Failed())
    return -1.0;
  ifsGuiFractal fractal;
  BuildFractal(fractal, surface, width, height);
  const Stopwatch watch;
  for (int step = 0; step < kSteps; ++step)
    fractal.DrawStep(surface);
  surface.Present();
  return 1000.0 * watch.Microseconds() / (static_cast<double>(kSteps) * kBatchPoints);
}

double MemoryNanosecondsPerPoint(int width, int height) {
  ifsMemorySurface surface(width, height);
  ifsGuiFractal fractal;
  BuildFractal(fractal, surface, width, height);
  const Stopwatch watch;
  for (int step = 0; step < kSteps; ++step)
    fractal.DrawStep(surface);
  return 1000.0 * watch.Microseconds() / (static_cast<double>(kSteps) * kBatchPoints);
}

double WholeWindowBlitMicroseconds(HWND window, int width, int height) {
  ifsGdiSurface surface;
  if (surface.Create(window, width, height).Failed())
    return -1.0;
  const Stopwatch watch;
  for (int i = 0; i < kBlits; ++i) {
    surface.MarkAllDirty();
    surface.Present();
  }
  return watch.Microseconds() / kBlits;
}

} // namespace

int main() {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  HWND window = CreateScreenWindow(width, height);
  Pump();
  const double setPixel = SetPixelNanosecondsPerPoint(window, width, height);
  Pump();
  const double dib = DibNanosecondsPerPoint(window, width, height);
  Pump();
  const double memory = MemoryNanosecondsPerPoint(width, height);
  const double blit = WholeWindowBlitMicroseconds(window, width, height);
  std::printf("screen %d x %d, %d points, 3 Linear rules, Solid\n", width, height,
              kSteps * kBatchPoints);
  std::printf("SetPixel on the window DC: %8.1f ns/point  (%6.2f M points/s)\n", setPixel,
              1000.0 / setPixel);
  std::printf("DIB, presented per frame:  %8.1f ns/point  (%6.2f M points/s)\n", dib, 1000.0 / dib);
  std::printf("memory surface:            %8.1f ns/point  (%6.2f M points/s)\n", memory,
              1000.0 / memory);
  std::printf("DIB speed-up over SetPixel: %.1f x\n", setPixel / dib);
  std::printf("whole-window BitBlt:       %8.1f us\n", blit);
  // Leave without tearing the window down: unmapping is slow under Wine
  // and measures nothing.
  ExitProcess(0);
}
