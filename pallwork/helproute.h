#pragma once

#include <cstdint>
#include <string>

// Which help viewer answers a request, and with what. WinHelp is the viewer
// of the systems before Vista; from Vista on it is gone, and the same
// topics are opened from the HTML Help file made from the same source.
// Both files sit beside the program: a bare file name would be found only
// when the program's folder happens to be current, or in the system folder.

struct pwSystemVersion {
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
};

enum class pwHelpAction { Contents, Topic, Close };
enum class pwHelpViewerKind { WinHelpViewer, HtmlHelpViewer };
// The viewer's own commands: WinHelp's HELP_CONTENTS, HELP_CONTEXT and
// HELP_QUIT; HTML Help's HH_DISPLAY_TOC, HH_DISPLAY_TOPIC and HH_CLOSE_ALL.
enum class pwHelpCommand { Contents, Context, Quit, DisplayToc, DisplayTopic, CloseAll };

struct pwHelpCall {
  pwHelpViewerKind viewer = pwHelpViewerKind::WinHelpViewer;
  pwHelpCommand command = pwHelpCommand::Contents;
  std::string file; // full path; for a topic in HTML Help "<file>::/<page>"; empty for CloseAll
  std::uint32_t data = 0; // the context number for HELP_CONTEXT, else 0
};

bool pwSystemHasWinHelp(pwSystemVersion version);

// The HTML Help page holding the topic of a context number, or null for a
// number the help does not know. The program names its pages once, before
// any help is asked for; until then every topic opens the contents.
using pwHelpPageLookup = const char *(*)(std::uint32_t context);
void pwSetHelpPages(pwHelpPageLookup lookup);
const char *pwHtmlHelpPage(std::uint32_t context);

// programPath: the running program's full path, with either separator.
std::string pwHelpFileBeside(const std::string &programPath, const std::string &fileName);
// "Vorlu12.hlp" -> "Vorlu12.chm".
std::string pwHtmlHelpFileName(const std::string &fileName);

pwHelpCall pwPlanHelp(pwSystemVersion version, const std::string &programPath,
                      const std::string &fileName, pwHelpAction action, std::uint32_t context);
