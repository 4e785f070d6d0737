#pragma once

#include "pallwork/win32/saverwin.h"

#include <windows.h>

#include <memory>
#include <vector>

class vAreaDrawTarget;
class vConfigMgr;
class vFactory;
class vWindowDrawTarget;

constexpr std::int32_t kScreenShotKey = VK_F1;

// The product's saver window: every Step advances a factory's drawing loop
// by one transition, so input is handled between small slices of work. Each
// monitor has a factory of its own; they take turns of one display frame.
class vVorlundaSaver : public pwScreenSaverWindow {
public:
  // `testConfig` (not owned, may be null) is the configuration of a test run
  // from the settings; the stored one is used otherwise.
  vVorlundaSaver(HWND parent, vConfigMgr *testConfig, HWND owner, bool noPassword);
  ~vVorlundaSaver() override;

  void Step() override;
  // The capture reads the window, so it must show everything drawn so far.
  void BeforeScreenShot() override;
  // Writes beside the picture the record that draws it again.
  void AfterScreenShot(const String &path) override;
  HPALETTE GetPalette() override;
  std::uint32_t IdleMs() override;
  void Paint(HDC dc, const RECT &rect) override;
  void MonitorsChanged() override;

  // The primary monitor's factory; null until the first step.
  const vFactory *Factory() const { return FactoryAt(0); }
  // One a monitor, from the first step on, the primary monitor's first.
  int FactoryCount() const { return static_cast<int>(factories_.size()); }
  const vFactory *FactoryAt(int index) const;

private:
  void StartDrawing();
  void StopDrawing();
  void NextMonitor(std::uint32_t now);

  vConfigMgr *testConfig_; // not owned
  // Declared after the targets, so they go first: they draw on them.
  std::unique_ptr<vWindowDrawTarget> target_;
  std::vector<std::unique_ptr<vAreaDrawTarget>> monitors_;
  std::vector<std::unique_ptr<vFactory>> factories_;
  std::size_t turn_ = 0; // the factory whose steps these are
  std::uint32_t turnStart_ = 0;
  bool seeded_ = false;
  bool layOutAgain_ = false;
};
