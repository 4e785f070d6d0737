#include "ifs/win32/floatfault.h"

#include "ifs/floatmasks.h"

#include <windows.h>

#include <csignal>

namespace {

// Raised for vector instructions with several faulting lanes.
constexpr DWORD kFloatMultipleFaults = 0xC00002B4;
constexpr DWORD kFloatMultipleTraps = 0xC00002B5;

bool IsFloatFault(DWORD code) {
  switch (code) {
  case EXCEPTION_FLT_DENORMAL_OPERAND:
  case EXCEPTION_FLT_DIVIDE_BY_ZERO:
  case EXCEPTION_FLT_INEXACT_RESULT:
  case EXCEPTION_FLT_INVALID_OPERATION:
  case EXCEPTION_FLT_OVERFLOW:
  case EXCEPTION_FLT_STACK_CHECK:
  case EXCEPTION_FLT_UNDERFLOW:
  case kFloatMultipleFaults:
  case kFloatMultipleTraps:
    return true;
  default:
    return false;
  }
}

void MaskAll(CONTEXT &context) {
#if defined(_WIN64)
  context.MxCsr = (context.MxCsr | kSseMaskAll) & ~kSseFlags;
  context.FltSave.MxCsr = context.MxCsr;
  context.FltSave.ControlWord |= kX87MaskAll;
  context.FltSave.StatusWord &= static_cast<WORD>(~kX87Flags);
#else
  context.FloatSave.ControlWord |= kX87MaskAll;
  context.FloatSave.StatusWord &= ~static_cast<DWORD>(kX87Flags);
  // MXCSR sits at byte 24 of the extended (FXSAVE) area.
  constexpr int kMxcsrOffset = 24;
  DWORD mxcsr;
  CopyMemory(&mxcsr, context.ExtendedRegisters + kMxcsrOffset, sizeof mxcsr);
  mxcsr = (mxcsr | kSseMaskAll) & ~kSseFlags;
  CopyMemory(context.ExtendedRegisters + kMxcsrOffset, &mxcsr, sizeof mxcsr);
#endif
}

bool IsIntegerFault(DWORD code) {
  return code == EXCEPTION_INT_DIVIDE_BY_ZERO || code == EXCEPTION_INT_OVERFLOW;
}

LONG CALLBACK OnFirstChanceFault(EXCEPTION_POINTERS *pointers) {
  const DWORD code = pointers->ExceptionRecord->ExceptionCode;
  // The runtime maps integer faults to SIGFPE too; a handler that resumes
  // them would re-run the division forever, so they take their usual course.
  if (IsIntegerFault(code))
    std::signal(SIGFPE, SIG_DFL);
  if (!IsFloatFault(code))
    return EXCEPTION_CONTINUE_SEARCH;
  MaskAll(*pointers->ContextRecord);
  return EXCEPTION_CONTINUE_EXECUTION;
}

} // namespace

void InstallFloatFaultFilter() {
  static bool installed = false;
  if (installed)
    return;
  installed = AddVectoredExceptionHandler(1, OnFirstChanceFault) != nullptr;
}
