#pragma once

#include "foundation/error.h"
#include "foundation/string.h"
#include "vorlunda/config.h"

// What the command-line programs share about schemes: listing them, checking
// a scheme text and narrowing a configuration to one scheme.

// One line a scheme on standard output: the name, a tab and the stored text.
void PrintSchemeList(const vConfigMgr &config);
// Prints the text as it would be stored, or why it does not read; true when it reads.
bool PrintCheckedSchemeText(const char *text);
// Narrows the configuration to one scheme, enabled, as a test run does: the
// named one, or the one given as text (named "Test"). With neither given,
// the configuration is left as it is.
[[nodiscard]] Error SelectOneScheme(const String &name, const String &text, vConfigMgr &config);
