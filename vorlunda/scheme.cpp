#include "vorlunda/scheme.h"

#include "vorlunda/lenientnumber.h"
#include "vorlunda/presets.h"
#include "vorlunda/schemelimits.h"
#include "vorlunda/schemetokenizer.h"

#include <cstdarg>
#include <cstring>

namespace {

// What a version-11 text means for the fields it cannot carry.
constexpr std::int32_t kVersion11MaxDiscards = 10;
constexpr double kVersion11MinDimension = 1.0;

bool ReadHeader(vSchemeTokenizer &fields, vScheme &scheme) {
  String typeName;
  if (!fields.TakeBool(scheme.enabled) || !fields.TakeInt(scheme.selectionProbability) ||
      !WithinLimits(kSelectionProbabilityLimits, scheme.selectionProbability))
    return false;
  if (!fields.TakeDouble(scheme.pointDensity) ||
      !WithinLimits(kPointDensityLimits, scheme.pointDensity))
    return false;
  if (!fields.TakeInt(scheme.clearDelay) || !WithinLimits(kClearDelayLimits, scheme.clearDelay))
    return false;
  if (!fields.TakeText(typeName))
    return false;
  scheme.type = SchemeTypeFromName(typeName);
  return scheme.type == vSchemeType::FullRandom || scheme.type == vSchemeType::Experimental;
}

bool ReadColourSystem(vSchemeTokenizer &fields, vScheme &scheme) {
  String name;
  if (!fields.TakeText(name))
    return false;
  scheme.colourSystem = ColourSystemFromName(name);
  return static_cast<std::int32_t>(scheme.colourSystem) >= 0;
}

bool ReadRuleSystems(vSchemeTokenizer &fields, vScheme &scheme) {
  bool anyEnabled = false;
  for (int i = 0; i < kRuleSystemCount; ++i) {
    vRuleLimits &limits = scheme.ruleLimits[i];
    if (!fields.TakeBool(scheme.ruleSystemEnabled[i]) || !fields.TakeInt(limits.min) ||
        !fields.TakeInt(limits.max))
      return false;
    if (!WithinLimits(kMinRulesLimits, limits.min) || limits.max < limits.min ||
        !WithinLimits(kMaxRulesLimits, limits.max))
      return false;
    anyEnabled = anyEnabled || scheme.ruleSystemEnabled[i];
  }
  return anyEnabled;
}

bool ReadOptions(vSchemeTokenizer &fields, vScheme &scheme) {
  if (scheme.syntaxVersion < kNewestSchemeSyntax) {
    scheme.contractiveRules = false;
    scheme.useFixedPoints = false;
    scheme.maxDiscards = kVersion11MaxDiscards;
    scheme.filterEnabled = false;
    scheme.minDimension = kVersion11MinDimension;
    return true;
  }
  if (!fields.TakeBool(scheme.contractiveRules) || !fields.TakeBool(scheme.useFixedPoints))
    return false;
  if (!fields.TakeInt(scheme.maxDiscards) || !WithinLimits(kMaxDiscardsLimits, scheme.maxDiscards))
    return false;
  return fields.TakeBool(scheme.filterEnabled) && fields.TakeDouble(scheme.minDimension) &&
         WithinLimits(kMinDimensionLimits, scheme.minDimension);
}

bool ReadPlacement(vSchemeTokenizer &fields, vScheme &scheme) {
  if (!fields.TakeDouble(scheme.minScaling) || !fields.TakeDouble(scheme.maxScaling))
    return false;
  if (!WithinLimits(kMinScalingLimits, scheme.minScaling) ||
      !(scheme.minScaling <= scheme.maxScaling) ||
      !WithinLimits(kMaxScalingLimits, scheme.maxScaling))
    return false;
  if (!fields.TakeInt(scheme.minPerGroup) || !fields.TakeInt(scheme.maxPerGroup))
    return false;
  if (!WithinLimits(kMinPerGroupLimits, scheme.minPerGroup) ||
      scheme.maxPerGroup < scheme.minPerGroup ||
      !WithinLimits(kMaxPerGroupLimits, scheme.maxPerGroup))
    return false;
  return fields.TakeDouble(scheme.centring) && WithinLimits(kCentringLimits, scheme.centring);
}

// The last field runs to the end of the text; a comma there means a field too many.
bool ReadBrightness(const vSchemeTokenizer &fields, vScheme &scheme) {
  if (std::strchr(fields.Rest(), ',') != nullptr)
    return false;
  scheme.minBrightness = ReadLenientInt(fields.Rest());
  return WithinLimits(kMinBrightnessLimits, scheme.minBrightness);
}

Error Corrupt() { return MakeError(kCorruptSchemeMessage); }

// Each piece is formatted on its own: the text may exceed one format buffer
// when a double is huge, a piece never does.
void AppendFormat(String &text, const char *format, ...) VORLUNDA_PRINTF_FORMAT(2, 3);
void AppendFormat(String &text, const char *format, ...) {
  String piece;
  std::va_list args;
  va_start(args, format);
  piece.FormatV(format, args);
  va_end(args);
  text += piece;
}

void AppendName(String &text, const char *name) {
  text += ",";
  text += name != nullptr ? name : "";
}

int Flag(bool value) { return value ? 1 : 0; }

void AppendRandomFields(String &text, const vScheme &scheme) {
  AppendName(text, ColourSystemName(scheme.colourSystem));
  for (int i = 0; i < kRuleSystemCount; ++i)
    AppendFormat(text, ",%d,%d,%d", Flag(scheme.ruleSystemEnabled[i]), scheme.ruleLimits[i].min,
                 scheme.ruleLimits[i].max);
  if (scheme.syntaxVersion >= kNewestSchemeSyntax) {
    AppendFormat(text, ",%d,%d,%d", Flag(scheme.contractiveRules), Flag(scheme.useFixedPoints),
                 scheme.maxDiscards);
    AppendFormat(text, ",%d", Flag(scheme.filterEnabled));
    AppendFormat(text, ",%lf", scheme.minDimension);
  }
  AppendFormat(text, ",%lf,%lf", scheme.minScaling, scheme.maxScaling);
  AppendFormat(text, ",%d,%d", scheme.minPerGroup, scheme.maxPerGroup);
  AppendFormat(text, ",%lf", scheme.centring);
  AppendFormat(text, ",%d", scheme.minBrightness);
}

} // namespace

Error vScheme::FromText(const char *text) {
  vSchemeTokenizer fields(text);
  if (!fields.TakeInt(syntaxVersion) || syntaxVersion < kOldestSchemeSyntax)
    return Corrupt();
  if (syntaxVersion > kNewestSchemeSyntax)
    return MakeError(kUnrecognizedSyntaxMessage, kSchemeVersionTooNewCode);
  if (!ReadHeader(fields, *this))
    return Corrupt();
  if (IsTemplated()) {
    SetUnstoredTemplateFields(*this);
    templateName = fields.Rest();
    return Error();
  }
  if (!ReadColourSystem(fields, *this) || !ReadRuleSystems(fields, *this) ||
      !ReadOptions(fields, *this) || !ReadPlacement(fields, *this) ||
      !ReadBrightness(fields, *this))
    return Corrupt();
  return Error();
}

String vScheme::ToText() {
  syntaxVersion = RequiredVersion();
  String text;
  AppendFormat(text, "%d", syntaxVersion);
  AppendFormat(text, ",%d", Flag(enabled));
  AppendFormat(text, ",%d", selectionProbability);
  AppendFormat(text, ",%lf", pointDensity);
  AppendFormat(text, ",%d", clearDelay);
  AppendName(text, SchemeTypeName(type));
  if (IsTemplated()) {
    AppendName(text, templateName);
    return text;
  }
  AppendRandomFields(text, *this);
  return text;
}

std::int32_t vScheme::RequiredVersion() const {
  if (!IsTemplated() && (contractiveRules || useFixedPoints || filterEnabled))
    return kNewestSchemeSyntax;
  return kOldestSchemeSyntax;
}

bool operator==(const vScheme &a, const vScheme &b) {
  for (int i = 0; i < kRuleSystemCount; ++i) {
    if (a.ruleSystemEnabled[i] != b.ruleSystemEnabled[i] ||
        a.ruleLimits[i].min != b.ruleLimits[i].min || a.ruleLimits[i].max != b.ruleLimits[i].max)
      return false;
  }
  return a.syntaxVersion == b.syntaxVersion && a.enabled == b.enabled &&
         a.selectionProbability == b.selectionProbability && a.pointDensity == b.pointDensity &&
         a.clearDelay == b.clearDelay && a.type == b.type && a.colourSystem == b.colourSystem &&
         a.contractiveRules == b.contractiveRules && a.useFixedPoints == b.useFixedPoints &&
         a.maxDiscards == b.maxDiscards && a.filterEnabled == b.filterEnabled &&
         a.minDimension == b.minDimension && a.minScaling == b.minScaling &&
         a.maxScaling == b.maxScaling && a.minPerGroup == b.minPerGroup &&
         a.maxPerGroup == b.maxPerGroup && a.centring == b.centring &&
         a.minBrightness == b.minBrightness && std::strcmp(a.templateName, b.templateName) == 0;
}
