#include "tests/vorlunda/support/shellcommand.h"

#include <cstdlib>

// The Windows command shell takes only backslashes in a program's path.
std::string ShellPath(std::string path) {
  for (char &c : path)
    c = c == '/' ? '\\' : c;
  return path;
}

// The shell strips the outermost pair of quotes from a line that starts with one.
int RunShellCommand(const std::string &command) {
  return std::system(("\"" + command + "\"").c_str());
}
