#include "vorlunda/schemelisting.h"

#include <cstdio>

namespace {

constexpr const char *kTestSchemeName = "Test";

} // namespace

void PrintSchemeList(const vConfigMgr &config) {
  for (vSchemeIter it(config.Schemes()); !it.AtEnd(); it.Next()) {
    vScheme copy = it.Value()->scheme;
    std::printf("%s\t%s\n", it.Value()->name.CStr(), copy.ToText().CStr());
  }
}

bool PrintCheckedSchemeText(const char *text) {
  vScheme scheme;
  const Error parsed = scheme.FromText(text);
  if (parsed.Failed()) {
    std::printf("%s\n", parsed.Message().CStr());
    return false;
  }
  std::printf("%s\n", scheme.ToText().CStr());
  return true;
}

Error SelectOneScheme(const String &name, const String &text, vConfigMgr &config) {
  String chosen;
  vScheme scheme;
  if (!text.IsEmpty()) {
    const Error parsed = scheme.FromText(text);
    if (parsed.Failed())
      return parsed;
    chosen = kTestSchemeName;
  } else if (!name.IsEmpty()) {
    const vNameSchemePair *pair = config.FindScheme(name);
    if (pair == nullptr)
      return MakeError(String("unknown scheme ") + name.CStr());
    chosen = pair->name;
    scheme = pair->scheme;
  } else {
    return Error();
  }
  vConfigMgr single;
  single.CopyGeneral(config);
  scheme.enabled = true;
  single.SetScheme(chosen, scheme);
  config.AssignFrom(single);
  return Error();
}
