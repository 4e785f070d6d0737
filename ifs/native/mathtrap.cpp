#include "ifs/mathtrap.h"

#include "ifs/floatmasks.h"

#include <csignal>
#include <cstdint>
#include <ucontext.h>

namespace {

bool IsFloatCode(int code) {
  return code == FPE_FLTDIV || code == FPE_FLTOVF || code == FPE_FLTUND || code == FPE_FLTRES ||
         code == FPE_FLTINV || code == FPE_FLTSUB;
}

// Masks every floating-point exception in the state the faulting instruction
// resumes with, so it runs again and yields the masked result. False where
// the saved state is not known.
bool MaskInResumedState(void *context) {
#if defined(__linux__) && defined(__x86_64__)
  ucontext_t *uc = static_cast<ucontext_t *>(context);
  if (uc->uc_mcontext.fpregs == nullptr)
    return false;
  uc->uc_mcontext.fpregs->mxcsr = (uc->uc_mcontext.fpregs->mxcsr | kSseMaskAll) & ~kSseFlags;
  uc->uc_mcontext.fpregs->cwd |= kX87MaskAll;
  uc->uc_mcontext.fpregs->swd &= static_cast<std::uint16_t>(~kX87Flags);
  return true;
#else
  (void)context;
  return false;
#endif
}

void OnFloatSignal(int, siginfo_t *info, void *context) {
  if (info->si_code <= 0)
    return; // sent, not raised by an instruction: nothing resumes
  if (IsFloatCode(info->si_code) && MaskInResumedState(context))
    return;
  // An integer fault (or one we cannot mask) recurs with the default action.
  std::signal(SIGFPE, SIG_DFL);
}

void InstallHandler() {
  struct sigaction action = {};
  action.sa_sigaction = OnFloatSignal;
  action.sa_flags = SA_SIGINFO;
  sigemptyset(&action.sa_mask);
  sigaction(SIGFPE, &action, nullptr);
}

} // namespace

// Floating-point exceptions stay masked here, as the C library starts them;
// the handler covers code that unmasks them.
void InstallMathTrap() { InstallHandler(); }
