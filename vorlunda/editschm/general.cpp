#include "vorlunda/editschm/general.h"

#include "vorlunda/config.h"
#include "vorlunda/editschm/limitcheck.h"

namespace {

constexpr const char *kNameBlank = "The scheme name must not be blank";
constexpr const char *kNameTooLong = "The scheme name is too long";
constexpr const char *kNameInUse = "The scheme name is already in use";
constexpr const char *kNameHidden =
    "The scheme name is already in use by a stored scheme that this version cannot show";

vCheckResult<vGeneralField> CheckGroupSizes(const vGeneralValues &values) {
  return CheckPair<vGeneralField, std::int32_t>(
      {vGeneralField::MinPerGroup, kMinPerGroupLimits, values.minPerGroup,
       FieldSubject(kMinPerGroupLimits.label)},
      {vGeneralField::MaxPerGroup, kMaxPerGroupLimits, values.maxPerGroup,
       FieldSubject(kMaxPerGroupLimits.label)});
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
  return CheckHigh(vGeneralField::ClearDelay, kClearDelayLimits, values.clearDelay,
                   FieldSubject(kClearDelayLimits.label));
}
