#pragma once

// The help file beside the program; the viewer finds it in the program's folder.
constexpr const char *kHelpFileName = "Vorlu12.hlp";
