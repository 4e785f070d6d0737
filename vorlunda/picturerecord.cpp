#include "vorlunda/picturerecord.h"

#include "ifs/colour.h"
#include "ifs/surface.h"
#include "vorlunda/scheme.h"
#include "vorlunda/schemelimits.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

namespace {

constexpr const char *kMagic = "vorlunda-picture-record";
constexpr char kComment = '#';
// Far above any real record (64 areas of 1000 fractals is about 2 MB), low
// enough that a wrong file named by mistake is not read whole.
constexpr std::streamoff kMaxRecordBytes = 8 << 20;
constexpr std::int32_t kMaxPixelsPerInch = 10000;
constexpr std::int32_t kMaxPoints = std::numeric_limits<std::int32_t>::max();

// The text after the keyword and a space, or null when the line is another.
const char *After(const char *line, const char *keyword) {
  const std::size_t length = std::strlen(keyword);
  if (std::strncmp(line, keyword, length) != 0 || line[length] != ' ')
    return nullptr;
  return line + length + 1;
}

// Reads one decimal number and the single space before the next; the
// range check runs before any conversion can overflow.
bool TakeNumber(const char *&p, std::int64_t low, std::int64_t high, std::int32_t &value) {
  const bool negative = *p == '-';
  const char *digits = negative ? p + 1 : p;
  if (*digits < '0' || *digits > '9')
    return false;
  std::int64_t magnitude = 0;
  while (*digits >= '0' && *digits <= '9') {
    magnitude = magnitude * 10 + (*digits - '0');
    if (magnitude > (std::int64_t{1} << 32))
      return false;
    ++digits;
  }
  const std::int64_t number = negative ? -magnitude : magnitude;
  if (number < low || number > high)
    return false;
  value = static_cast<std::int32_t>(number);
  p = *digits == ' ' ? digits + 1 : digits;
  return true;
}

bool TakeState(const char *&p, std::uint32_t &value) {
  if (p[0] != '0' || p[1] != 'x')
    return false;
  const char *digit = p + 2;
  std::uint32_t state = 0;
  int count = 0;
  for (;; ++digit, ++count) {
    int nibble = -1;
    if (*digit >= '0' && *digit <= '9')
      nibble = *digit - '0';
    else if (*digit >= 'a' && *digit <= 'f')
      nibble = *digit - 'a' + 10;
    if (nibble < 0)
      break;
    if (count == 8)
      return false;
    state = state << 4 | static_cast<std::uint32_t>(nibble);
  }
  if (count == 0)
    return false;
  value = state;
  p = *digit == ' ' ? digit + 1 : digit;
  return true;
}

// The lines of a record, blank ones and comments passed over, each counted
// so an error can name it.
class Lines {
public:
  explicit Lines(const char *text) : next_(text) {}

  bool Next() {
    while (*next_ != '\0') {
      const char *end = std::strchr(next_, '\n');
      const std::size_t length = end ? static_cast<std::size_t>(end - next_) : std::strlen(next_);
      line_.assign(next_, length);
      if (!line_.empty() && line_.back() == '\r')
        line_.pop_back();
      next_ += end ? length + 1 : length;
      ++number_;
      if (!line_.empty() && line_[0] != kComment)
        return true;
    }
    line_.clear();
    return false;
  }
  const char *Text() const { return line_.c_str(); }
  bool AtEnd() const { return line_.empty(); }

  Error Fail(const char *what) const {
    String message;
    message.Format("line %d: %s", number_, what);
    return MakeError(message);
  }

private:
  const char *next_;
  std::string line_;
  int number_ = 0;
};

Error Expected(const Lines &lines, const char *form) {
  String what(lines.AtEnd() ? "the record is cut off: expected '" : "expected '");
  what += form;
  what += "'";
  return lines.Fail(what);
}

Error ParseHeader(Lines &lines, vPictureRecord &record) {
  std::int32_t format = 0;
  const char *p = lines.Next() ? After(lines.Text(), kMagic) : nullptr;
  if (p == nullptr || !TakeNumber(p, 1, kMaxPoints, format) || *p != '\0')
    return lines.Fail("not a picture record (its first line is not 'vorlunda-picture-record N')");
  if (format > kRecordFormat) {
    String what;
    what.Format("format version %d is newer than this program reads (%d)", format, kRecordFormat);
    return lines.Fail(what);
  }
  p = lines.Next() ? After(lines.Text(), "program") : nullptr;
  if (p == nullptr)
    return Expected(lines, "program NAME VERSION");
  record.program = p;
  p = lines.Next() ? After(lines.Text(), "picture") : nullptr;
  if (p == nullptr || !TakeNumber(p, 1, kMaxPictureSide, record.width) ||
      !TakeNumber(p, 1, kMaxPictureSide, record.height) || !TakeNumber(p, 8, 24, record.depth) ||
      (record.depth != 8 && record.depth != 24) || *p != '\0')
    return Expected(lines, "picture WIDTH HEIGHT 24|8");
  p = lines.Next() ? After(lines.Text(), "pixels-per-inch") : nullptr;
  if (p == nullptr || !TakeNumber(p, 1, kMaxPixelsPerInch, record.pixelsPerInchX) ||
      !TakeNumber(p, 1, kMaxPixelsPerInch, record.pixelsPerInchY) || *p != '\0')
    return Expected(lines, "pixels-per-inch X Y");
  p = lines.Next() ? After(lines.Text(), "palette-base") : nullptr;
  if (p == nullptr || !TakeNumber(p, -1, kPaletteEntries - kCubeSize, record.paletteBase) ||
      *p != '\0' || (record.paletteBase >= 0) != (record.depth == 8))
    return Expected(lines, "palette-base N (0 to 40 at depth 8, -1 at 24)");
  return Error();
}

Error ParseArea(Lines &lines, const vPictureRecord &record, vAreaRecord &area) {
  const char *p = After(lines.Text(), "area");
  if (p == nullptr || !TakeNumber(p, 0, record.width - 1, area.left) ||
      !TakeNumber(p, 0, record.height - 1, area.top) ||
      !TakeNumber(p, 1, record.width - area.left, area.width) ||
      !TakeNumber(p, 1, record.height - area.top, area.height) ||
      !TakeNumber(p, 0, area.height, area.drawnHeight) || *p != '\0')
    return Expected(lines, "area LEFT TOP WIDTH HEIGHT DRAWN-HEIGHT, inside the picture");
  p = lines.Next() ? After(lines.Text(), "scheme-name") : nullptr;
  if (p == nullptr || *p == '\0')
    return Expected(lines, "scheme-name NAME");
  area.schemeName = p;
  p = lines.Next() ? After(lines.Text(), "scheme-text") : nullptr;
  if (p == nullptr)
    return Expected(lines, "scheme-text TEXT");
  vScheme scheme;
  const Error parsed = scheme.FromText(p);
  if (parsed.Failed())
    return lines.Fail(String("scheme text: ") + parsed.Message().CStr());
  area.schemeText = p;
  while (lines.Next() && (p = After(lines.Text(), "fractal")) != nullptr) {
    vFractalTrace fractal;
    if (!TakeState(p, fractal.buildState) || !TakeState(p, fractal.drawState) ||
        !TakeNumber(p, 0, kMaxPoints, fractal.points) || *p != '\0')
      return Expected(lines, "fractal 0xBUILD 0xDRAW POINTS");
    if (static_cast<std::int32_t>(area.fractals.size()) == kMaxPerGroupLimits.high)
      return lines.Fail("more fractals than a group holds");
    area.fractals.push_back(fractal);
  }
  return Error();
}

// A name kept in the registry may hold line breaks; a record line may not.
String OneLine(const String &text) {
  String line(text);
  for (int i = 0; i < line.Length(); ++i)
    if (line.At(i) == '\n' || line.At(i) == '\r')
      line.At(i) = ' ';
  return line;
}

} // namespace

const char *RecordProgram() { return "Vorlunda " VORLUNDA_VERSION_TEXT; }

Error TraceArea(const vFactory &factory, std::int32_t left, std::int32_t top, std::int32_t width,
                std::int32_t height, vAreaRecord &area) {
  if (factory.CurrentScheme() == nullptr)
    return MakeError("nothing has been drawn yet");
  area.left = left;
  area.top = top;
  area.width = width;
  area.height = height;
  area.drawnHeight = factory.DrawHeight();
  area.schemeName = factory.CurrentSchemeName();
  vScheme scheme = *factory.CurrentScheme();
  area.schemeText = scheme.ToText();
  area.fractals = factory.GroupTrace();
  return Error();
}

String RecordText(const vPictureRecord &record) {
  String text;
  String line;
  line.Format("%s %d\n# Drawn again by: vorlunda-render --replay FILE [--size WxH] -o OUT\n",
              kMagic, kRecordFormat);
  text += line;
  text += "program ";
  text += record.program;
  line.Format("\npicture %d %d %d\npixels-per-inch %d %d\npalette-base %d\n", record.width,
              record.height, record.depth, record.pixelsPerInchX, record.pixelsPerInchY,
              record.paletteBase);
  text += line;
  for (const vAreaRecord &area : record.areas) {
    // Names and texts are added whole: a formatted line has a length limit.
    line.Format("area %d %d %d %d %d\n", area.left, area.top, area.width, area.height,
                area.drawnHeight);
    text += line;
    text += "scheme-name ";
    text += OneLine(area.schemeName);
    text += "\nscheme-text ";
    text += area.schemeText;
    text += "\n";
    for (const vFractalTrace &fractal : area.fractals) {
      line.Format("fractal 0x%08x 0x%08x %d\n", static_cast<unsigned>(fractal.buildState),
                  static_cast<unsigned>(fractal.drawState), fractal.points);
      text += line;
    }
  }
  text += "end\n";
  return text;
}

Error ParseRecord(const char *text, vPictureRecord &record) {
  record = vPictureRecord();
  Lines lines(text);
  const Error header = ParseHeader(lines, record);
  if (header.Failed())
    return header;
  bool more = lines.Next();
  while (more && After(lines.Text(), "area") != nullptr) {
    if (static_cast<std::int32_t>(record.areas.size()) == kMaxRecordAreas)
      return lines.Fail("more monitor areas than a record holds");
    record.areas.emplace_back();
    const Error area = ParseArea(lines, record, record.areas.back());
    if (area.Failed())
      return area;
    more = *lines.Text() != '\0';
  }
  if (!more)
    return lines.Fail("the record is cut off (no 'end' line)");
  if (std::strcmp(lines.Text(), "end") != 0)
    return Expected(lines, record.areas.empty() ? "area ..." : "area ..., fractal ... or end");
  if (record.areas.empty())
    return lines.Fail("the record has no monitor area");
  if (lines.Next())
    return lines.Fail("text after 'end'");
  return Error();
}

Error WriteRecordFile(const char *path, const vPictureRecord &record) {
  const String text = RecordText(record);
  bool written = false;
  {
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    if (!stream)
      return MakeError(String("cannot create ") + path);
    stream.write(text.CStr(), text.Length());
    stream.close();
    written = !stream.fail();
  }
  if (written)
    return Error();
  std::remove(path);
  return MakeError(String("cannot write ") + path);
}

Error ReadRecordFile(const char *path, vPictureRecord &record) {
  std::ifstream stream(path, std::ios::binary);
  if (!stream)
    return MakeError("cannot be opened");
  stream.seekg(0, std::ios::end);
  const std::streamoff size = stream.tellg();
  if (size < 0 || size > kMaxRecordBytes)
    return MakeError("too large to be a picture record");
  stream.seekg(0, std::ios::beg);
  std::string text(static_cast<std::size_t>(size), '\0');
  stream.read(&text[0], size);
  if (stream.gcount() != size)
    return MakeError("cannot be read");
  if (text.find('\0') != std::string::npos)
    return MakeError("not a picture record (it is not text)");
  return ParseRecord(text.c_str(), record);
}

String RecordPathFor(const char *picturePath) {
  String path(picturePath);
  const char *dot = std::strrchr(picturePath, '.');
  const char *slash = std::strrchr(picturePath, '/');
  const char *backslash = std::strrchr(picturePath, '\\');
  if (dot != nullptr && (slash == nullptr || dot > slash) &&
      (backslash == nullptr || dot > backslash))
    path.ReplaceMid(static_cast<int>(dot - picturePath), path.Length(), "");
  path += kRecordExtension;
  return path;
}
