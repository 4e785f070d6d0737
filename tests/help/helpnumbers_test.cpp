// The numbers the help source states about schemes, compared with the
// program's own, so a changed limit cannot leave the help behind.

#include "ifs/rulesystem.h"
#include "tests/help/support/helpfiles.h"
#include "vorlunda/editschm/general.h"
#include "vorlunda/presets.h"
#include "vorlunda/schemelimits.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>
#include <string>

namespace {

struct Field {
  double low, high, arrowLow;
  vLowBound lowBound;
  int described = 0;
};

template <typename T> std::pair<std::string, Field> Entry(const vFieldLimits<T> &f) {
  return {f.label, {double(f.low), double(f.high), double(f.arrowLow), f.lowBound}};
}

// Each "\dt \e{Label} (range)" line: the range, and the range with the text
// that explains it, up to the next definition or heading.
struct Definition {
  std::string label, range, all;
};

std::vector<Definition> RangedDefinitions() {
  std::vector<Definition> found;
  std::istringstream lines(ReadText(HelpSourcePath("vorlunda.but")));
  static const std::regex ranged(R"(^\\dt \\e\{([^}]*)\} \((.*)\)\s*$)");
  bool inDefinition = false;
  for (std::string line; std::getline(lines, line);) {
    std::smatch match;
    if (std::regex_match(line, match, ranged)) {
      found.push_back({match[1], match[2], match[2]});
      inDefinition = true;
    } else if (line.rfind("\\dt ", 0) == 0 || line.rfind("\\H", 0) == 0 ||
               line.rfind("\\C", 0) == 0) {
      inDefinition = false;
    } else if (inDefinition) {
      found.back().all += " " + line;
    }
  }
  return found;
}

using Matches = std::sregex_iterator;

TEST(HelpNumbers, EveryFieldRangeMatchesItsLimits) {
  std::map<std::string, Field> fields = {Entry(kSelectionProbabilityLimits),
                                         Entry(kMinPerGroupLimits),
                                         Entry(kMaxPerGroupLimits),
                                         Entry(kClearDelayLimits),
                                         Entry(kMinBrightnessLimits),
                                         Entry(kPointDensityLimits),
                                         Entry(kMinScalingLimits),
                                         Entry(kMaxScalingLimits),
                                         Entry(kCentringLimits),
                                         Entry(kMinRulesLimits),
                                         Entry(kMaxRulesLimits),
                                         Entry(kMaxDiscardsLimits),
                                         Entry(kMinDimensionLimits)};
  static const std::regex span(R"((the minimum|[0-9.]+) to ([0-9.]+))");
  static const std::regex above(R"(above ([0-9.]+) up to ([0-9.]+))");
  static const std::regex arrows(R"(arrows stop at ([0-9.]+))");
  for (const Definition &d : RangedDefinitions()) {
    SCOPED_TRACE(d.label + " (" + d.range + ")");
    auto found = fields.find(d.label);
    if (found == fields.end())
      continue; // a range of something that is not a scheme's field
    Field &field = found->second;
    ++field.described;
    int spans = 0, aboves = 0;
    for (Matches it(d.range.begin(), d.range.end(), span), end; it != end; ++it, ++spans) {
      if ((*it)[1] == "the minimum")
        EXPECT_EQ(field.lowBound, vLowBound::Minimum) << "not the maximum of a pair";
      else // a field that refuses its bound starts where the arrows stop
        EXPECT_EQ(std::stod((*it)[1]),
                  field.lowBound == vLowBound::From ? field.low : field.arrowLow);
      EXPECT_EQ(std::stod((*it)[2]), field.high);
    }
    for (Matches it(d.all.begin(), d.all.end(), above), end; it != end; ++it, ++aboves) {
      EXPECT_EQ(std::stod((*it)[1]), field.low) << "the bound refused";
      EXPECT_EQ(std::stod((*it)[2]), field.high) << "the highest value accepted";
    }
    // A field that refuses its bound says so.
    EXPECT_EQ(aboves > 0, field.lowBound == vLowBound::Above);
    for (Matches it(d.all.begin(), d.all.end(), arrows), end; it != end; ++it)
      EXPECT_EQ(std::stod((*it)[1]), field.arrowLow) << "where the arrows stop";
    EXPECT_GT(spans + aboves, 0) << "states no range";
  }
  for (const auto &[label, field] : fields)
    EXPECT_EQ(field.described, 1) << label << " is described once, with its range";
}

TEST(HelpNumbers, StatedCountsAndDefaultsMatchTheProgram) {
  const std::string source =
      std::regex_replace(ReadText(HelpSourcePath("vorlunda.but")), std::regex(R"(\s+)"), " ");
  const char *const counts[] = {"Zero",  "One",   "Two",  "Three", "Four",   "Five",   "Six",
                                "Seven", "Eight", "Nine", "Ten",   "Eleven", "Twelve", "Thirteen"};
  auto word = [&counts](int n) { return std::string(n < 14 ? counts[n] : "too many"); };
  auto lower = [&word](int n) {
    std::string text = word(n);
    text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
  };
  vScheme scheme;
  const std::string stated[] = {
      "with the settings of the built-in \"" +
          std::string(FillPresetScheme(kNewSchemePreset, scheme)) + "\" scheme",
      word(kPresetCount + kTemplatedDefaultCount) + " schemes are built in. " + word(kPresetCount) +
          " are random schemes",
      "at most " + std::to_string(kMaxSchemeNameLength) + " characters",
      "a row for each of the " + lower(kRuleSystemCount) + " systems",
  };
  for (const std::string &text : stated)
    EXPECT_NE(source.find(text), std::string::npos) << "the help says: " << text;
}

} // namespace
