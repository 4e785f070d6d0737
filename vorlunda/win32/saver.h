#pragma once

#include "ifs/win32/gdisurface.h"
#include "pallwork/saverwin.h"
#include "vorlunda/win32/interimdrawing.h"

#include <windows.h>

class vConfigMgr;

constexpr std::int32_t kScreenShotKey = VK_F1;
constexpr int kSaverIconId = 100;

// The product's saver window: every Step draws one slice of fractal into the
// window's backing store.
class vVorlundaSaver : public pwScreenSaverWindow {
public:
  vVorlundaSaver(HWND parent, vConfigMgr *testConfig, HWND owner, bool noPassword);
  ~vVorlundaSaver() override;

  void Step() override;
  // The capture reads the window, so it must show everything drawn so far.
  void BeforeScreenShot() override { surface_.Present(); }
  HPALETTE GetPalette() override { return nullptr; }
  void Paint(HDC dc, const RECT &rect) override;

private:
  void StartDrawing();
  void ReadScreenShotSettings();

  vConfigMgr *testConfig_; // not owned
  ifsGdiSurface surface_;
  bool started_ = false;
  vInterimDrawing drawing_;
};
