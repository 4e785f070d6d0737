#pragma once

// The numeric context map of a WinHelp file: the numbers a program passes
// with HELP_CONTEXT, each tied to a topic by the topic's context name. The
// help compiler of old read them from a project's [MAP] section; the writer
// the build uses leaves |CTXOMAP empty, so this fills it afterwards.

#include "hlpfile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace hlp {

struct ContextName {
  std::uint32_t number = 0;
  std::string name;
};

// Lines "<number> <context name>"; '#' starts a comment, blank lines are
// skipped. Numbers and names must each be unique.
bool ParseContextNames(const std::string &text, std::vector<ContextName> &names,
                       std::string &error);

// Builds the map from the names' topics: each name's hash is looked up in
// |CONTEXT. Fails when a name has no topic.
bool ResolveContextMap(const HlpFile &file, const std::vector<ContextName> &names,
                       std::vector<MapEntry> &entries, std::string &error);

// Returns the file's bytes with |CTXOMAP replaced by the given entries,
// sorted by number. The new map goes where the old one was when it fits,
// else to the end of the file, and the old space joins the free list.
bool WriteContextMap(const HlpFile &file, std::vector<MapEntry> entries,
                     std::vector<std::uint8_t> &out, std::string &error);

} // namespace hlp
