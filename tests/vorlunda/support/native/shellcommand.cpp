#include "tests/vorlunda/support/shellcommand.h"

#include <cstdlib>

#include <sys/wait.h>

std::string ShellPath(std::string path) { return path; }

int RunShellCommand(const std::string &command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
