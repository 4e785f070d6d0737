#pragma once

#include <string>

// The built saver as a Windows path, from VORLUNDA_SCR.
std::string ProgramPath();
