// The running saver against a bare loop of the same shape: one message pass,
// then 100 points into the window's backing store. Run on a 1920 × 1080
// screen; prints points per second of both and the longest single step.
// With the argument "wait", measures instead what a finished group costs
// while it stays on screen: the process's processor time over a 10 s wait
// and how late the step that starts the next group begins. With "monitors",
// runs the saver on two made-up monitors, the halves of the screen, and
// prints the points drawn a second on both together; "monitors real" does
// the same on the monitors the system lists.
#include "foundation/random.h"
#include "ifs/guifractal.h"
#include "ifs/win32/gdisurface.h"
#include "pallwork/platform.h"
#include "stopwatch.h"
#include "vorlunda/config.h"
#include "vorlunda/factory.h"
#include "vorlunda/win32/saver.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr double kSaverRunUs = 20e6;
constexpr double kBareRunUs = 8e6;
constexpr int kStateCount = 4;

// The loop's states index the tables of steps.
constexpr int StateIndex(vLoopState state) { return static_cast<int>(state); }

// Times every step and every turn of the loop (the step and the message
// pass after it), booked by the states before and after the step: a step
// that draws a group's last points leaves the loop waiting, and the pass
// after it sleeps until the next group, so only turns that begin and end in
// drawing measure the drawing rate.
class MeasuredSaver : public vVorlundaSaver {
public:
  explicit MeasuredSaver(vConfigMgr *config) : vVorlundaSaver(nullptr, config, nullptr, true) {}

  struct Book {
    long steps = 0;
    double longestUs = 0;
    double turnUs = 0;
    double points = 0;
  };

  void Step() override {
    const double turnStart = run_.Microseconds();
    if (last_ != nullptr)
      last_->turnUs += turnStart - lastTurnStart_;
    lastTurnStart_ = turnStart;
    if (Factory() == nullptr) {
      const Stopwatch step;
      vVorlundaSaver::Step();
      startUs = step.Microseconds();
      return;
    }
    const int before = StateIndex(Factory()->state);
    const int drawnBefore = Factory()->Fractal().PointsDrawn();
    const Stopwatch step;
    vVorlundaSaver::Step();
    const double stepUs = step.Microseconds();
    const int drawn = Factory()->Fractal().PointsDrawn() - drawnBefore;
    Book &book = books[before][StateIndex(Factory()->state)];
    ++book.steps;
    book.points += drawn > 0 ? drawn : 0;
    if (stepUs > book.longestUs)
      book.longestUs = stepUs;
    last_ = &book;
    if (run_.Microseconds() > kSaverRunUs && !closing_) {
      closing_ = true;
      PostMessageA(Window(), WM_CLOSE, 0, 0);
    }
  }

  double startUs = 0;
  Book books[kStateCount][kStateCount] = {};
  double RunUs() const { return run_.Microseconds(); }

private:
  Stopwatch run_;
  double lastTurnStart_ = 0;
  Book *last_ = nullptr;
  bool closing_ = false;
};

// The same loop with nothing but one fractal's points in each step.
class BareSaver : public pwScreenSaverWindow {
public:
  BareSaver() : pwScreenSaverWindow(nullptr, nullptr, true) {
    RECT client = {};
    GetClientRect(Window(), &client);
    if (surface_.Create(Window(), client.right, client.bottom).Failed())
      return;
    SeedRandom(4711);
    fractal_.Reset(client.right, client.bottom);
    fractal_.BuildRandom(ifsRuleSystem::Linear, 3, 3, 200, true, ifsColourSystem::Solid);
    fractal_.ComputeBounds(10000, AspectRatio(surface_, client.right, client.bottom));
    fractal_.ApplyScaling(0.0, 1.0, 1.0);
    fractal_.Prepare(surface_, client.right, client.bottom, 0, 0);
  }
  void Step() override {
    fractal_.DrawStep(surface_);
    ++steps;
    if (run_.Microseconds() > kBareRunUs && !closing_) {
      closing_ = true;
      PostMessageA(Window(), WM_CLOSE, 0, 0);
    }
  }
  void Paint(HDC dc, const RECT &rect) override { surface_.Paint(dc, rect); }
  double RunUs() const { return run_.Microseconds(); }
  long steps = 0;

private:
  ifsGdiSurface surface_;
  ifsGuiFractal fractal_;
  Stopwatch run_;
  bool closing_ = false;
};

constexpr std::int32_t kWaitSeconds = 10;
constexpr int kGroupsWaited = 2;

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

double ProcessCpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto seconds = [](const FILETIME &time) {
    return (static_cast<double>(time.dwHighDateTime) * 4294967296.0 + time.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

// Notes when each wait begins and ends, from the factory's state before and
// after every step.
class WaitingSaver : public vVorlundaSaver {
public:
  explicit WaitingSaver(vConfigMgr *config) : vVorlundaSaver(nullptr, config, nullptr, true) {}

  void Step() override {
    // Before the first step there is no factory; it is not waiting then.
    const vLoopState before = Factory() ? Factory()->state : vLoopState::NewGroup;
    stepStart_ = GetTickCount();
    vVorlundaSaver::Step();
    const vLoopState after = Factory()->state;
    if (before == vLoopState::Wait)
      ++waitSteps;
    if (before != vLoopState::Wait && after == vLoopState::Wait) {
      waitCpuStart_ = ProcessCpuSeconds();
      waitWall_.Restart();
    }
    if (before == vLoopState::Wait && after == vLoopState::NewGroup)
      EndOfWait();
  }

  double cpuShare[kGroupsWaited] = {};
  long lateMs[kGroupsWaited] = {};
  double wallSeconds[kGroupsWaited] = {};
  long waitSteps = 0;

private:
  void EndOfWait() {
    const std::uint32_t due = Factory()->finishTime + kWaitSeconds * 1000u;
    const double wall = waitWall_.Microseconds() / 1e6;
    lateMs[waits_] = static_cast<long>(static_cast<std::int32_t>(stepStart_ - due));
    wallSeconds[waits_] = wall;
    cpuShare[waits_] = (ProcessCpuSeconds() - waitCpuStart_) / wall;
    if (++waits_ == kGroupsWaited)
      PostMessageA(Window(), WM_CLOSE, 0, 0);
  }

  Stopwatch waitWall_;
  DWORD stepStart_ = 0;
  double waitCpuStart_ = 0;
  int waits_ = 0;
};

int RunWaitBench() {
  vConfigMgr config = WaitingConfig();
  WaitingSaver saver(&config);
  saver.Run();
  std::printf("waiting %d s after a group of one fractal, %ld steps while waiting\n", kWaitSeconds,
              saver.waitSteps);
  for (int i = 0; i < kGroupsWaited; ++i)
    std::printf("  wait %d: %.2f s, processor %.2f %% of one core, next group %ld ms late\n", i + 1,
                saver.wallSeconds[i], 100.0 * saver.cpuShare[i], saver.lateMs[i]);
  return 0;
}

constexpr double kMonitorsRunUs = 15e6;

// The system as it is, but with the screen's two halves as its monitors.
class HalvedScreen final : public pwPlatform {
public:
  bool IsWindow(pwWindowHandle window) override { return real_.IsWindow(window); }
  pwWindowHandle ForegroundWindow() override { return real_.ForegroundWindow(); }
  bool IsWindows95Family() override { return real_.IsWindows95Family(); }
  void ChangePassword(pwWindowHandle parent) override { real_.ChangePassword(parent); }
  bool VerifySaverPassword(pwWindowHandle window) override {
    return real_.VerifySaverPassword(window);
  }
  void SetScreenSaverRunning(bool running) override { real_.SetScreenSaverRunning(running); }
  void ShowMessageBox(pwWindowHandle owner, const char *text, const char *caption,
                      unsigned int icon) override {
    real_.ShowMessageBox(owner, text, caption, icon);
  }
  std::vector<pwMonitor> Monitors() override {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    return {{{0, 0, width / 2, height}, true}, {{width / 2, 0, width, height}, false}};
  }

private:
  pwPlatform &real_ = BuiltInPlatform();
};

// Counts the points every monitor's factory draws, of the first few.
constexpr int kMostCounted = 4;
class MonitorsSaver : public vVorlundaSaver {
public:
  explicit MonitorsSaver(vConfigMgr *config) : vVorlundaSaver(nullptr, config, nullptr, true) {}
  void Step() override {
    int before[kMostCounted] = {};
    for (int i = 0; i < FactoryCount() && i < kMostCounted; ++i)
      before[i] = FactoryAt(i)->Fractal().PointsDrawn();
    vVorlundaSaver::Step();
    for (int i = 0; i < FactoryCount() && i < kMostCounted; ++i) {
      const int drawnNow = FactoryAt(i)->Fractal().PointsDrawn() - before[i];
      points += drawnNow > 0 ? drawnNow : 0;
    }
    if (run_.Microseconds() > kMonitorsRunUs && !closing_) {
      closing_ = true;
      PostMessageA(Window(), WM_CLOSE, 0, 0);
    }
  }
  double RunUs() const { return run_.Microseconds(); }
  double points = 0;

private:
  Stopwatch run_;
  bool closing_ = false;
};

// On the screen's halves, or with `real` on the monitors the system lists.
int RunMonitorsBench(bool real) {
  vConfigMgr config;
  config.RestoreDefaults();
  HalvedScreen halves;
  if (!real)
    SetCurrentPlatform(&halves);
  {
    MonitorsSaver saver(&config);
    saver.Run();
    std::printf("%d monitors, %s, %.1f s: %.2f M points/s on all\n", saver.FactoryCount(),
                real ? "as listed" : "the screen's halves", saver.RunUs() / 1e6,
                saver.points / saver.RunUs());
  }
  SetCurrentPlatform(nullptr);
  return 0;
}

const char *const kStateNames[kStateCount] = {"new group", "build", "draw", "wait"};

double MillionPerSecond(double points, double microseconds) { return points / microseconds; }

} // namespace

int main(int argc, char **argv) {
  if (argc > 1 && std::strcmp(argv[1], "wait") == 0)
    return RunWaitBench();
  if (argc > 1 && std::strcmp(argv[1], "monitors") == 0)
    return RunMonitorsBench(argc > 2 && std::strcmp(argv[2], "real") == 0);
  vConfigMgr config;
  config.RestoreDefaults();
  config.infoLine = true; // the build step then includes dimension and Lyapunov figures

  MeasuredSaver saver(&config);
  saver.Run();
  std::printf("saver, 13 built-in schemes, information line on, %.1f s\n", saver.RunUs() / 1e6);
  std::printf("  first step (factory): %8.0f us\n", saver.startUs);
  std::printf("  step (state before -> after)    steps   longest    turn time   points\n");
  double allPoints = 0;
  for (int before = 0; before < kStateCount; ++before)
    for (int after = 0; after < kStateCount; ++after) {
      const MeasuredSaver::Book &book = saver.books[before][after];
      allPoints += book.points;
      if (book.steps > 0)
        std::printf("  %-9s -> %-9s %14ld %9.0f us %8.2f s %10.0f\n", kStateNames[before],
                    kStateNames[after], book.steps, book.longestUs, book.turnUs / 1e6, book.points);
    }
  const MeasuredSaver::Book &drawing =
      saver.books[StateIndex(vLoopState::Draw)][StateIndex(vLoopState::Draw)];
  const double drawingRate = MillionPerSecond(drawing.points, drawing.turnUs);
  std::printf("  points: %.0f; %.2f M/s over the whole run, %.2f M/s in drawing turns\n", allPoints,
              MillionPerSecond(allPoints, saver.RunUs()), drawingRate);

  BareSaver bare;
  bare.Run();
  const double barePoints = static_cast<double>(bare.steps) * kBatchPoints;
  const double bareRate = MillionPerSecond(barePoints, bare.RunUs());
  std::printf("bare loop, one 3-rule Linear Solid fractal, %.1f s: %.2f M points/s\n",
              bare.RunUs() / 1e6, bareRate);
  std::printf("saver while drawing / bare loop: %.0f %%\n", 100.0 * drawingRate / bareRate);
  return 0;
}
