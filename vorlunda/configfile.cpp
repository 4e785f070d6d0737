#include "vorlunda/configfile.h"

#include "pallwork/fileregistry.h"
#include "pallwork/regmgr.h"

#include <cstdint>

namespace {

constexpr const char *kConfigDirectory = "/vorlunda/vorlunda.conf";
constexpr const char *kHomeConfigDirectory = "/.config";
constexpr const char *kNotText = "a number where a scheme text belongs";

String LineMessage(const char *path, int line, const char *reason) {
  String message;
  message.Format("%s:%d: skipped: ", path, line);
  message += reason;
  return message;
}

// The registry loader drops unreadable schemes without a word; here the
// user edits the file by hand, so each one is named by its line.
void ReportUnreadableSchemes(pwFileRegistry &file, const char *path,
                             std::vector<String> &messages) {
  pwRegistryMgr registry(kSchemesKey, file);
  for (std::uint32_t index = 0;; ++index) {
    bool found = false;
    String name;
    if (registry.EnumValue(index, found, name).Failed() || !found)
      return;
    const int line = file.LineOf(kSchemesKey, name);
    String text;
    if (registry.ReadString(name, text).Failed()) {
      messages.push_back(LineMessage(path, line, kNotText));
      continue;
    }
    vScheme scheme;
    const Error parsed = scheme.FromText(text);
    // Later versions' schemes are counted by the loader's own warning.
    if (parsed.Failed() && parsed.Code() != kSchemeVersionTooNewCode)
      messages.push_back(LineMessage(path, line, parsed.Message()));
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
  for (const pwFileProblem &problem : file.Problems())
    messages.push_back(LineMessage(path, problem.line, problem.reason));
  ReportUnreadableSchemes(file, path, messages);

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
