#pragma once

#include "foundation/error.h"
#include "foundation/string.h"
#include "ifs/coloursystem.h"
#include "ifs/rulesystem.h"
#include "vorlunda/schemetype.h"

#include <cstdint>

// Oldest and newest syntax of stored scheme texts. Version 12 adds the
// filter-and-option block; a scheme that needs none of it is written as 11
// so that older programs can still read it.
constexpr std::int32_t kOldestSchemeSyntax = 11;
constexpr std::int32_t kNewestSchemeSyntax = 12;

// Code of the Error that FromText returns for a text of a later syntax, so
// the configuration can count such schemes instead of silently dropping them.
constexpr std::int32_t kSchemeVersionTooNewCode = 1;

constexpr const char *kCorruptSchemeMessage = "Corrupt scheme definition";
constexpr const char *kUnrecognizedSyntaxMessage = "Scheme syntax version is unrecognized";

// How many rules a fractal gets when one rule system is chosen.
struct vRuleLimits {
  std::int32_t min = 2;
  std::int32_t max = 2;
};

// What the factory needs to build and draw a group of fractals. A plain value;
// its name is the key it is kept under by the configuration.
class vScheme {
public:
  // Parses one stored text. Fields are assigned as they are read, so after a
  // failure the content is partial and must be discarded.
  Error FromText(const char *text);

  // The stored text; also sets syntaxVersion to the version it is written as.
  // Does not validate.
  String ToText();

  std::int32_t RequiredVersion() const;

  bool IsTemplated() const { return type == vSchemeType::Experimental; }

  std::int32_t syntaxVersion = kOldestSchemeSyntax;
  bool enabled = false;
  std::int32_t selectionProbability = 1;
  double pointDensity = 0.0;
  std::int32_t clearDelay = 0;
  vSchemeType type = vSchemeType::FullRandom;
  ifsColourSystem colourSystem = ifsColourSystem::Solid;
  bool ruleSystemEnabled[kRuleSystemCount] = {};
  vRuleLimits ruleLimits[kRuleSystemCount];
  bool contractiveRules = false;
  bool useFixedPoints = false;
  std::int32_t maxDiscards = 10;
  bool filterEnabled = false;
  double minDimension = 1.0;
  double minScaling = 0.0;
  double maxScaling = 0.0;
  std::int32_t minPerGroup = 1;
  std::int32_t maxPerGroup = 1;
  double centring = 0.0;
  std::int32_t minBrightness = 0;
  String templateName;
};

// Every field equal, the template name compared exactly.
bool operator==(const vScheme &a, const vScheme &b);
inline bool operator!=(const vScheme &a, const vScheme &b) { return !(a == b); }
