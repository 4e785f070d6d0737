#include "vorlunda/win32/saver.h"

#include "foundation/random.h"
#include "vorlunda/factory.h"
#include "vorlunda/win32/windowdrawtarget.h"

#include <ctime>

vVorlundaSaver::vVorlundaSaver(HWND parent, vConfigMgr *testConfig, HWND owner, bool noPassword)
    : pwScreenSaverWindow(parent, owner, noPassword), testConfig_(testConfig) {
  if (window_ == nullptr)
    return;
  SetClassLongPtrA(window_, GCLP_HBRBACKGROUND,
                   reinterpret_cast<LONG_PTR>(GetStockObject(BLACK_BRUSH)));
  const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kSaverIconId));
  SetClassLongPtrA(window_, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
}

vVorlundaSaver::~vVorlundaSaver() = default;

// Started by the first step, once the window is shown and its size final, so
// the factory measures the real client area, font and display.
void vVorlundaSaver::StartDrawing() {
  SeedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
  target_ = std::make_unique<vWindowDrawTarget>(window_, Preview());
  factory_ = std::make_unique<vFactory>(target_.get(), testConfig_);
  const vConfigMgr &config = factory_->Config();
  if (config.screenShots) {
    SetScreenShotKey(kScreenShotKey);
    SetScreenShotDirectory(config.screenShotDirectory);
  }
}

void vVorlundaSaver::Step() {
  if (window_ == nullptr)
    return;
  if (!factory_)
    StartDrawing();
  // Nothing is drawn once a shot has started: the saved picture is the one on screen.
  if (ShotInProgress())
    return;
  factory_->Advance(GetTickCount());
}

void vVorlundaSaver::BeforeScreenShot() {
  if (target_)
    target_->Present();
}

// Between groups there is nothing to do until the delay is over.
std::uint32_t vVorlundaSaver::IdleMs() {
  if (!factory_ || ShotInProgress())
    return 0;
  return factory_->WaitLeft(GetTickCount());
}

HPALETTE vVorlundaSaver::GetPalette() { return target_ ? target_->Palette() : nullptr; }

void vVorlundaSaver::Paint(HDC dc, const RECT &rect) {
  pwScreenSaverWindow::Paint(dc, rect);
  if (!ShotInProgress() && target_)
    target_->Paint(dc, rect);
}
