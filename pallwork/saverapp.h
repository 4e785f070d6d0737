#pragma once

#include "pallwork/args.h"
#include "pallwork/windowhandle.h"

#include <cstdint>

// The program's one application object. Construction carries out the whole
// command line: the saver, its preview, the settings dialog or the password
// change run to completion before the constructor returns.
class pwScreenSaverApp : public pwArgs {
public:
  pwScreenSaverApp(const char *commandLine, int showCommand);

  std::int32_t ExitCode() const { return exitCode_; }

  // The product defines these two; the library only decides when they run.
  // A null parent runs the saver full screen, any other a preview inside it.
  std::int32_t RunSaver(int showCommand, pwWindowHandle parent);
  void Configure(pwWindowHandle parent);

  void ChangePassword(pwWindowHandle parent);

private:
  std::int32_t exitCode_ = 0;
};
