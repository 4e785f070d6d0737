#pragma once

#include "foundation/string.h"
#include "vorlunda/config.h"

#include <vector>

// Where there is no registry, the configuration is a text file laid out as
// the registry key is (see pallwork/fileregistry.h): the general values, then
// a "[Schemes]" line and one "name = stored scheme text" line a scheme, so a
// scheme can be copied between the two by hand.

// $configHome/vorlunda/vorlunda.conf, or $home/.config/vorlunda/vorlunda.conf
// when configHome is unset, empty or not absolute; empty when neither is usable.
String ConfigFilePath(const char *configHome, const char *home);

// Loads the configuration kept in the file at `path`; the file is only read.
// Each line skipped (it does not read, or its scheme text does not) adds a
// message "PATH:LINE: skipped: REASON" to `messages`, as does anything else
// the user should hear of. Without a file, or without a usable scheme in it,
// the built-in schemes are used with the file's general values.
void LoadConfigFile(const char *path, vConfigMgr &config, std::vector<String> &messages);
