// The numbers the help source states about a scheme's fields, read from
// its definition lines and compared with the program's own limits, so a
// changed limit cannot leave the help behind.

#include "ifs/rulesystem.h"
#include "tests/help/support/helpfiles.h"
#include "vorlunda/editschm/general.h"
#include "vorlunda/presets.h"
#include "vorlunda/schemelimits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Field {
  std::string label;
  double low;
  double high;
  double arrowLow;
  vLowBound lowBound;
};

template <typename T> Field FieldOf(const vFieldLimits<T> &limits) {
  return {limits.label, static_cast<double>(limits.low), static_cast<double>(limits.high),
          static_cast<double>(limits.arrowLow), limits.lowBound};
}

std::vector<Field> Fields() {
  return {FieldOf(kSelectionProbabilityLimits),
          FieldOf(kMinPerGroupLimits),
          FieldOf(kMaxPerGroupLimits),
          FieldOf(kClearDelayLimits),
          FieldOf(kMinBrightnessLimits),
          FieldOf(kPointDensityLimits),
          FieldOf(kMinScalingLimits),
          FieldOf(kMaxScalingLimits),
          FieldOf(kCentringLimits),
          FieldOf(kMinRulesLimits),
          FieldOf(kMaxRulesLimits),
          FieldOf(kMaxDiscardsLimits),
          FieldOf(kMinDimensionLimits)};
}

// A definition line "\dt \e{Label} (range)" and the text that explains it,
// up to the next definition or heading, on one line.
struct Definition {
  std::string label;
  std::string range;
  std::string text;
};

std::vector<Definition> RangedDefinitions(const std::string &source) {
  std::vector<Definition> found;
  std::istringstream lines(source);
  std::string line;
  bool inDefinition = false;
  while (std::getline(lines, line)) {
    if (line.rfind("\\dt ", 0) == 0 || line.rfind("\\H", 0) == 0 || line.rfind("\\C", 0) == 0)
      inDefinition = false;
    static const std::regex ranged(R"(^\\dt \\e\{([^}]*)\} \((.*)\)\s*$)");
    std::smatch match;
    if (std::regex_match(line, match, ranged)) {
      found.push_back({match[1], match[2], ""});
      inDefinition = true;
    } else if (inDefinition) {
      found.back().text += " " + line;
    }
  }
  return found;
}

const Field *Find(const std::vector<Field> &fields, const std::string &label) {
  for (const Field &field : fields) {
    if (field.label == label)
      return &field;
  }
  return nullptr;
}

// Every number the definition states, against the field's limits; how many
// it found.
int ExpectNumbersMatch(const Definition &definition, const Field &field) {
  int numbers = 0;
  static const std::regex span(R"((the minimum|[0-9.]+) to ([0-9.]+))");
  for (std::sregex_iterator it(definition.range.begin(), definition.range.end(), span), end;
       it != end; ++it, ++numbers) {
    const std::string from = (*it)[1];
    if (from == "the minimum")
      EXPECT_EQ(field.lowBound, vLowBound::Minimum) << "not the maximum of a pair";
    else
      EXPECT_EQ(std::stod(from), field.lowBound == vLowBound::From ? field.low : field.arrowLow)
          << "where the range starts";
    EXPECT_EQ(std::stod((*it)[2]), field.high) << "where the range ends";
  }
  const std::string all = definition.range + " " + definition.text;
  // A field that refuses its bound must say so, since its range starts
  // where the arrows stop.
  static const std::regex above(R"(above ([0-9.]+) up to ([0-9.]+))");
  int aboves = 0;
  for (std::sregex_iterator it(all.begin(), all.end(), above), end; it != end; ++it, ++aboves) {
    EXPECT_EQ(std::stod((*it)[1]), field.low) << "the lowest value refused";
    EXPECT_EQ(std::stod((*it)[2]), field.high) << "the highest value accepted";
  }
  EXPECT_EQ(aboves > 0, field.lowBound == vLowBound::Above) << "whether the bound is refused";
  numbers += aboves;
  static const std::regex arrows(R"(arrows stop at ([0-9.]+))");
  for (std::sregex_iterator it(all.begin(), all.end(), arrows), end; it != end; ++it, ++numbers)
    EXPECT_EQ(std::stod((*it)[1]), field.arrowLow) << "where the arrows stop";
  return numbers;
}

TEST(HelpNumbers, EveryFieldRangeMatchesItsLimits) {
  const std::vector<Field> fields = Fields();
  std::vector<std::string> described;
  for (const Definition &definition : RangedDefinitions(ReadText(HelpSourcePath("vorlunda.but")))) {
    SCOPED_TRACE(definition.label + " (" + definition.range + ")");
    const Field *field = Find(fields, definition.label);
    if (field == nullptr)
      continue; // a range of something that is not a scheme's field
    EXPECT_GT(ExpectNumbersMatch(definition, *field), 0) << "states no number";
    described.push_back(definition.label);
  }
  for (const Field &field : fields)
    EXPECT_EQ(std::count(described.begin(), described.end(), field.label), 1)
        << field.label << " is described once, with its range";
}

// The help's words for the counts it states.
std::string CountWord(int count) {
  static const char *const words[] = {"zero", "one",    "two",    "three",    "four",
                                      "five", "six",    "seven",  "eight",    "nine",
                                      "ten",  "eleven", "twelve", "thirteen", "fourteen"};
  return count >= 0 && count < 15 ? words[count] : std::to_string(count);
}

std::string Capitalised(std::string word) {
  word[0] = static_cast<char>(word[0] - 'a' + 'A');
  return word;
}

TEST(HelpNumbers, StatedDefaultsMatchTheProgram) {
  std::string source = ReadText(HelpSourcePath("vorlunda.but"));
  source = std::regex_replace(source, std::regex(R"(\s+)"), " ");
  vScheme scheme;
  const std::string firstPreset = FillPresetScheme(kNewSchemePreset, scheme);
  const std::string stated[] = {
      "with the settings of the built-in \"" + firstPreset + "\" scheme",
      Capitalised(CountWord(kPresetCount + kTemplatedDefaultCount)) + " schemes are built in. " +
          Capitalised(CountWord(kPresetCount)) + " are random schemes",
      "The other " + CountWord(kTemplatedDefaultCount) + ",",
      "the " + CountWord(kPresetCount + kTemplatedDefaultCount) + " built-in schemes back",
      "at most " + std::to_string(kMaxSchemeNameLength) + " characters",
      "a row for each of the " + CountWord(kRuleSystemCount) + " systems",
  };
  for (const std::string &text : stated)
    EXPECT_NE(source.find(text), std::string::npos) << "the help says: " << text;
}

} // namespace
