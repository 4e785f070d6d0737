#include "tests/win32/support/childrun.h"

#include <string>

DWORD RunDisabledTestInChild(const char *test, DWORD timeoutMs) {
  char program[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  std::string line = std::string("\"") + program + "\" --gtest_filter=" + test +
                     " --gtest_also_run_disabled_tests";
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  DWORD code = STILL_ACTIVE;
  if (CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &process)) {
    if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0)
      TerminateProcess(process.hProcess, 1);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  return code;
}
