#pragma once

#include <string>

// A program's path as the system's command shell takes it.
std::string ShellPath(std::string path);

// Runs a command line through the system's command shell: the program's
// exit code, or -1 when it did not exit by itself.
int RunShellCommand(const std::string &command);
