#pragma once

#include "vorlunda/areadrawtarget.h"
#include "vorlunda/config.h"
#include "vorlunda/factory.h"
#include "vorlunda/xsaver/options.h"
#include "vorlunda/xsaver/x11/stopsignal.h"
#include "vorlunda/xsaver/x11/xwindowtarget.h"

#include <X11/Xlib.h>

#include <cstdint>
#include <memory>
#include <vector>

// The saver on one X window: each monitor the window covers has a factory
// of its own, and they take turns of one display frame, as on Windows.
// Between groups it sleeps until the delay is over, an event arrives or a
// stop signal does.
class vXSaver {
public:
  vXSaver(Display *display, const vConfigMgr &config, const vStopSignal &stop,
          bool allowSharedMemory = true);
  ~vXSaver();
  vXSaver(const vXSaver &) = delete;
  vXSaver &operator=(const vXSaver &) = delete;

  [[nodiscard]] Error Open(const vXWindowPick &pick);
  // Until a stop signal, the window's close or its loss; the exit status.
  int Run();

  // For the benchmarks: one turn of drawing or one pass of events.
  [[nodiscard]] Error StartDrawing();
  void DrawTurn();
  void HandleEvents();
  Window DrawingWindow() const { return window_; }
  const vXWindowTarget *Target() const { return target_.get(); }
  int FactoryCount() const { return static_cast<int>(factories_.size()); }
  const vFactory &FactoryAt(int index) const { return *factories_[index]; }

private:
  Error OpenOwnWindow();
  void HandleEvent(const XEvent &event);
  std::uint32_t IdleMs(std::uint32_t now) const;
  void Step(std::uint32_t now);
  void Sleep(std::uint32_t ms);

  Display *display_; // not owned
  const vConfigMgr &config_;
  const vStopSignal &stop_;
  bool allowSharedMemory_;
  Window window_ = 0;
  bool ownWindow_ = false;
  Atom deleteWindow_ = 0;
  bool closed_ = false;
  bool restart_ = false;
  // Declared after the target, so they go first: they draw on it.
  std::unique_ptr<vXWindowTarget> target_;
  std::vector<std::unique_ptr<vAreaDrawTarget>> areas_;
  std::vector<std::unique_ptr<vFactory>> factories_;
  std::size_t turn_ = 0;
  std::uint32_t turnStart_ = 0;
};
