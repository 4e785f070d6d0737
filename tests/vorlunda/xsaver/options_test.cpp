#include "vorlunda/xsaver/options.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

Error Parse(std::vector<const char *> arguments, vXSaverOptions &options) {
  arguments.insert(arguments.begin(), "vorlunda");
  return ParseXSaverOptions(static_cast<int>(arguments.size()), arguments.data(), options);
}

} // namespace

// The daemon rewrites one dash into two, so both spellings mean the same.
TEST(XSaverOptions, EveryOptionReadsWithOneDashOrTwo) {
  for (const char *dashes : {"-", "--"}) {
    const std::string d(dashes);
    vXSaverOptions options;
    ASSERT_TRUE(Parse({(d + "root").c_str(), (d + "info").c_str(), (d + "scheme").c_str(), "Ferns",
                       (d + "seed").c_str(), "4294967295", (d + "display").c_str(), ":3"},
                      options)
                    .Succeeded())
        << dashes;
    EXPECT_EQ(options.window, vXWindowChoice::Root);
    EXPECT_TRUE(options.info);
    EXPECT_STREQ(options.schemeName, "Ferns");
    EXPECT_TRUE(options.hasSeed);
    EXPECT_EQ(options.seed, 4294967295u);
    EXPECT_STREQ(options.display, ":3");
    EXPECT_EQ(options.action, vXAction::Run);

    vXSaverOptions given;
    ASSERT_TRUE(Parse({(d + "window-id").c_str(), "0x1A00003"}, given).Succeeded());
    EXPECT_EQ(given.window, vXWindowChoice::Given);
    EXPECT_EQ(given.windowId, 0x1A00003u);
    vXSaverOptions own, list, check, help;
    ASSERT_TRUE(Parse({(d + "window").c_str()}, own).Succeeded());
    EXPECT_EQ(own.window, vXWindowChoice::Own);
    ASSERT_TRUE(Parse({(d + "list").c_str()}, list).Succeeded());
    EXPECT_EQ(list.action, vXAction::List);
    ASSERT_TRUE(Parse({(d + "check").c_str(), "1,2"}, check).Succeeded());
    EXPECT_EQ(check.action, vXAction::Check);
    EXPECT_STREQ(check.checkText, "1,2");
    ASSERT_TRUE(Parse({(d + "help").c_str()}, help).Succeeded());
    EXPECT_EQ(help.action, vXAction::Help);
  }
}

TEST(XSaverOptions, BadCommandLinesGetOneLineNamingTheProblem) {
  const struct {
    std::vector<const char *> arguments;
    const char *message;
  } kCases[] = {
      {{"-fps"}, "unknown option -fps (see --help)"},
      {{"---root"}, "unknown option ---root (see --help)"},
      {{"-"}, "unknown option - (see --help)"},
      {{"picture.bmp"}, "unexpected argument picture.bmp (see --help)"},
      {{"--seed"}, "missing value for --seed (see --help)"},
      {{"-seed", "-1"}, "invalid value for -seed: -1 (see --help)"},
      {{"--seed", "4294967296"}, "invalid value for --seed: 4294967296 (see --help)"},
      {{"--seed", " 7"}, "invalid value for --seed:  7 (see --help)"},
      {{"--window-id", "0"}, "invalid value for --window-id: 0 (see --help)"},
      {{"--window-id", "0x"}, "invalid value for --window-id: 0x (see --help)"},
      {{"--window-id", "0x1g"}, "invalid value for --window-id: 0x1g (see --help)"},
      {{"--window-id", "0x100000000"}, "invalid value for --window-id: 0x100000000 (see --help)"},
      {{"--scheme", ""}, "invalid value for --scheme:  (see --help)"},
  };
  for (const auto &test : kCases) {
    vXSaverOptions options;
    const Error parsed = Parse(test.arguments, options);
    ASSERT_TRUE(parsed.Failed()) << test.message;
    EXPECT_STREQ(parsed.Message(), test.message);
  }
}

// Where the drawing goes: an explicit window wins, then the daemon's.
TEST(XSaverOptions, WindowPickPrefersTheCommandLineThenTheDaemon) {
  const struct {
    std::vector<const char *> arguments;
    const char *daemon;
    vXWindowChoice kind;
    std::uint32_t id;
  } kCases[] = {
      {{}, nullptr, vXWindowChoice::Own, 0},
      {{"-root"}, nullptr, vXWindowChoice::Root, 0},
      {{"-root"}, "0x400008", vXWindowChoice::Given, 0x400008},
      {{}, "4194312", vXWindowChoice::Given, 4194312},
      {{"-root"}, "", vXWindowChoice::Root, 0},
      {{"-window"}, "0x400008", vXWindowChoice::Own, 0},
      {{"-window-id", "77"}, "0x400008", vXWindowChoice::Given, 77},
  };
  for (const auto &test : kCases) {
    vXSaverOptions options;
    ASSERT_TRUE(Parse(test.arguments, options).Succeeded());
    vXWindowPick pick;
    ASSERT_TRUE(PickWindow(options, test.daemon, pick).Succeeded());
    EXPECT_EQ(pick.kind, test.kind) << (test.daemon ? test.daemon : "no daemon");
    EXPECT_EQ(pick.id, test.id);
  }
  vXSaverOptions options;
  vXWindowPick pick;
  const Error bad = PickWindow(options, "window", pick);
  ASSERT_TRUE(bad.Failed());
  EXPECT_STREQ(bad.Message(), "invalid XSCREENSAVER_WINDOW: window");
}

// Random command lines built from real options, values and junk: the parse
// ends, and a failure is one line that points to --help.
TEST(XSaverOptionsFuzz, RandomCommandLinesParseOrFailInOneLine) {
  static const char *const kTokens[] = {"-root",
                                        "--root",
                                        "-window",
                                        "-window-id",
                                        "--window-id",
                                        "-seed",
                                        "--seed",
                                        "-scheme",
                                        "-info",
                                        "-list",
                                        "-check",
                                        "-help",
                                        "-h",
                                        "-display",
                                        "0x",
                                        "0x1f",
                                        "0",
                                        "42",
                                        "18446744073709551616",
                                        "-",
                                        "--",
                                        "Ferns",
                                        "",
                                        " ",
                                        "-root=1",
                                        "\xff"};
  std::mt19937 generator(7);
  for (int round = 0; round < 20000; ++round) {
    std::vector<std::string> words(generator() % 6);
    for (std::string &word : words) {
      if (generator() % 5 == 0) {
        word.resize(generator() % 8);
        for (char &c : word)
          c = static_cast<char>(1 + generator() % 255);
      } else {
        word = kTokens[generator() % (sizeof kTokens / sizeof kTokens[0])];
      }
    }
    std::vector<const char *> arguments;
    for (const std::string &word : words)
      arguments.push_back(word.c_str());
    vXSaverOptions options;
    const Error parsed = Parse(arguments, options);
    if (parsed.Succeeded())
      continue;
    const std::string message(parsed.Message().CStr());
    ASSERT_EQ(message.find('\n'), std::string::npos);
    ASSERT_NE(message.find("(see --help)"), std::string::npos) << message;
  }
}
