#include "vorlunda/win32/saver.h"

#include "foundation/random.h"
#include "pallwork/regmgr.h"

#include <ctime>

namespace {

constexpr char kSaverKey[] = "Control Panel\\Screen Saver.Vorlunda";

} // namespace

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

// Started by the first step, once the window is shown and its size final.
void vVorlundaSaver::StartDrawing() {
  started_ = true;
  SeedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
  RECT client = {};
  GetClientRect(window_, &client);
  ReadScreenShotSettings();
  if (!surface_.Create(window_, client.right, client.bottom).Succeeded())
    surface_.Destroy();
}

// Read here until the factory's configuration supplies them.
void vVorlundaSaver::ReadScreenShotSettings() {
  pwRegistryMgr settings(kSaverKey);
  std::uint32_t screenShots = 0;
  if (!settings.ReadDword("ScreenShots", screenShots).Succeeded() || screenShots == 0)
    return;
  SetScreenShotKey(kScreenShotKey);
  String directory;
  if (settings.ReadString("ScreenShotDirectory", directory).Succeeded())
    SetScreenShotDirectory(directory);
}

void vVorlundaSaver::Step() {
  if (window_ == nullptr)
    return;
  if (!started_)
    StartDrawing();
  // Nothing is drawn once a shot has started: the saved picture is the one on screen.
  if (!surface_.IsCreated() || ShotInProgress())
    return;
  drawing_.Advance(surface_, GetTickCount());
}

void vVorlundaSaver::Paint(HDC dc, const RECT &rect) {
  pwScreenSaverWindow::Paint(dc, rect);
  if (!ShotInProgress() && surface_.IsCreated())
    surface_.Paint(dc, rect);
}
