// vConfigMgr's traffic with the registry: Load and Store.

#include "vorlunda/config.h"

#include "pallwork/regmgr.h"

#include <cstdint>

namespace {

constexpr const char *kNoSchemesMessage = "No schemes were found";

std::uint32_t Flag(bool value) { return value ? 1u : 0u; }

// The general values are optional: an unreadable one leaves its field alone.
void ReadFlag(pwRegistryMgr &registry, const char *name, bool &field) {
  std::uint32_t value = 0;
  if (registry.ReadDword(name, value).Succeeded())
    field = value != 0;
}

Error LaterVersionWarning(std::int32_t ignored) {
  String message("Vorlunda is ignoring ");
  if (ignored == 1) {
    message += "1 scheme which was";
  } else {
    String count;
    count.Format("%d", ignored);
    message += count;
    message += " schemes which were";
  }
  message += " written by a later version";
  return Error(kSeverityWarning, message);
}

} // namespace

void vConfigMgr::ReadGeneral() {
  pwRegistryMgr registry(kConfigKey);
  ReadFlag(registry, kScreenShotsValue, screenShots);
  String directory;
  if (registry.ReadString(kScreenShotDirectoryValue, directory).Succeeded())
    screenShotDirectory = directory;
  ReadFlag(registry, kInfoLineValue, infoLine);
  std::uint32_t version = 0;
  if (registry.ReadDword(kHighestVersionValue, version).Succeeded())
    highestVersion = static_cast<std::int32_t>(version);
}

// Unreadable and corrupt values are skipped without a word; those of a later
// syntax are counted, so the user learns why they are missing.
void vConfigMgr::LoadSchemes(Error &result, std::int32_t &ignored) {
  pwRegistryMgr registry(kSchemesKey);
  for (std::uint32_t index = 0; result.Succeeded(); ++index) {
    bool found = false;
    String name;
    result.Merge(registry.EnumValue(index, found, name));
    if (!found)
      return;
    String text;
    if (registry.ReadString(name, text).Failed())
      continue;
    vScheme scheme;
    const Error parsed = scheme.FromText(text);
    if (parsed.Succeeded())
      SetScheme(name, scheme);
    else if (parsed.Code() == kSchemeVersionTooNewCode)
      ++ignored;
  }
}

Error vConfigMgr::Load() {
  Clear();
  ReadGeneral();
  Error result;
  std::int32_t ignored = 0;
  LoadSchemes(result, ignored);
  if (SchemeCount() == 0)
    result.Merge(MakeError(kNoSchemesMessage));
  if (result.Succeeded() && highestVersion < kNewestSchemeSyntax)
    AddUpgradeSchemes();
  if (result.Severity() < kSeverityWarning && ignored > 0)
    result = LaterVersionWarning(ignored);
  return result;
}

Error vConfigMgr::WriteGeneral() {
  pwRegistryMgr registry(kConfigKey);
  Error result;
  result.Merge(registry.WriteDword(kScreenShotsValue, Flag(screenShots)));
  result.Merge(registry.WriteString(kScreenShotDirectoryValue, screenShotDirectory));
  result.Merge(registry.WriteDword(kInfoLineValue, Flag(infoLine)));
  // Never lowered: a later program may have raised it.
  if (highestVersion < kNewestSchemeSyntax)
    result.Merge(registry.WriteDword(kHighestVersionValue, kNewestSchemeSyntax));
  return result;
}

// Values of schemes that still exist are overwritten; nothing else in the key
// is touched, so corrupt or later-version values survive a Store.
void vConfigMgr::StoreSchemes(Error &result) {
  pwRegistryMgr registry(kSchemesKey);
  while (result.Succeeded() && deletedNames_.Count() > 0) {
    const String name = deletedNames_.RemoveNode(deletedNames_.First());
    result.Merge(registry.DeleteValue(name));
  }
  for (vSchemeIter it(schemes_); !it.AtEnd() && result.Succeeded(); it.Next()) {
    vNameSchemePair &pair = *it.Value();
    result.Merge(registry.WriteString(pair.name, pair.scheme.ToText()));
  }
}

Error vConfigMgr::Store() {
  Error result = WriteGeneral();
  StoreSchemes(result);
  return result;
}
