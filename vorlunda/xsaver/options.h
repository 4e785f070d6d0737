#pragma once

#include "foundation/error.h"
#include "foundation/string.h"

#include <cstdint>

// The command line of the saver for X displays, in the conventions of the
// display programs an X screen-saver daemon runs. Every option may be
// written with one dash or two: the daemon rewrites one into the other.

enum class vXAction { Run, List, Check, Help };

// Where the drawing goes, as asked on the command line.
enum class vXWindowChoice { Unset, Root, Own, Given };

struct vXSaverOptions {
  vXAction action = vXAction::Run;
  vXWindowChoice window = vXWindowChoice::Unset;
  std::uint32_t windowId = 0; // with Given
  bool info = false;
  String schemeName;
  bool hasSeed = false;
  std::uint32_t seed = 0;
  String checkText;
  String display; // empty: $DISPLAY
};

// A failed result carries the one line that tells what is wrong.
[[nodiscard]] Error ParseXSaverOptions(int argc, const char *const *argv, vXSaverOptions &options);

// Every option with its value and what it does, one a line.
String XSaverHelp(const char *program);

// Decimal or 0x hexadecimal, as window ids are written; 0 is no window.
bool ParseWindowId(const char *text, std::uint32_t &id);

// The window the saver draws into, from the options and the daemon's
// $XSCREENSAVER_WINDOW (null when unset): a window named on the command line
// or a window of its own when asked for; else the daemon's window when there
// is one; else the root window with --root, or a window of its own.
struct vXWindowPick {
  vXWindowChoice kind = vXWindowChoice::Own; // Root, Own or Given
  std::uint32_t id = 0;                      // with Given
};
[[nodiscard]] Error PickWindow(const vXSaverOptions &options, const char *daemonWindow,
                               vXWindowPick &pick);
