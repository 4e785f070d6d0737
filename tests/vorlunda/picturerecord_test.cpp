#include "foundation/random.h"
#include "vorlunda/picturerecord.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

constexpr const char *kSchemeText = "11,1,20,0.400000,2,Experimental,Ferns";

vPictureRecord TwoMonitors() {
  vPictureRecord record;
  record.program = RecordProgram();
  record.width = 3000;
  record.height = 1080;
  record.pixelsPerInchX = 144;
  record.pixelsPerInchY = 120;
  vAreaRecord left;
  left.width = 1920;
  left.height = 1080;
  left.drawnHeight = 1062;
  left.schemeName = "My own ferns";
  left.schemeText = kSchemeText;
  left.fractals = {{0, 0xffffffffu, 0}, {0x12345678u, 0x9abcdef0u, 2147483647}};
  vAreaRecord right = left;
  right.left = 1920;
  right.width = 1080;
  right.drawnHeight = 1080;
  right.schemeName = "Ferns";
  right.fractals.clear();
  record.areas = {left, right};
  return record;
}

std::string Text(const vPictureRecord &record) { return RecordText(record).CStr(); }

std::string Replaced(std::string text, const std::string &from, const std::string &to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(PictureRecord, TextRoundTripsEveryField) {
  const vPictureRecord written = TwoMonitors();
  const std::string text = Text(written);
  vPictureRecord read;
  ASSERT_TRUE(ParseRecord(text.c_str(), read).Succeeded()) << text;
  EXPECT_EQ(Text(read), text);
  EXPECT_STREQ(read.program, written.program);
  EXPECT_EQ(read.pixelsPerInchX, 144);
  ASSERT_EQ(read.areas.size(), 2u);
  EXPECT_STREQ(read.areas[0].schemeName, "My own ferns");
  EXPECT_EQ(read.areas[0].drawnHeight, 1062);
  ASSERT_EQ(read.areas[0].fractals.size(), 2u);
  EXPECT_EQ(read.areas[0].fractals[0].drawState, 0xffffffffu);
  EXPECT_EQ(read.areas[0].fractals[1].buildState, 0x12345678u);
  EXPECT_EQ(read.areas[0].fractals[1].points, 2147483647);
  EXPECT_EQ(read.areas[1].left, 1920);
  EXPECT_TRUE(read.areas[1].fractals.empty());

  // Written on Windows and carried over, with comments and blank lines added.
  std::string crlf = "# kept for the wallpaper\r\n\r\n";
  for (char c : text)
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  ASSERT_TRUE(ParseRecord(crlf.c_str(), read).Succeeded());
  EXPECT_EQ(Text(read), text);
}

TEST(PictureRecord, RefusalsNameTheLineAndTheFault) {
  const std::string good = Text(TwoMonitors());
  const struct {
    std::string text;
    const char *named;
  } kCases[] = {
      {good.substr(0, good.rfind("end")), "cut off"},
      {good.substr(0, good.size() / 2), "line"},
      {"", "not a picture record"},
      {"BM\x36\x10", "not a picture record"},
      {Replaced(good, "record 1", "record 2"), "format version 2 is newer than this program"},
      {Replaced(good, kSchemeText, "11,1,20,0.4,2,Experimental"), "line 9: scheme text: "},
      {Replaced(good, "1920 0 1080", "1921 0 1080"), "inside the picture"},
      {Replaced(good, "1062", "1081"), "inside the picture"},
      {Replaced(good, "picture 3000 1080 24", "picture 3000 1080 16"), "picture WIDTH"},
      {Replaced(good, "picture 3000", "picture 16385"), "picture WIDTH"},
      {Replaced(good, "palette-base -1", "palette-base 10"), "palette-base"},
      {Replaced(good, "0x12345678", "0x123456789"), "fractal 0x"},
      {Replaced(good, "0x12345678", "12345678"), "fractal 0x"},
      {Replaced(good, "2147483647", "2147483648"), "fractal 0x"},
      {Replaced(good, "scheme-name Ferns", "scheme-name "), "scheme-name"},
      {good + "area 0 0 1 1 1\n", "text after 'end'"},
      {Replaced(good, "area 0 0", "area -1 0"), "area LEFT"},
  };
  for (const auto &c : kCases) {
    vPictureRecord record;
    const Error parsed = ParseRecord(c.text.c_str(), record);
    ASSERT_TRUE(parsed.Failed()) << c.text;
    EXPECT_NE(std::string(parsed.Message().CStr()).find(c.named), std::string::npos)
        << parsed.Message().CStr() << " / wanted: " << c.named;
  }
}

TEST(PictureRecord, FilesAreReadWholeAndRefusedWhenNotText) {
  const char *tmp = std::getenv("VORLUNDA_TEST_TMP");
  const std::string dir = tmp ? tmp : ".";
  const std::string path = dir + "/record_test.vorlunda";
  ASSERT_TRUE(WriteRecordFile(path.c_str(), TwoMonitors()).Succeeded());
  vPictureRecord read;
  ASSERT_TRUE(ReadRecordFile(path.c_str(), read).Succeeded());
  EXPECT_EQ(Text(read), Text(TwoMonitors()));
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << Text(TwoMonitors());
    out.put('\0');
  }
  EXPECT_STREQ(ReadRecordFile(path.c_str(), read).Message(),
               "not a picture record (it is not text)");
  std::remove(path.c_str());
  EXPECT_TRUE(ReadRecordFile(path.c_str(), read).Failed());
  EXPECT_TRUE(
      WriteRecordFile((dir + "/no such folder/x.vorlunda").c_str(), TwoMonitors()).Failed());
}

TEST(PictureRecord, RecordLiesBesideThePicture) {
  EXPECT_STREQ(RecordPathFor("C:\\shots\\sea.bmp"), "C:\\shots\\sea.vorlunda");
  EXPECT_STREQ(RecordPathFor("/home/a.b/sea"), "/home/a.b/sea.vorlunda");
  EXPECT_STREQ(RecordPathFor("C:\\a.b\\sea"), "C:\\a.b\\sea.vorlunda");
  EXPECT_STREQ(RecordPathFor("sea.png"), "sea.vorlunda");
}

// Damaged records never crash the reader, and whatever it accepts it
// writes back as a record that reads the same.
TEST(PictureRecordFuzz, DamagedRecordsAreReadOrRefusedCleanly) {
  const std::string good = Text(TwoMonitors());
  static const char kBiased[] = " \n0123456789abcdefx-#";
  SeedRandom(20261208);
  int accepted = 0;
  for (int round = 0; round < 40000; ++round) {
    std::string text = good;
    const int edits = 1 + Rand() % 4;
    for (int e = 0; e < edits; ++e) {
      const std::size_t at = static_cast<std::size_t>(Rand()) % (text.size() + 1);
      const char c = Rand() % 3 == 0 ? static_cast<char>(1 + Rand() % 255)
                                     : kBiased[Rand() % (sizeof kBiased - 1)];
      switch (Rand() % 4) {
      case 0:
        text.insert(at, 1, c);
        break;
      case 1:
        if (at < text.size())
          text[at] = c;
        break;
      case 2:
        text.erase(at, static_cast<std::size_t>(Rand() % 40));
        break;
      default:
        text.resize(at);
        break;
      }
    }
    vPictureRecord record;
    if (ParseRecord(text.c_str(), record).Failed())
      continue;
    ++accepted;
    const std::string again = Text(record);
    vPictureRecord reread;
    ASSERT_TRUE(ParseRecord(again.c_str(), reread).Succeeded()) << text;
    ASSERT_EQ(Text(reread), again);
    for (const vAreaRecord &area : record.areas) {
      ASSERT_LE(area.left + area.width, record.width);
      ASSERT_LE(area.drawnHeight, area.height);
    }
  }
  EXPECT_GT(accepted, 100); // the damage is not all fatal, so acceptance is exercised
}

} // namespace
