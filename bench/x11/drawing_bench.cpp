// The X11 drawing path against the bare chaos loop, in one run: a fixed
// fractal's drawing steps into the client-side image of a 1920 × 1080 window,
// put at display rate through shared memory and through the connection.
// Then, from saver processes of their own: the processor time of a wait
// between groups, and the time from SIGTERM to the end of the process,
// while drawing and while waiting.
//   xvfb-run -s "-screen 0 1920x1080x24" build/native/bench_x11_drawing_bench
#include "bench/support/barechaos.h"
#include "foundation/random.h"
#include "ifs/guifractal.h"
#include "ifs/memsurface.h"
#include "vorlunda/config.h"
#include "vorlunda/xsaver/x11/stopsignal.h"
#include "vorlunda/xsaver/x11/xsaver.h"

#include <X11/Xlib.h>
#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kRuleCount = 3;
constexpr std::int32_t kWaitSeconds = 10;

// The same fractal's drawing steps into plain memory: the engine's own cost,
// which the X11 path adds its puts to.
void MemoryDrawStep(benchmark::State &state);

// A fixed three-rule fractal fitted to the surface, as the factory prepares one.
void BuildFractal(ifsGuiFractal &fractal, const ifsSurface &surface) {
  SeedRandom(4711);
  fractal.Reset(surface.Width(), surface.Height());
  fractal.BuildRandom(ifsRuleSystem::Linear, kRuleCount, kRuleCount, 200, true,
                      ifsColourSystem::Solid);
  fractal.ComputeBounds(10000, AspectRatio(surface, surface.Width(), surface.Height()));
  fractal.ApplyScaling(0.0, 1.0, 1.0);
  fractal.Prepare(surface, surface.Width(), surface.Height(), 0, 0);
}

void BareChaosGame(benchmark::State &state) {
  ifsMemorySurface surface(kWidth, kHeight);
  ifsGuiFractal fractal;
  BuildFractal(fractal, surface);
  BareChaosLoop loop(fractal, kRuleCount, surface);
  for (auto _ : state) {
    loop.Batch();
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kBatchPoints);
}

// Held open for the whole run: an X server without -noreset starts afresh
// when its last client leaves, and refuses connections meanwhile.
Display *SharedDisplay() {
  static Display *const display = XOpenDisplay(nullptr);
  return display;
}

bool HasDisplay() { return SharedDisplay() != nullptr; }

void MemoryDrawStep(benchmark::State &state) {
  ifsMemorySurface surface(kWidth, kHeight);
  ifsGuiFractal fractal;
  BuildFractal(fractal, surface);
  for (auto _ : state)
    fractal.DrawStep(surface);
  state.SetItemsProcessed(state.iterations() * kBatchPoints);
}

Window OpenWindow(Display *display) {
  const int screen = DefaultScreen(display);
  const Window window =
      XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, kWidth, kHeight, 0,
                          BlackPixel(display, screen), BlackPixel(display, screen));
  XMapWindow(display, window);
  XSync(display, False);
  return window;
}

void X11DrawStep(benchmark::State &state) {
  Display *display = SharedDisplay();
  if (display == nullptr) {
    state.SkipWithError("no X display: run under xvfb-run");
    return;
  }
  const Window window = OpenWindow(display);
  XWindowAttributes attributes = {};
  XGetWindowAttributes(display, window, &attributes);
  {
    vXImageSurface surface;
    const bool shared = state.range(0) != 0;
    if (surface
            .Create(display, window, attributes.visual, attributes.depth, kWidth, kHeight, shared)
            .Failed() ||
        surface.SharesMemory() != shared) {
      state.SkipWithError("no picture of that kind on this display");
    } else {
      ifsGuiFractal fractal;
      BuildFractal(fractal, surface);
      for (auto _ : state)
        fractal.DrawStep(surface);
      // The server's share of the work is counted too.
      surface.Present();
      XSync(display, False);
      state.SetItemsProcessed(state.iterations() * kBatchPoints);
      state.SetLabel(shared ? "shared memory" : "XPutImage");
    }
  }
  XDestroyWindow(display, window);
  XSync(display, False);
}

BENCHMARK(BareChaosGame);
BENCHMARK(MemoryDrawStep);
BENCHMARK(X11DrawStep)->Arg(1)->Arg(0);

// One quick fractal a group, then the scheme's delay.
vConfigMgr WaitingConfig() {
  vConfigMgr defaults;
  defaults.RestoreDefaults();
  vScheme scheme;
  for (std::int32_t i = 0; i < defaults.SchemeCount(); ++i)
    if (!defaults.SchemeAt(i)->scheme.IsTemplated())
      scheme = defaults.SchemeAt(i)->scheme;
  scheme.enabled = true;
  scheme.minPerGroup = 1;
  scheme.maxPerGroup = 1;
  scheme.filterEnabled = false;
  scheme.pointDensity = 0.05;
  scheme.clearDelay = kWaitSeconds;
  vConfigMgr config;
  config.SetScheme(String("Wait"), scheme);
  return config;
}

// A saver on the root window in a process of its own.
pid_t StartSaver(bool waiting) {
  const pid_t child = fork();
  if (child != 0)
    return child;
  Display *display = XOpenDisplay(nullptr);
  if (display == nullptr)
    _exit(1);
  vConfigMgr config;
  if (waiting)
    config = WaitingConfig();
  else
    config.RestoreDefaults();
  SeedRandom(1);
  const vStopSignal stop;
  int status = 1;
  {
    vXSaver saver(display, config, stop);
    vXWindowPick pick;
    pick.kind = vXWindowChoice::Root;
    if (saver.Open(pick).Succeeded())
      status = saver.Run();
  }
  XCloseDisplay(display);
  _exit(status);
}

double CpuSeconds(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  // Fields after the command's closing parenthesis: utime and stime are the 12th and 13th.
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  double ticks = 0;
  for (int i = 1; i <= 13 && fields >> field; ++i)
    if (i >= 12)
      ticks += std::stod(field);
  return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration span) { return std::chrono::duration<double>(span).count(); }

// Processor time of a saver whose group is finished and waits out its delay.
void CpuBetweenGroups(benchmark::State &state) {
  if (!HasDisplay()) {
    state.SkipWithError("no X display: run under xvfb-run");
    return;
  }
  for (auto _ : state) {
    const pid_t saver = StartSaver(true);
    // The one fractal is drawn within the first seconds; the wait is measured after.
    std::this_thread::sleep_for(std::chrono::seconds(3));
    const double cpuBefore = CpuSeconds(saver);
    const Clock::time_point start = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(5));
    if (waitpid(saver, nullptr, WNOHANG) != 0) {
      state.SkipWithError("the saver ended by itself");
      return;
    }
    const double share = (CpuSeconds(saver) - cpuBefore) / Seconds(Clock::now() - start);
    kill(saver, SIGTERM);
    waitpid(saver, nullptr, 0);
    state.counters["cpu_percent_of_a_core"] = 100.0 * share;
  }
}

// From SIGTERM to the process's end, as the daemon waits for it.
void EndOnSigterm(benchmark::State &state) {
  if (!HasDisplay()) {
    state.SkipWithError("no X display: run under xvfb-run");
    return;
  }
  const bool waiting = state.range(0) != 0;
  std::vector<double> ms;
  for (auto _ : state) {
    const pid_t saver = StartSaver(waiting);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    if (waitpid(saver, nullptr, WNOHANG) != 0) {
      state.SkipWithError("the saver ended by itself");
      return;
    }
    const Clock::time_point start = Clock::now();
    kill(saver, SIGTERM);
    int status = 0;
    waitpid(saver, &status, 0);
    ms.push_back(1000.0 * Seconds(Clock::now() - start));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
      state.SkipWithError("the saver did not end with 0");
  }
  std::sort(ms.begin(), ms.end());
  state.counters["median_ms"] = ms[ms.size() / 2];
  state.counters["longest_ms"] = ms.back();
  state.SetLabel(waiting ? "between groups" : "while drawing");
}

BENCHMARK(CpuBetweenGroups)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(EndOnSigterm)->Arg(0)->Arg(1)->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
