#include "vorlunda/editschm/general.h"

#include "vorlunda/config.h"

namespace {

constexpr std::int32_t kMinPerGroup = 1;
constexpr std::int32_t kMaxClearDelay = 60;

constexpr const char *kNameBlank = "The scheme name must not be blank";
constexpr const char *kNameTooLong = "The scheme name is too long";
constexpr const char *kNameInUse = "The scheme name is already in use";
constexpr const char *kNameHidden =
    "The scheme name is already in use by a stored scheme that this version cannot show";
constexpr const char *kMinPerGroupTooSmall =
    "'Minimum IFS's per group' contains an invalid value.\nIt must be at least 1.";
constexpr const char *kMaxPerGroupBelowMin =
    "'Maximum IFS's per group' contains an invalid value.\nIt must be at least as large as "
    "'Minimum IFS's per group'.";
constexpr const char *kMaxPerGroupTooLarge =
    "'Maximum IFS's per group' contains an invalid value.\nIt must be 1000 or less.";
constexpr const char *kDelayTooLarge =
    "'Delay before clearing screen' contains an invalid value.\nIt must be 60 or less.";

vCheckResult<vGeneralField> Fail(vGeneralField field, const char *message) {
  return CheckFailure(field, String(message));
}

vCheckResult<vGeneralField> CheckGroupSizes(const vGeneralValues &values) {
  if (values.minPerGroup < kMinPerGroup)
    return Fail(vGeneralField::MinPerGroup, kMinPerGroupTooSmall);
  if (values.maxPerGroup < values.minPerGroup)
    return Fail(vGeneralField::MaxPerGroup, kMaxPerGroupBelowMin);
  if (values.maxPerGroup > kMaxPerGroup)
    return Fail(vGeneralField::MaxPerGroup, kMaxPerGroupTooLarge);
  return {};
}

} // namespace

String TrimmedSchemeName(const String &typed) {
  String name = typed;
  name.TrimLeading(' ');
  name.TrimTrailing(' ');
  return name;
}

Error CheckSchemeName(const String &typed, const vConfigMgr &config, std::int32_t position) {
  const String name = TrimmedSchemeName(typed);
  if (name.IsEmpty())
    return MakeError(kNameBlank);
  if (name.Length() > kMaxSchemeNameLength)
    return MakeError(kNameTooLong);
  std::int32_t found = -1;
  if (config.FindScheme(name, &found) != nullptr && found != position)
    return MakeError(kNameInUse);
  // Taking it would write over a value this version left alone on purpose.
  if (config.IsNameHidden(name))
    return MakeError(kNameHidden);
  return Error();
}

vCheckResult<vGeneralField> CheckGeneral(const vGeneralValues &values, const vConfigMgr &config,
                                         std::int32_t position) {
  Error name = CheckSchemeName(values.name, config, position);
  if (name.Failed())
    return {name, vGeneralField::Name};
  if (!values.templated) {
    vCheckResult<vGeneralField> groups = CheckGroupSizes(values);
    if (!groups.Passed())
      return groups;
  }
  // A negative delay cannot be typed: the field refuses the minus sign.
  if (values.clearDelay > kMaxClearDelay)
    return Fail(vGeneralField::ClearDelay, kDelayTooLarge);
  return {};
}
