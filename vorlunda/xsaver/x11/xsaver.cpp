#include "vorlunda/xsaver/x11/xsaver.h"

#include "vorlunda/xsaver/display.h"
#include "vorlunda/xsaver/windowareas.h"
#include "vorlunda/xsaver/x11/monitors.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <poll.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
// About one frame of a 60 Hz display.
constexpr std::uint32_t kTurnMs = 16;
constexpr unsigned kOwnWidth = 800;
constexpr unsigned kOwnHeight = 600;
constexpr const char *kOwnTitle = "Vorlunda";
constexpr long kWatchedEvents = ExposureMask | StructureNotifyMask;

// Set when a request fails because the window is gone: the daemon may
// destroy its window before it ends the program.
bool windowLost = false;

int NoteError(Display *, XErrorEvent *error) {
  if (error->error_code == BadWindow || error->error_code == BadDrawable)
    windowLost = true;
  return 0;
}

int ConnectionLost(Display *) {
  std::fprintf(stderr, "vorlunda: lost the connection to the X display\n");
  std::_Exit(kExitFailure);
}

} // namespace

vXSaver::vXSaver(Display *display, const vConfigMgr &config, const vStopSignal &stop,
                 bool allowSharedMemory)
    : display_(display), config_(config), stop_(stop), allowSharedMemory_(allowSharedMemory) {
  XSetErrorHandler(NoteError);
  XSetIOErrorHandler(ConnectionLost);
}

vXSaver::~vXSaver() {
  factories_.clear();
  areas_.clear();
  target_.reset();
  if (ownWindow_ && !windowLost)
    XDestroyWindow(display_, window_);
  XSync(display_, False);
}

Error vXSaver::Open(const vXWindowPick &pick) {
  if (pick.kind == vXWindowChoice::Own)
    return OpenOwnWindow();
  window_ = pick.kind == vXWindowChoice::Root ? DefaultRootWindow(display_) : pick.id;
  XWindowAttributes attributes = {};
  windowLost = false;
  if (!XGetWindowAttributes(display_, window_, &attributes) || windowLost) {
    String message;
    message.Format("there is no window 0x%lx", window_);
    return MakeError(message);
  }
  // Drawing only: input is the daemon's to read.
  XSelectInput(display_, window_, kWatchedEvents);
  return Error();
}

Error vXSaver::OpenOwnWindow() {
  const int screen = DefaultScreen(display_);
  window_ = XCreateSimpleWindow(display_, RootWindow(display_, screen), 0, 0, kOwnWidth, kOwnHeight,
                                0, BlackPixel(display_, screen), BlackPixel(display_, screen));
  if (window_ == 0)
    return MakeError("cannot create a window");
  ownWindow_ = true;
  XStoreName(display_, window_, kOwnTitle);
  XClassHint hint = {const_cast<char *>("vorlunda"), const_cast<char *>("Vorlunda")};
  XSetClassHint(display_, window_, &hint);
  deleteWindow_ = XInternAtom(display_, "WM_DELETE_WINDOW", False);
  XSetWMProtocols(display_, window_, &deleteWindow_, 1);
  XSelectInput(display_, window_, kWatchedEvents | KeyPressMask);
  XMapWindow(display_, window_);
  return Error();
}

// Begun anew whenever the window changes size, so each factory fits the
// area it now has.
Error vXSaver::StartDrawing() {
  factories_.clear();
  areas_.clear();
  target_.reset();
  turn_ = 0;
  XWindowAttributes attributes = {};
  if (!XGetWindowAttributes(display_, window_, &attributes) || windowLost)
    return MakeError("the window is gone");
  Error problem;
  target_ =
      std::make_unique<vXWindowTarget>(display_, window_, attributes, allowSharedMemory_, problem);
  if (problem.Failed())
    return problem;
  int x = 0, y = 0;
  Window child = 0;
  XTranslateCoordinates(display_, window_, attributes.root, 0, 0, &x, &y, &child);
  const std::vector<ifsPixelRect> areas =
      WindowAreas(QueryMonitors(display_, XScreenNumberOfScreen(attributes.screen)),
                  {x, y, x + attributes.width, y + attributes.height});
  if (areas.size() <= 1) {
    factories_.push_back(std::make_unique<vFactory>(target_.get(), &config_));
    return Error();
  }
  for (const ifsPixelRect &area : areas) {
    const bool primary = areas_.empty();
    areas_.push_back(std::make_unique<vAreaDrawTarget>(*target_, area, primary));
    factories_.push_back(std::make_unique<vFactory>(areas_.back().get(), &config_));
  }
  return Error();
}

std::uint32_t vXSaver::IdleMs(std::uint32_t now) const {
  std::uint32_t idle = UINT32_MAX;
  for (const auto &factory : factories_)
    idle = std::min(idle, factory->WaitLeft(now));
  return factories_.empty() ? 0 : idle;
}

void vXSaver::Step(std::uint32_t now) {
  if (factories_.size() > 1 &&
      (now - turnStart_ >= kTurnMs || factories_[turn_]->WaitLeft(now) > 0)) {
    // What a turn drew is put before the next begins, so each put covers
    // one monitor's points, not a box round two monitors'.
    target_->Present();
    turn_ = (turn_ + 1) % factories_.size();
    turnStart_ = now;
  }
  factories_[turn_]->Advance(now);
}

// Steps for one display frame, or until every monitor waits; the stop
// signal is looked at between steps, each a small slice of work.
void vXSaver::DrawTurn() {
  const std::uint32_t start = SteadyTicks();
  std::uint32_t now = start;
  do {
    Step(now);
    now = SteadyTicks();
  } while (!stop_.Raised() && now - start < kTurnMs && IdleMs(now) == 0);
}

void vXSaver::Sleep(std::uint32_t ms) {
  if (XPending(display_) > 0)
    return;
  pollfd waits[2] = {{ConnectionNumber(display_), POLLIN, 0}, {stop_.Fd(), POLLIN, 0}};
  const int timeout = ms > INT32_MAX ? -1 : static_cast<int>(ms);
  poll(waits, stop_.Fd() >= 0 ? 2 : 1, timeout);
}

void vXSaver::HandleEvents() {
  while (XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    HandleEvent(event);
  }
}

void vXSaver::HandleEvent(const XEvent &event) {
  switch (event.type) {
  case Expose:
    if (target_)
      target_->Repaint({event.xexpose.x, event.xexpose.y, event.xexpose.x + event.xexpose.width,
                        event.xexpose.y + event.xexpose.height});
    break;
  case ConfigureNotify:
    if (event.xconfigure.window == window_ && target_ &&
        (event.xconfigure.width != target_->ClientWidth() ||
         event.xconfigure.height != target_->ClientHeight()))
      restart_ = true;
    break;
  case DestroyNotify:
    if (event.xdestroywindow.window == window_)
      windowLost = true;
    break;
  case ClientMessage:
    if (ownWindow_ && static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow_)
      closed_ = true;
    break;
  case KeyPress: {
    // Only its own window sends keys: the daemon's window is never read.
    const KeySym key = XLookupKeysym(const_cast<XKeyEvent *>(&event.xkey), 0);
    if (ownWindow_ && (key == XK_Escape || key == XK_q || key == XK_Q))
      closed_ = true;
    break;
  }
  default:
    break;
  }
}

int vXSaver::Run() {
  const Error started = StartDrawing();
  if (started.Failed()) {
    std::fprintf(stderr, "vorlunda: %s\n", started.Message().CStr());
    return windowLost ? kExitOk : kExitFailure;
  }
  while (!stop_.Raised() && !closed_ && !windowLost) {
    HandleEvents();
    if (restart_) {
      restart_ = false;
      if (StartDrawing().Failed())
        break;
    }
    const std::uint32_t now = SteadyTicks();
    const std::uint32_t idle = IdleMs(now);
    if (idle > 0) {
      target_->Present();
      Sleep(idle);
      continue;
    }
    DrawTurn();
  }
  return kExitOk;
}

int RunOnDisplay(const vXSaverOptions &options, const vConfigMgr &config) {
  vXWindowPick pick;
  const Error picked = PickWindow(options, std::getenv("XSCREENSAVER_WINDOW"), pick);
  if (picked.Failed()) {
    std::fprintf(stderr, "vorlunda: %s\n", picked.Message().CStr());
    return kExitFailure;
  }
  Display *display = XOpenDisplay(options.display.IsEmpty() ? nullptr : options.display.CStr());
  if (display == nullptr) {
    std::fprintf(stderr, "vorlunda: cannot open the X display %s\n",
                 options.display.IsEmpty() ? XDisplayName(nullptr) : options.display.CStr());
    return kExitFailure;
  }
  // Set up before the first request, so a signal at once still ends cleanly.
  const vStopSignal stop;
  int status = kExitFailure;
  {
    vXSaver saver(display, config, stop);
    const Error opened = saver.Open(pick);
    if (opened.Failed())
      std::fprintf(stderr, "vorlunda: %s\n", opened.Message().CStr());
    else
      status = saver.Run();
  }
  XCloseDisplay(display);
  return status;
}
