// The saver for X displays: a display program in the conventions of the X
// screen-saver daemons, drawing the same schemes as the Windows saver.
#include "foundation/random.h"
#include "vorlunda/config.h"
#include "vorlunda/configfile.h"
#include "vorlunda/schemelisting.h"
#include "vorlunda/xsaver/display.h"
#include "vorlunda/xsaver/options.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr const char *kProgram = "vorlunda";

void Report(const char *message) { std::fprintf(stderr, "%s: %s\n", kProgram, message); }

void LoadConfiguration(vConfigMgr &config) {
  const String path = ConfigFilePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
  std::vector<String> messages;
  LoadConfigFile(path, config, messages);
  for (const String &message : messages)
    Report(message);
}

} // namespace

int main(int argc, char **argv) {
  vXSaverOptions options;
  const Error parsed = ParseXSaverOptions(argc, argv, options);
  if (parsed.Failed()) {
    Report(parsed.Message());
    return kExitUsage;
  }
  if (options.action == vXAction::Help) {
    std::fputs(XSaverHelp(kProgram), stdout);
    return kExitOk;
  }
  if (options.action == vXAction::Check)
    return PrintCheckedSchemeText(options.checkText) ? kExitOk : kExitFailure;
  vConfigMgr config;
  LoadConfiguration(config);
  if (options.action == vXAction::List) {
    PrintSchemeList(config);
    return kExitOk;
  }
  const Error selected = SelectOneScheme(options.schemeName, String(), config);
  if (selected.Failed()) {
    Report(selected.Message());
    return kExitUsage;
  }
  if (options.info)
    config.infoLine = true;
  SeedRandom(options.hasSeed ? options.seed : static_cast<std::uint32_t>(std::time(nullptr)));
  return RunOnDisplay(options, config);
}
