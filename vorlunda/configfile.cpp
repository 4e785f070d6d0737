#include "vorlunda/configfile.h"

#include "pallwork/fileregistry.h"
#include "pallwork/regmgr.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr const char *kConfigDirectory = "/vorlunda/vorlunda.conf";
constexpr const char *kHomeConfigDirectory = "/.config";
constexpr const char *kNotText = "a number where a scheme text belongs";
constexpr const char *kNotNumber = "the setting takes a whole number";
constexpr const char *kNotDirectory = "the setting takes a folder, not a number";
constexpr const char *kUnknownSetting = "no such setting";
constexpr const char *kUnknownSection = "no such section; the one section is [Schemes]";

bool SameName(const char *a, const char *b) { return CompareNamesNoCase(a, b) == 0; }

// A skipped line's message, kept with its number so they are told in order.
struct Skipped {
  int line;
  String reason;
};
using SkippedLines = std::vector<Skipped>;

// The registry loader drops unreadable schemes without a word; here the
// user edits the file by hand, so each one is named by its line.
void ReportUnreadableSchemes(pwFileRegistry &file, SkippedLines &skipped) {
  pwRegistryMgr registry(kSchemesKey, file);
  for (std::uint32_t index = 0;; ++index) {
    bool found = false;
    String name;
    if (registry.EnumValue(index, found, name).Failed() || !found)
      return;
    const int line = file.LineOf(kSchemesKey, name);
    String text;
    if (registry.ReadString(name, text).Failed()) {
      skipped.push_back({line, kNotText});
      continue;
    }
    vScheme scheme;
    const Error parsed = scheme.FromText(text);
    // Later versions' schemes are counted by the loader's own warning.
    if (parsed.Failed() && parsed.Code() != kSchemeVersionTooNewCode)
      skipped.push_back({line, parsed.Message()});
  }
}

// The loader leaves general values it cannot use alone; a hand-edited file
// is told which of its lines those are.
void ReportUnusableSettings(pwFileRegistry &file, SkippedLines &skipped) {
  pwRegistryMgr general(kConfigKey, file);
  for (const pwFileValue &value : file.Values()) {
    const char *problem = nullptr;
    std::uint32_t number = 0;
    String text;
    if (SameName(value.key, kSchemesKey))
      continue;
    if (!SameName(value.key, kConfigKey))
      problem = kUnknownSection;
    else if (SameName(value.name, kScreenShotDirectoryValue))
      problem = general.ReadString(value.name, text).Failed() ? kNotDirectory : nullptr;
    else if (SameName(value.name, kScreenShotsValue) || SameName(value.name, kInfoLineValue) ||
             SameName(value.name, kHighestVersionValue))
      problem = general.ReadDword(value.name, number).Failed() ? kNotNumber : nullptr;
    else
      problem = kUnknownSetting;
    if (problem != nullptr)
      skipped.push_back({value.line, problem});
  }
}

} // namespace

String ConfigFilePath(const char *configHome, const char *home) {
  String path;
  if (configHome != nullptr && configHome[0] == '/') {
    path = configHome;
  } else if (home != nullptr && home[0] != '\0') {
    path = home;
    path += kHomeConfigDirectory;
  } else {
    return path;
  }
  path += kConfigDirectory;
  return path;
}

void LoadConfigFile(const char *path, vConfigMgr &config, std::vector<String> &messages) {
  pwFileRegistry file(kConfigKey);
  if (path != nullptr && path[0] != '\0') {
    const Error read = file.ReadFile(path);
    if (read.Failed())
      messages.push_back(read.Message());
  }
  SkippedLines skipped;
  for (const pwFileProblem &problem : file.Problems())
    skipped.push_back({problem.line, problem.reason});
  ReportUnusableSettings(file, skipped);
  ReportUnreadableSchemes(file, skipped);
  std::stable_sort(skipped.begin(), skipped.end(),
                   [](const Skipped &a, const Skipped &b) { return a.line < b.line; });
  for (const Skipped &line : skipped) {
    String message;
    message.Format("%s:%d: skipped: ", path, line.line);
    message += line.reason;
    messages.push_back(message);
  }

  SetDefaultRegistryBackend(&file);
  const Error loaded = config.Load();
  SetDefaultRegistryBackend(nullptr);
  if (loaded.Failed()) {
    vConfigMgr general;
    general.CopyGeneral(config);
    config.Clear();
    config.RestoreDefaults();
    config.CopyGeneral(general);
  } else if (loaded.Severity() >= kSeverityWarning) {
    messages.push_back(loaded.Message());
  }
}
