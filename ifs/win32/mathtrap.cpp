#include "ifs/mathtrap.h"

#include "ifs/win32/floatfault.h"

#include <float.h>
#include <math.h>

#include <csignal>

namespace {

// The runtime resets the handler to the default before calling it.
extern "C" void OnFloatSignal(int) {
  std::signal(SIGFPE, OnFloatSignal);
  _fpreset();
}

// Reporting every library error as handled keeps the runtime silent.
int __cdecl OnMathError(struct _exception *) { return 1; }

} // namespace

void InstallMathTrap() {
  // On 64-bit Windows a signal handler cannot change the state the faulting
  // instruction resumes with, so a filter in front of it masks the fault.
  InstallFloatFaultFilter();
  std::signal(SIGFPE, OnFloatSignal);
  __setusermatherr(OnMathError);
}
