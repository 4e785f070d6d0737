#pragma once

#include <string>
#include <vector>

// Stored texts of every built-in scheme, as the program must write them.
struct SchemeSample {
  const char *name;
  const char *text;
};

extern const SchemeSample kPresetTexts[9];
extern const SchemeSample kTemplatedTexts[4];

// Valid texts of every shape: the built-in ones and a few hand-made ones.
std::vector<std::string> ValidSchemeTexts();

// Splitting at every comma and joining again, to edit single fields.
std::vector<std::string> SplitFields(const std::string &text);
std::string JoinFields(const std::vector<std::string> &fields);
