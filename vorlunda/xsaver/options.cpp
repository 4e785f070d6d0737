#include "vorlunda/xsaver/options.h"

#include <cstdlib>
#include <cstring>

namespace {

enum class Id { Root, Window, WindowId, Info, Scheme, Seed, List, Check, Display, Help };

struct Option {
  const char *name;  // without its dashes
  const char *value; // null for a flag
  const char *help;
  Id id;
};

constexpr Option kOptions[] = {
    {"root", nullptr, "draw on the root window (or the daemon's window)", Id::Root},
    {"window", nullptr, "draw in a window of its own; Escape or q closes it", Id::Window},
    {"window-id", "ID", "draw in the window ID (decimal or 0x hexadecimal)", Id::WindowId},
    {"scheme", "NAME", "draw only the scheme NAME, enabled or not", Id::Scheme},
    {"seed", "N", "start the random numbers from N (0 to 4294967295)", Id::Seed},
    {"info", nullptr, "show the information line", Id::Info},
    {"list", nullptr, "print the schemes and their texts, then end", Id::List},
    {"check", "TEXT", "check a scheme text and print it as stored, then end", Id::Check},
    {"display", "NAME", "the X display to draw on (else $DISPLAY)", Id::Display},
    {"help", nullptr, "print this list, then end", Id::Help},
};

const Option *FindOption(const char *argument) {
  if (argument[0] != '-')
    return nullptr;
  const char *name = argument + (argument[1] == '-' ? 2 : 1);
  if (std::strcmp(argument, "-h") == 0)
    name = "help";
  for (const Option &option : kOptions)
    if (std::strcmp(option.name, name) == 0)
      return &option;
  return nullptr;
}

bool ParseUnsigned(const char *text, int base, std::uint32_t &value) {
  const char *digits = base == 16 ? "0123456789abcdefABCDEF" : "0123456789";
  if (text[0] == '\0' || std::strspn(text, digits) != std::strlen(text))
    return false;
  char *end = nullptr;
  const unsigned long long parsed = std::strtoull(text, &end, base);
  // strtoull saturates on overflow, which the limit below also catches.
  if (*end != '\0' || parsed > 0xffffffffULL)
    return false;
  value = static_cast<std::uint32_t>(parsed);
  return true;
}

// Control characters of the argument are shown as '?', so the message stays
// one line on a terminal whatever was passed.
Error Problem(const char *what, const char *argument) {
  String message(what);
  for (const char *c = argument; *c != '\0'; ++c)
    message += static_cast<unsigned char>(*c) < 0x20 || *c == 0x7f ? '?' : *c;
  message += " (see --help)";
  return MakeError(message);
}

bool ApplyValue(Id id, const char *value, vXSaverOptions &options) {
  switch (id) {
  case Id::WindowId:
    options.window = vXWindowChoice::Given;
    return ParseWindowId(value, options.windowId);
  case Id::Scheme:
    options.schemeName = value;
    return value[0] != '\0';
  case Id::Seed:
    options.hasSeed = true;
    return ParseUnsigned(value, 10, options.seed);
  case Id::Check:
    options.action = vXAction::Check;
    options.checkText = value;
    return true;
  case Id::Display:
    options.display = value;
    return value[0] != '\0';
  default:
    return false;
  }
}

void ApplyFlag(Id id, vXSaverOptions &options) {
  switch (id) {
  case Id::Root:
    options.window = vXWindowChoice::Root;
    break;
  case Id::Window:
    options.window = vXWindowChoice::Own;
    break;
  case Id::Info:
    options.info = true;
    break;
  case Id::List:
    options.action = vXAction::List;
    break;
  default:
    options.action = vXAction::Help;
    break;
  }
}

} // namespace

bool ParseWindowId(const char *text, std::uint32_t &id) {
  const bool hex = text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  std::uint32_t value = 0;
  if (!ParseUnsigned(hex ? text + 2 : text, hex ? 16 : 10, value) || value == 0)
    return false;
  id = value;
  return true;
}

Error ParseXSaverOptions(int argc, const char *const *argv, vXSaverOptions &options) {
  for (int i = 1; i < argc; ++i) {
    const char *argument = argv[i];
    const Option *option = FindOption(argument);
    if (option == nullptr)
      return Problem(argument[0] == '-' ? "unknown option " : "unexpected argument ", argument);
    if (option->value == nullptr) {
      ApplyFlag(option->id, options);
      continue;
    }
    if (i + 1 >= argc)
      return Problem("missing value for ", argument);
    if (!ApplyValue(option->id, argv[++i], options)) {
      String what("invalid value for ");
      what += argument; // a known option: nothing to hide
      what += ": ";
      return Problem(what, argv[i]);
    }
  }
  return Error();
}

String XSaverHelp(const char *program) {
  String help;
  help.Format("usage: %s [options]\n"
              "Draws random fractals, for an X screen-saver daemon or on its own.\n"
              "Options (one dash or two):\n",
              program);
  for (const Option &option : kOptions) {
    String flag("  --");
    flag += option.name;
    if (option.value != nullptr) {
      flag += " ";
      flag += option.value;
    }
    String line;
    line.Format("%-22s %s\n", flag.CStr(), option.help);
    help += line;
  }
  return help;
}

Error PickWindow(const vXSaverOptions &options, const char *daemonWindow, vXWindowPick &pick) {
  if (options.window == vXWindowChoice::Given || options.window == vXWindowChoice::Own) {
    pick.kind = options.window;
    pick.id = options.windowId;
    return Error();
  }
  if (daemonWindow != nullptr && daemonWindow[0] != '\0') {
    if (!ParseWindowId(daemonWindow, pick.id))
      return MakeError(String("invalid XSCREENSAVER_WINDOW: ") + daemonWindow);
    pick.kind = vXWindowChoice::Given;
    return Error();
  }
  pick.kind = options.window == vXWindowChoice::Root ? vXWindowChoice::Root : vXWindowChoice::Own;
  return Error();
}
