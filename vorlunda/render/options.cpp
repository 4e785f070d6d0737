#include "vorlunda/render/options.h"

#include "vorlunda/picturerecord.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

constexpr long kMaxGroups = 1000000;

bool ParseNumber(const char *text, long min, long max, long &value) {
  if (text == nullptr || *text < '0' || *text > '9')
    return false;
  char *end = nullptr;
  errno = 0;
  const unsigned long long parsed = std::strtoull(text, &end, 10);
  if (errno != 0 || *end != '\0' || parsed < static_cast<unsigned long long>(min) ||
      parsed > static_cast<unsigned long long>(max))
    return false;
  value = static_cast<long>(parsed);
  return true;
}

bool ParseSize(const char *text, int &width, int &height) {
  const char *cross = std::strchr(text, 'x');
  if (cross == nullptr)
    return false;
  String left(text);
  left.ReplaceMid(static_cast<int>(cross - text), left.Length(), "");
  long w = 0, h = 0;
  if (!ParseNumber(left, 1, kMaxPictureSide, w) || !ParseNumber(cross + 1, 1, kMaxPictureSide, h))
    return false;
  width = static_cast<int>(w);
  height = static_cast<int>(h);
  return true;
}

Error Usage(const char *reason, const char *option) {
  String message(reason);
  message += option;
  return MakeError(message);
}

// Options taking a value; returns false for an unknown option.
bool ApplyValue(const char *option, const char *value, vRenderOptions &options, bool &valid) {
  long number = 0;
  valid = true;
  if (std::strcmp(option, "--check") == 0) {
    options.action = vRenderAction::Check;
    options.checkText = value;
  } else if (std::strcmp(option, "--scheme") == 0) {
    options.schemeName = value;
  } else if (std::strcmp(option, "--scheme-text") == 0) {
    options.schemeText = value;
  } else if (std::strcmp(option, "--seed") == 0) {
    valid = ParseNumber(value, 0, 0xffffffffL, number);
    options.hasSeed = true;
    options.seed = static_cast<std::uint32_t>(number);
  } else if (std::strcmp(option, "--size") == 0) {
    valid = ParseSize(value, options.width, options.height);
    options.hasSize = true;
  } else if (std::strcmp(option, "--groups") == 0) {
    valid = ParseNumber(value, 1, kMaxGroups, number);
    options.groups = static_cast<int>(number);
  } else if (std::strcmp(option, "--depth") == 0) {
    valid = ParseNumber(value, 8, 24, number) && (number == 8 || number == 24);
    options.depth = static_cast<int>(number);
  } else if (std::strcmp(option, "--replay") == 0) {
    options.action = vRenderAction::Replay;
    options.replayPath = value;
  } else if (std::strcmp(option, "--record") == 0) {
    options.recordPath = value;
  } else if (std::strcmp(option, "-o") == 0) {
    options.output = value;
  } else {
    return false;
  }
  return true;
}

bool ApplyFlag(const char *option, vRenderOptions &options) {
  if (std::strcmp(option, "--list") == 0)
    options.action = vRenderAction::List;
  else if (std::strcmp(option, "--info") == 0)
    options.info = true;
  else if (std::strcmp(option, "--defaults") == 0)
    options.defaults = true;
  else
    return false;
  return true;
}

} // namespace

Error ParseRenderOptions(int argc, const char *const *argv, vRenderOptions &options) {
  for (int i = 1; i < argc; ++i) {
    const char *option = argv[i];
    if (ApplyFlag(option, options))
      continue;
    bool valid = true;
    const char *value = i + 1 < argc ? argv[i + 1] : nullptr;
    vRenderOptions probe;
    if (!ApplyValue(option, "", probe, valid))
      return Usage("unknown option ", option);
    if (value == nullptr)
      return Usage("missing value for ", option);
    if (!ApplyValue(option, value, options, valid) || !valid)
      return Usage("invalid value for ", option);
    ++i;
  }
  if (!options.schemeName.IsEmpty() && !options.schemeText.IsEmpty())
    return MakeError("--scheme and --scheme-text exclude each other");
  const bool draws = options.action == vRenderAction::Draw;
  if ((draws || options.action == vRenderAction::Replay) && options.output.IsEmpty())
    return MakeError("-o FILE is required when drawing");
  if (options.action == vRenderAction::Replay &&
      (!options.schemeName.IsEmpty() || !options.schemeText.IsEmpty() || options.hasSeed ||
       !options.recordPath.IsEmpty()))
    return MakeError("--replay draws what its record says: no --scheme, --seed or --record");
  return Error();
}
