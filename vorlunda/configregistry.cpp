// vConfigMgr's traffic with the registry: Load and Store.

#include "vorlunda/config.h"

#include "pallwork/regmgr.h"
#include "pallwork/regundo.h"

#include <cassert>
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
  pwRegistryMgr registry(kConfigKey, pwRegAccess::ReadOnly);
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
// syntax are counted, so the user learns why they are missing. The names of
// both stay taken, so nothing here ever writes over them.
void vConfigMgr::LoadSchemes(Error &result, std::int32_t &ignored) {
  pwRegistryMgr registry(kSchemesKey, pwRegAccess::ReadOnly);
  for (std::uint32_t index = 0; result.Succeeded(); ++index) {
    bool found = false;
    String name;
    result.Merge(registry.EnumValue(index, found, name));
    if (!found)
      return;
    String text;
    if (registry.ReadString(name, text).Succeeded()) {
      vScheme scheme;
      const Error parsed = scheme.FromText(text);
      if (parsed.Succeeded()) {
        SetScheme(name, scheme);
        continue;
      }
      if (parsed.Code() == kSchemeVersionTooNewCode)
        ++ignored;
    }
    HideName(name);
  }
}

Error vConfigMgr::Load() {
  Clear();
  ReadGeneral();
  Error result;
  std::int32_t ignored = 0;
  LoadSchemes(result, ignored);
  // Schemes of a later version are schemes: a list of nothing else is
  // reported as such, not as a first run.
  if (SchemeCount() == 0 && ignored == 0)
    result.Merge(MakeError(kNoSchemesMessage));
  if (result.Succeeded() && highestVersion < kNewestSchemeSyntax)
    AddUpgradeSchemes();
  if (result.Severity() < kSeverityWarning && ignored > 0)
    result = LaterVersionWarning(ignored);
  return result;
}

Error vConfigMgr::WriteGeneral(pwRegistryUndo &general) const {
  Error result;
  result.Merge(general.WriteDword(kScreenShotsValue, Flag(screenShots)));
  if (result.Succeeded())
    result.Merge(general.WriteString(kScreenShotDirectoryValue, screenShotDirectory));
  if (result.Succeeded())
    result.Merge(general.WriteDword(kInfoLineValue, Flag(infoLine)));
  // Never lowered: a later program may have raised it.
  if (result.Succeeded() && highestVersion < kNewestSchemeSyntax)
    result.Merge(general.WriteDword(kHighestVersionValue, kNewestSchemeSyntax));
  return result;
}

// Values of schemes that still exist are overwritten; nothing else in the key
// is touched, so corrupt or later-version values survive a Store.
Error vConfigMgr::WriteSchemes(pwRegistryUndo &schemes) {
  Error result;
  for (vSchemeIter it(schemes_); !it.AtEnd() && result.Succeeded(); it.Next()) {
    vNameSchemePair &pair = *it.Value();
    assert(!IsNameHidden(pair.name) && "a hidden value is never overwritten");
    result.Merge(schemes.WriteString(pair.name, pair.scheme.ToText()));
  }
  return result;
}

Error vConfigMgr::DeleteRemovedSchemes(pwRegistryUndo &schemes) const {
  Error result;
  for (SkipIter<String> it(deletedNames_); !it.AtEnd() && result.Succeeded(); it.Next())
    result.Merge(schemes.DeleteValue(it.Value()));
  return result;
}

// Every new value is in place before an old one goes, and the general values
// come last, so a failure part way leaves the user's schemes readable even
// where putting things back fails as well.
Error vConfigMgr::Store() {
  pwRegistryMgr schemesKey(kSchemesKey);
  pwRegistryUndo schemes(schemesKey);
  Error result = WriteSchemes(schemes);
  if (result.Succeeded())
    result.Merge(DeleteRemovedSchemes(schemes));
  if (result.Succeeded()) {
    pwRegistryMgr generalKey(kConfigKey);
    pwRegistryUndo general(generalKey);
    result.Merge(WriteGeneral(general));
    if (result.Failed())
      general.RollBack();
  }
  if (result.Failed()) {
    schemes.RollBack();
    return result;
  }
  deletedNames_.Clear();
  return result;
}
