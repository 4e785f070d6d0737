#pragma once

#include <cstdint>

// Every window of the settings that has a help topic, with the number it
// passes to the viewer, the topic's name in help/vorlunda.but and the page
// of the HTML Help file that holds it. This is the one list: the build writes
// the WinHelp context map from it, the viewer takes its pages from it, and
// each dialog shows its sheets in the order they stand here. A sheet with
// number 0 has no topic of its own.
//   X(window, number, topic name, page)
#define VORLUNDA_SETTINGS_SHEETS(X)                                                                \
  X(SchemesSheet, 257, "schemessheet", "schemessheet.html")                                        \
  X(GeneralSheet, 258, "generalsheet", "generalsheet.html")                                        \
  X(AboutSheet, 0, nullptr, nullptr)

#define VORLUNDA_EDITSCHEME_SHEETS(X)                                                              \
  X(EditGeneralSheet, 260, "editgeneral", "editgeneral.html")                                      \
  X(EditDrawingSheet, 261, "editdrawing", "editdrawing.html")                                      \
  X(EditRulesSheet, 262, "editrules", "editrules.html")                                            \
  X(EditFilterSheet, 263, "editfilter", "editfilter.html")

#define VORLUNDA_HELP_WINDOWS(X)                                                                   \
  X(SettingsDialog, 256, "settings", "settings.html")                                              \
  VORLUNDA_SETTINGS_SHEETS(X)                                                                      \
  X(EditSchemeDialog, 259, "editscheme", "editscheme.html")                                        \
  VORLUNDA_EDITSCHEME_SHEETS(X)

#define VORLUNDA_HELP_WINDOW_ID(window, number, name, page) window,
enum class vHelpWindow { VORLUNDA_HELP_WINDOWS(VORLUNDA_HELP_WINDOW_ID) };
#undef VORLUNDA_HELP_WINDOW_ID

struct vHelpTopic {
  vHelpWindow window;
  std::uint32_t context; // 0: none
  const char *name;      // null without a topic
  const char *page;      // likewise
};

#define VORLUNDA_HELP_TOPIC_ROW(window, number, name, page)                                        \
  {vHelpWindow::window, number, name, page},
inline constexpr vHelpTopic kHelpTopics[] = {VORLUNDA_HELP_WINDOWS(VORLUNDA_HELP_TOPIC_ROW)};
#undef VORLUNDA_HELP_TOPIC_ROW

inline constexpr int kHelpTopicCount = static_cast<int>(sizeof kHelpTopics / sizeof kHelpTopics[0]);

constexpr std::uint32_t HelpContextOf(vHelpWindow window) {
  return kHelpTopics[static_cast<int>(window)].context;
}

// The HTML Help page for a number a window passes, or null for one the help
// does not know.
const char *HelpPageOf(std::uint32_t context);
