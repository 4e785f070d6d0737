#include "tests/vorlunda/support/shellcommand.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

// Runs the renderer program itself, so exit codes and output are what a user
// sees.
namespace {

std::string Env(const char *name) {
  const char *value = std::getenv(name);
  return value ? value : "";
}

std::string TempPath(const std::string &leaf) {
  return ShellPath(Env("VORLUNDA_TEST_TMP") + "/" + leaf);
}

std::string ReadFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct RenderRun {
  int exitCode;
  std::string out;
  std::string err;
};

RenderRun Render(const std::string &arguments) {
  // Each run writes files of its own: under Wine the first PNG written starts
  // a service process that inherits the run's output files and keeps them open.
  static int runs = 0;
  const std::string run = std::to_string(++runs);
  const std::string outPath = TempPath("render_stdout_" + run + ".txt");
  const std::string errPath = TempPath("render_stderr_" + run + ".txt");
  const std::string command = "\"" + ShellPath(Env("VORLUNDA_RENDER")) + "\" " + arguments +
                              " >\"" + outPath + "\" 2>\"" + errPath + "\"";
  return {RunShellCommand(command), ReadFile(outPath), ReadFile(errPath)};
}

class RenderProgram : public ::testing::Test {
protected:
  void SetUp() override {
    if (Env("VORLUNDA_RENDER").empty() || Env("VORLUNDA_TEST_TMP").empty())
      GTEST_SKIP() << "renderer not built";
  }
};

const char *const kBuiltIns[] = {
    "Autumn",    "Contractions 2", "Contractions 2&3", "Crystal", "Ferns",    "Gasket",  "Graffiti",
    "Intensity", "Mixture",        "Shaded",           "Solid",   "Spectrum", "Vorlunda"};

TEST_F(RenderProgram, UsageErrorsExitWithTwo) {
  const char *const kCases[] = {
      "",                       // drawing needs -o
      "--bogus -o x.bmp",       //
      "--seed",                 // value missing
      "--seed -3 -o x.bmp",     //
      "--size 100 -o x.bmp",    //
      "--size 0x10 -o x.bmp",   //
      "--size 10x10x -o x.bmp", //
      "--depth 16 -o x.bmp",    //
      "--groups 0 -o x.bmp",    //
      "--scheme Ferns --scheme-text 11 -o x.bmp",
  };
  for (const char *arguments : kCases)
    EXPECT_EQ(Render(arguments).exitCode, 2) << arguments;
}

TEST_F(RenderProgram, ListsTheBuiltInsInNameOrder) {
  const RenderRun run = Render("--defaults --list");
  ASSERT_EQ(run.exitCode, 0);
  std::istringstream lines(run.out);
  std::string line;
  std::vector<std::string> names;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    const auto tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << line;
    names.push_back(line.substr(0, tab));
  }
  EXPECT_EQ(names, std::vector<std::string>(std::begin(kBuiltIns), std::end(kBuiltIns)));
  EXPECT_NE(run.out.find("Ferns\t11,1,20,0.400000,2,Experimental,Ferns"), std::string::npos);
}

TEST_F(RenderProgram, CheckPrintsTheNormalisedTextOrTheError) {
  const RenderRun good = Render("--check 11,1,1,0.25,2,Experimental,Vorlunda");
  EXPECT_EQ(good.exitCode, 0);
  EXPECT_EQ(good.out.substr(0, good.out.find_first_of("\r\n")),
            "11,1,1,0.250000,2,Experimental,Vorlunda");
  const RenderRun bad = Render("--check 11,1,nonsense");
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_FALSE(bad.out.empty());
  // It would print a density of 0.000000, which no reader takes.
  const RenderRun vanishing = Render("--check 11,1,1,4e-7,2,Experimental,Vorlunda");
  EXPECT_EQ(vanishing.exitCode, 1);
  EXPECT_EQ(vanishing.out.find("0.000000"), std::string::npos);
}

TEST_F(RenderProgram, UnknownOrInvalidSchemeFails) {
  const std::string out = TempPath("never.bmp");
  EXPECT_EQ(Render("--defaults --scheme Nope -o \"" + out + "\"").exitCode, 1);
  EXPECT_EQ(Render("--scheme-text 99,1 -o \"" + out + "\"").exitCode, 1);
}

TEST_F(RenderProgram, WriteFailureExitsWithOne) {
  EXPECT_EQ(Render("--defaults --size 16x16 -o \"" + TempPath("no/such/dir/x.bmp") + "\"").exitCode,
            1);
}

TEST_F(RenderProgram, EveryBuiltInDraws) {
  for (const char *name : kBuiltIns) {
    const std::string out = TempPath("render_scheme.bmp");
    std::remove(out.c_str());
    ASSERT_EQ(Render(std::string("--defaults --seed 5 --size 80x60 --scheme \"") + name +
                     "\" -o \"" + out + "\"")
                  .exitCode,
              0)
        << name;
    const std::string bmp = ReadFile(out);
    ASSERT_GT(bmp.size(), 54u) << name;
    EXPECT_EQ(bmp.substr(0, 2), "BM") << name;
    // Something other than black was drawn.
    EXPECT_NE(bmp.find_first_not_of('\0', 54), std::string::npos) << name;
  }
}

TEST_F(RenderProgram, SameSeedGivesTheSameFileAtBothDepths) {
  for (const char *depth : {"24", "8"}) {
    const std::string common =
        std::string("--defaults --seed 77 --size 120x90 --groups 2 --depth ") + depth + " -o ";
    ASSERT_EQ(Render(common + "\"" + TempPath("same_a.bmp") + "\"").exitCode, 0);
    ASSERT_EQ(Render(common + "\"" + TempPath("same_b.bmp") + "\"").exitCode, 0);
    const std::string a = ReadFile(TempPath("same_a.bmp"));
    EXPECT_EQ(a, ReadFile(TempPath("same_b.bmp"))) << depth;
    ASSERT_GT(a.size(), 30u);
    EXPECT_EQ(static_cast<unsigned char>(a[28]), std::stoi(depth));
  }
}

std::uint32_t LittleEndian(const std::string &bytes, std::size_t at) {
  return static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1]) << 8 |
         static_cast<std::uint8_t>(bytes[at + 2]) << 16 |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + 3])) << 24;
}

// Red, green and blue summed over every pixel of a BMP file, through its
// palette at 8 bits.
std::vector<double> ChannelSums(const std::string &bmp) {
  const std::uint32_t pixels = LittleEndian(bmp, 10), width = LittleEndian(bmp, 18),
                      height = LittleEndian(bmp, 22), bits = bmp[28];
  const std::uint32_t palette = 14 + LittleEndian(bmp, 14);
  const std::uint32_t stride = (width * bits / 8 + 3) / 4 * 4;
  std::vector<double> sums(3, 0.0);
  for (std::uint32_t y = 0; y < height; ++y)
    for (std::uint32_t x = 0; x < width; ++x) {
      std::size_t at = pixels + y * stride + x * bits / 8;
      if (bits == 8)
        at = palette + 4 * static_cast<std::uint8_t>(bmp[at]);
      for (int channel = 0; channel < 3; ++channel) // stored blue, green, red
        sums[2 - channel] += static_cast<std::uint8_t>(bmp[at + channel]);
    }
  return sums;
}

TEST_F(RenderProgram, EightBitColoursAreTheTrueColoursRoundedToThePalette) {
  std::vector<double> sums[2];
  for (int i = 0; i < 2; ++i) {
    const std::string path = TempPath(i == 0 ? "colours_24.bmp" : "colours_8.bmp");
    ASSERT_EQ(Render(std::string("--defaults --seed 41 --size 160x120 --groups 2 --depth ") +
                     (i == 0 ? "24" : "8") + " -o \"" + path + "\"")
                  .exitCode,
              0);
    sums[i] = ChannelSums(ReadFile(path));
  }
  // Rounding to the palette moves each channel a little either way; a lost
  // or swapped channel moves its sum far.
  for (int channel = 0; channel < 3; ++channel) {
    EXPECT_GT(sums[0][channel], 0.0) << channel;
    EXPECT_NEAR(sums[1][channel] / sums[0][channel], 1.0, 0.25) << "channel " << channel;
  }
}

TEST_F(RenderProgram, InfoPrintsOneLinePerDrawnFractal) {
  const RenderRun run = Render("--defaults --seed 3 --size 80x60 --scheme Gasket --info -o \"" +
                               TempPath("info.bmp") + "\"");
  ASSERT_EQ(run.exitCode, 0);
  std::istringstream lines(run.out);
  std::string line;
  int count = 0;
  while (std::getline(lines, line)) {
    EXPECT_EQ(line.rfind("  Rules: ", 0), 0u) << line;
    ++count;
  }
  EXPECT_GE(count, 8); // a Gasket group has 8 to 19 fractals
  EXPECT_LE(count, 19);
}

TEST_F(RenderProgram, RecordedRendersAreDrawnAgainToBmpOrPng) {
  const auto quoted = [](const std::string &leaf) { return "\"" + TempPath(leaf) + "\""; };
  for (const char *depth : {"24", "8"}) {
    const std::string record = std::string("again_") + depth + ".vorlunda";
    ASSERT_EQ(Render(std::string("--defaults --seed 12 --size 120x90 --info --depth ") + depth +
                     " -o " + quoted("again_a.bmp") + " --record " + quoted(record))
                  .exitCode,
              0);
    ASSERT_EQ(Render("--replay " + quoted(record) + " -o " + quoted("again_b.bmp")).exitCode, 0);
    // The information line's rows come first in a bottom-up file; the rows
    // above them and the headers must be the same.
    const std::string a = ReadFile(TempPath("again_a.bmp"));
    const std::string b = ReadFile(TempPath("again_b.bmp"));
    const std::size_t above = (90 - 20) * (depth[0] == '8' ? 120 : 360);
    ASSERT_EQ(a.size(), b.size()) << depth;
    ASSERT_GT(a.size(), above + 54);
    EXPECT_TRUE(a.substr(0, 54) == b.substr(0, 54)) << depth;
    EXPECT_TRUE(a.substr(a.size() - above) == b.substr(b.size() - above)) << depth;
    EXPECT_NE(a.substr(a.size() - above).find_first_not_of('\0'), std::string::npos);
    ASSERT_EQ(
        Render("--replay " + quoted(record) + " --size 240x180 -o " + quoted("again.PNG")).exitCode,
        0);
    EXPECT_EQ(ReadFile(TempPath("again.PNG")).substr(0, 8), "\x89PNG\r\n\x1a\n") << depth;
  }
  // A record that does not read leaves no picture behind, whatever was there.
  const std::string out = TempPath("again_refused.png");
  std::remove(out.c_str());
  std::ofstream(TempPath("cut.vorlunda")) << "vorlunda-picture-record 1\nprogram x\n";
  const RenderRun refused = Render("--replay " + quoted("cut.vorlunda") + " -o \"" + out + "\"");
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_NE(refused.err.find("cut off"), std::string::npos) << refused.err;
  EXPECT_TRUE(ReadFile(out).empty());
  EXPECT_EQ(Render("--replay x.vorlunda --seed 3 -o \"" + out + "\"").exitCode, 2);
}

} // namespace
