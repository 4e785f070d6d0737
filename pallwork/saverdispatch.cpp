#include "pallwork/saverdispatch.h"

#include "foundation/ascii.h"

#include <cstdint>

namespace {

constexpr pwSaverDecision kNothing = {pwSaverAction::Nothing, nullptr};

pwSaverDecision DecidePreview(pwArgs &args, pwPlatform &platform) {
  if (args.Count() == 0)
    return kNothing;
  const pwWindowHandle parent = ParseWindowHandle(args.Get(0));
  if (!platform.IsWindow(parent) || parent == platform.DesktopWindow())
    return kNothing;
  args.Remove(0);
  if (args.Count() != 0)
    return kNothing;
  return {pwSaverAction::RunSaver, parent};
}

pwSaverDecision DecidePasswordChange(const pwArgs &args, pwPlatform &platform) {
  if (!platform.IsWindows95Family())
    return kNothing;
  pwWindowHandle parent = args.Count() != 0 ? ParseWindowHandle(args.Get(0)) : nullptr;
  if (parent == nullptr || !platform.IsWindow(parent))
    parent = platform.ForegroundWindow();
  return {pwSaverAction::ChangePassword, parent};
}

} // namespace

char SaverModeLetter(const char *argument) {
  const char first = FoldAsciiLower(argument[0]);
  if (first == '/' || first == '-')
    return FoldAsciiLower(argument[1]);
  return first;
}

pwWindowHandle ParseWindowHandle(const char *text) {
  const char *p = text;
  while (IsAsciiWhiteSpace(*p))
    ++p;
  const bool negative = *p == '-';
  if (*p == '+' || *p == '-')
    ++p;
  const std::uintptr_t limit = static_cast<std::uintptr_t>(INTPTR_MAX) + (negative ? 1u : 0u);
  std::uintptr_t magnitude = 0;
  for (; IsAsciiDigit(*p); ++p) {
    const std::uintptr_t digit = static_cast<std::uintptr_t>(*p - '0');
    if (magnitude > (limit - digit) / 10) {
      magnitude = limit;
      break;
    }
    magnitude = magnitude * 10 + digit;
  }
  // Unsigned negation is the two's-complement bit pattern of the negative value.
  const std::uintptr_t bits = negative ? 0 - magnitude : magnitude;
  return reinterpret_cast<pwWindowHandle>(bits);
}

pwSaverDecision DecideSaverMode(pwArgs &args, pwPlatform &platform) {
  if (args.Count() == 0)
    return {pwSaverAction::Configure, nullptr};
  const char letter = SaverModeLetter(args.Get(0));
  args.Remove(0);
  const bool nothingElse = args.Count() == 0;
  switch (letter) {
  case 's':
    return nothingElse ? pwSaverDecision{pwSaverAction::RunSaver, nullptr} : kNothing;
  case 'p':
    return DecidePreview(args, platform);
  case 'a':
    return DecidePasswordChange(args, platform);
  case 'c':
    return nothingElse ? pwSaverDecision{pwSaverAction::Configure, platform.ForegroundWindow()}
                       : kNothing;
  case '\0':
    return nothingElse ? pwSaverDecision{pwSaverAction::Configure, nullptr} : kNothing;
  default:
    return kNothing;
  }
}
