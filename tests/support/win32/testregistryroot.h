#pragma once

#include "foundation/string.h"

// Test processes keep their registry keys below this key of the current user,
// one each, so parallel test programs never meet.
constexpr char kTestRegistryParent[] = "Software\\VorlundaTest";

// "Software\VorlundaTest\<process id>"
String UniqueTestRegistryRoot();
