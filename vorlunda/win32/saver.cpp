#include "vorlunda/win32/saver.h"

#include "foundation/random.h"
#include "vorlunda/areadrawtarget.h"
#include "vorlunda/factory.h"
#include "vorlunda/picturerecord.h"
#include "vorlunda/resources/resource.h"
#include "vorlunda/win32/windowdrawtarget.h"

#include <algorithm>
#include <cstdint>
#include <ctime>

vVorlundaSaver::vVorlundaSaver(HWND parent, vConfigMgr *testConfig, HWND owner, bool noPassword)
    : pwScreenSaverWindow(parent, owner, noPassword), testConfig_(testConfig) {
  if (window_ == nullptr)
    return;
  const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_VORLUNDA));
  SetClassLongPtrA(window_, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
}

vVorlundaSaver::~vVorlundaSaver() = default;

namespace {

// About one frame of a 60 Hz display.
constexpr std::uint32_t kTurnMs = 16;

ifsPixelRect ToPixelRect(const pwScreenRect &rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

} // namespace

const vFactory *vVorlundaSaver::FactoryAt(int index) const {
  if (index < 0 || index >= FactoryCount())
    return nullptr;
  return factories_[static_cast<std::size_t>(index)].get();
}

// Started by the first step, once the window is shown and its size final, so
// the factory measures the real client area, font and display.
void vVorlundaSaver::StartDrawing() {
  if (!seeded_)
    SeedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
  seeded_ = true;
  target_ = std::make_unique<vWindowDrawTarget>(window_, Preview());
  const std::vector<pwScreenRect> &areas = DrawingAreas();
  if (areas.size() <= 1) {
    // One monitor draws on the whole window, exactly as without monitors.
    factories_.push_back(std::make_unique<vFactory>(target_.get(), testConfig_));
  } else {
    for (const pwScreenRect &area : areas) {
      const bool primary = monitors_.empty();
      monitors_.push_back(std::make_unique<vAreaDrawTarget>(*target_, ToPixelRect(area), primary));
      factories_.push_back(std::make_unique<vFactory>(monitors_.back().get(), testConfig_));
    }
  }
  const vConfigMgr &config = factories_.front()->Config();
  if (config.screenShots) {
    SetScreenShotKey(kScreenShotKey);
    SetScreenShotDirectory(config.screenShotDirectory);
  }
}

// The factories go before the targets they draw on.
void vVorlundaSaver::StopDrawing() {
  factories_.clear();
  monitors_.clear();
  target_.reset();
  turn_ = 0;
}

// Fresh groups on the new layout from the next step on, whose targets
// measure the window at its new size; a shot being saved finishes first.
void vVorlundaSaver::MonitorsChanged() { layOutAgain_ = true; }

void vVorlundaSaver::Step() {
  if (window_ == nullptr)
    return;
  // Nothing is drawn once a shot has started: the saved picture is the one on screen.
  if (ShotInProgress())
    return;
  if (layOutAgain_) {
    layOutAgain_ = false;
    StopDrawing();
  }
  if (factories_.empty())
    StartDrawing();
  const std::uint32_t now = GetTickCount();
  if (factories_.size() > 1 &&
      (now - turnStart_ >= kTurnMs || factories_[turn_]->WaitLeft(now) > 0))
    NextMonitor(now);
  factories_[turn_]->Advance(now);
}

// The window is shown what a turn drew before the next begins, so each copy
// to the window covers one monitor's points, not a box round two monitors'.
void vVorlundaSaver::NextMonitor(std::uint32_t now) {
  target_->Present();
  turn_ = (turn_ + 1) % factories_.size();
  turnStart_ = now;
}

void vVorlundaSaver::BeforeScreenShot() {
  if (target_)
    target_->Present();
}

// The record is an addition to the picture, which is already saved: a record
// that cannot be written goes without a box of its own, so the saver ends
// as after any shot.
void vVorlundaSaver::AfterScreenShot(const String &path) {
  ifsSurface *surface = target_ ? target_->Surface() : nullptr;
  if (surface == nullptr || factories_.empty())
    return;
  RECT client = {};
  GetClientRect(window_, &client);
  vPictureRecord record;
  record.program = RecordProgram();
  record.width = client.right;
  record.height = client.bottom;
  record.paletteBase = factories_.front()->PaletteBase();
  record.depth = record.paletteBase >= 0 ? 8 : 24;
  record.pixelsPerInchX = surface->PixelsPerInchX();
  record.pixelsPerInchY = surface->PixelsPerInchY();
  const std::vector<pwScreenRect> &areas = DrawingAreas();
  for (std::size_t i = 0; i < factories_.size(); ++i) {
    // One monitor draws on the whole window.
    const pwScreenRect area =
        factories_.size() == 1 ? pwScreenRect{0, 0, client.right, client.bottom} : areas[i];
    record.areas.emplace_back();
    if (TraceArea(*factories_[i], area.left, area.top, area.right - area.left,
                  area.bottom - area.top, record.areas.back())
            .Failed())
      return;
  }
  (void)WriteRecordFile(RecordPathFor(path), record);
}

// Between groups there is nothing to do until the delay is over.
std::uint32_t vVorlundaSaver::IdleMs() {
  if (factories_.empty() || ShotInProgress())
    return 0;
  const std::uint32_t now = GetTickCount();
  std::uint32_t idle = UINT32_MAX;
  for (const auto &factory : factories_)
    idle = std::min(idle, factory->WaitLeft(now));
  return idle;
}

HPALETTE vVorlundaSaver::GetPalette() { return target_ ? target_->Palette() : nullptr; }

void vVorlundaSaver::Paint(HDC dc, const RECT &rect) {
  pwScreenSaverWindow::Paint(dc, rect);
  if (!ShotInProgress() && target_)
    target_->Paint(dc, rect);
}
