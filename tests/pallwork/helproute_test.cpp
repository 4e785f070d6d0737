#include "pallwork/helproute.h"

#include "vorlunda/helptopics.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr char kProgram[] = "C:\\Program Files\\Vorlunda\\Vorlunda.scr";
constexpr char kHelp[] = "C:\\Program Files\\Vorlunda\\Vorlu12.hlp";
constexpr char kChm[] = "C:\\Program Files\\Vorlunda\\Vorlu12.chm";

TEST(HelpRoute, WinHelpOnlyBeforeVista) {
  struct Case {
    pwSystemVersion version;
    bool winHelp;
  } cases[] = {
      {{4, 0}, true},   {{4, 10}, true}, {{5, 0}, true},  {{5, 1}, true},
      {{5, 2}, true},   {{6, 0}, false}, {{6, 1}, false}, {{6, 2}, false},
      {{10, 0}, false}, {{0, 0}, true}, // unreadable: the older viewer
  };
  for (const Case &c : cases) {
    EXPECT_EQ(pwSystemHasWinHelp(c.version), c.winHelp)
        << c.version.major << "." << c.version.minor;
  }
}

TEST(HelpRoute, WinHelpGetsTheFullPathAndTheNumber) {
  struct Case {
    pwHelpAction action;
    std::uint32_t context;
    pwHelpCommand command;
    std::uint32_t data;
  } cases[] = {
      {pwHelpAction::Contents, 0, pwHelpCommand::Contents, 0},
      {pwHelpAction::Topic, 257, pwHelpCommand::Context, 257},
      {pwHelpAction::Topic, 999, pwHelpCommand::Context, 999}, // WinHelp reports unknown numbers
      {pwHelpAction::Close, 0, pwHelpCommand::Quit, 0},
  };
  for (const Case &c : cases) {
    pwHelpCall call = pwPlanHelp({5, 1}, kProgram, "Vorlu12.hlp", c.action, c.context);
    EXPECT_EQ(call.viewer, pwHelpViewerKind::WinHelpViewer);
    EXPECT_EQ(call.command, c.command) << c.context;
    EXPECT_EQ(call.file, kHelp);
    EXPECT_EQ(call.data, c.data);
  }
}

TEST(HelpRoute, HtmlHelpOpensEachNumbersPage) {
  pwSetHelpPages(&HelpPageOf);
  const char *pages[] = {"settings",    "schemessheet", "generalsheet", "editscheme",
                         "editgeneral", "editdrawing",  "editrules",    "editfilter"};
  for (std::uint32_t i = 0; i < 8; ++i) {
    pwHelpCall call = pwPlanHelp({6, 0}, kProgram, "Vorlu12.hlp", pwHelpAction::Topic, 256 + i);
    EXPECT_EQ(call.viewer, pwHelpViewerKind::HtmlHelpViewer);
    EXPECT_EQ(call.command, pwHelpCommand::DisplayTopic);
    EXPECT_EQ(call.file, std::string(kChm) + "::/" + pages[i] + ".html");
    EXPECT_EQ(call.data, 0u);
  }
  EXPECT_EQ(pwHtmlHelpPage(255), nullptr);
  EXPECT_EQ(pwHtmlHelpPage(264), nullptr);
}

TEST(HelpRoute, HtmlHelpContentsUnknownNumbersAndClose) {
  pwSetHelpPages(&HelpPageOf);
  pwHelpCall contents = pwPlanHelp({10, 0}, kProgram, "Vorlu12.hlp", pwHelpAction::Contents, 0);
  EXPECT_EQ(contents.command, pwHelpCommand::DisplayToc);
  EXPECT_EQ(contents.file, kChm);
  pwHelpCall unknown = pwPlanHelp({10, 0}, kProgram, "Vorlu12.hlp", pwHelpAction::Topic, 9);
  EXPECT_EQ(unknown.command, pwHelpCommand::DisplayToc);
  EXPECT_EQ(unknown.file, kChm);
  pwHelpCall close = pwPlanHelp({10, 0}, kProgram, "Vorlu12.hlp", pwHelpAction::Close, 0);
  EXPECT_EQ(close.command, pwHelpCommand::CloseAll);
  EXPECT_EQ(close.file, "");
}

// Until the program names its pages the viewer has none to open.
TEST(HelpRoute, WithoutPagesATopicOpensTheContents) {
  pwSetHelpPages(nullptr);
  pwHelpCall call = pwPlanHelp({6, 0}, kProgram, "Vorlu12.hlp", pwHelpAction::Topic, 257);
  EXPECT_EQ(call.command, pwHelpCommand::DisplayToc);
  EXPECT_EQ(call.file, kChm);
  EXPECT_EQ(pwHtmlHelpPage(257), nullptr);
}

TEST(HelpRoute, HelpFileSitsBesideTheProgram) {
  struct Case {
    const char *program;
    const char *file;
    const char *beside;
  } cases[] = {
      {"C:\\WINDOWS\\SYSTEM32\\VORLUNDA.SCR", "Vorlu12.hlp", "C:\\WINDOWS\\SYSTEM32\\Vorlu12.hlp"},
      {"Z:/work/build/Vorlunda.scr", "Vorlu12.hlp", "Z:/work/build/Vorlu12.hlp"},
      {"\\\\server\\share\\a.b\\Vorlunda.scr", "Vorlu12.hlp",
       "\\\\server\\share\\a.b\\Vorlu12.hlp"},
      {"Vorlunda.scr", "Vorlu12.hlp", "Vorlu12.hlp"}, // no folder known
      {"", "Vorlu12.hlp", "Vorlu12.hlp"},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(pwHelpFileBeside(c.program, c.file), c.beside) << c.program;
  }
}

TEST(HelpRoute, HtmlHelpFileNameReplacesTheExtension) {
  EXPECT_EQ(pwHtmlHelpFileName("Vorlu12.hlp"), "Vorlu12.chm");
  EXPECT_EQ(pwHtmlHelpFileName("VORLU12.HLP"), "VORLU12.chm");
  EXPECT_EQ(pwHtmlHelpFileName("Vorlu12"), "Vorlu12.chm");
  EXPECT_EQ(pwHtmlHelpFileName("C:\\v1.2\\Vorlu12"), "C:\\v1.2\\Vorlu12.chm");
}

} // namespace
