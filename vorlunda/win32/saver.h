#pragma once

#include "pallwork/saverwin.h"

#include <windows.h>

#include <memory>

class vConfigMgr;
class vFactory;
class vWindowDrawTarget;

constexpr std::int32_t kScreenShotKey = VK_F1;
constexpr int kSaverIconId = 100;

// The product's saver window: every Step advances the factory's drawing loop
// by one transition, so input is handled between small slices of work.
class vVorlundaSaver : public pwScreenSaverWindow {
public:
  // `testConfig` (not owned, may be null) is the configuration of a test run
  // from the settings; the stored one is used otherwise.
  vVorlundaSaver(HWND parent, vConfigMgr *testConfig, HWND owner, bool noPassword);
  ~vVorlundaSaver() override;

  void Step() override;
  // The capture reads the window, so it must show everything drawn so far.
  void BeforeScreenShot() override;
  HPALETTE GetPalette() override;
  std::uint32_t IdleMs() override;
  void Paint(HDC dc, const RECT &rect) override;

  // Null until the first step.
  const vFactory *Factory() const { return factory_.get(); }

private:
  void StartDrawing();

  vConfigMgr *testConfig_; // not owned
  // Declared after its target, so it goes first: it draws on the target.
  std::unique_ptr<vWindowDrawTarget> target_;
  std::unique_ptr<vFactory> factory_;
};
