#pragma once

#include "pallwork/args.h"
#include "pallwork/platform.h"

// What the screen-saver host asked for on the command line.
enum class pwSaverAction {
  Nothing,
  RunSaver,       // full screen with a null parent, else a preview inside it
  Configure,      // the settings dialog, owned by the parent (may be null)
  ChangePassword, // the system's password dialog, owned by the parent
};

struct pwSaverDecision {
  pwSaverAction action;
  pwWindowHandle parent;
};

// Picks the mode from the arguments, consuming the mode argument and, for a
// preview, its window. Asks the platform only about windows and the system
// family; runs nothing.
pwSaverDecision DecideSaverMode(pwArgs &args, pwPlatform &platform);

// The mode letter in lower case: the first character of the argument, or the
// second behind a leading '/' or '-'; 0 for such a prefix alone.
char SaverModeLetter(const char *argument);

// Signed decimal after optional white space; what follows the digits is
// ignored and no digits read as 0. Values beyond a pointer's range saturate
// rather than wrap onto some other window's number.
pwWindowHandle ParseWindowHandle(const char *text);
