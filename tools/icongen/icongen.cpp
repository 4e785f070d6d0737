// Draws the program's icon (a fern, by the chaos game) and its link cursor (a
// pointing hand) as Windows .ico and .cur files, so no binary artwork is kept.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

struct Image {
  int size;
  std::vector<std::uint32_t> argb; // top row first
  explicit Image(int s) : size(s), argb(static_cast<std::size_t>(s) * s, 0) {}
  std::uint32_t &At(int x, int y) { return argb[static_cast<std::size_t>(y) * size + x]; }
};

// The build must not depend on the C library's generator either.
std::uint32_t lcgState = 1;
double NextUnit() {
  lcgState = lcgState * 22695477u + 1u;
  return static_cast<double>((lcgState >> 16) & 0x7fffu) / 32767.0;
}

struct Map {
  double weight, a, b, c, d, e, f;
};

const Map kFern[] = {{0.01, 0, 0, 0, 0.16, 0, 0},
                     {0.85, 0.85, 0.04, -0.04, 0.85, 0, 1.6},
                     {0.07, 0.2, -0.26, 0.23, 0.22, 0, 1.6},
                     {0.07, -0.15, 0.28, 0.26, 0.24, 0, 0.44}};

Image DrawFern(int size) {
  Image image(size);
  std::vector<int> hits(static_cast<std::size_t>(size) * size, 0);
  double x = 0, y = 0;
  const int points = 4000 * size;
  for (int i = 0; i < points; ++i) {
    double u = NextUnit();
    const Map *m = &kFern[3];
    for (const Map &candidate : kFern) {
      if ((u -= candidate.weight) <= 0) {
        m = &candidate;
        break;
      }
    }
    const double nx = m->a * x + m->b * y + m->e;
    y = m->c * x + m->d * y + m->f;
    x = nx;
    // The fern spans about x in [-2.2, 2.7], y in [0, 10]: fit it with a margin.
    const int px = static_cast<int>((x + 2.75) / 10.5 * size + size * 0.25);
    const int py = size - 1 - static_cast<int>(y / 10.2 * (size - 1));
    if (px >= 0 && px < size && py >= 0 && py < size)
      ++hits[static_cast<std::size_t>(py) * size + px];
  }
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      const int h = hits[static_cast<std::size_t>(py) * size + px];
      if (h == 0)
        continue;
      const double t = std::min(1.0, std::log(1.0 + h) / std::log(1.0 + 40.0 * 4000 / size));
      const auto g = static_cast<std::uint32_t>(120 + 135 * t);
      const auto r = static_cast<std::uint32_t>(30 * t);
      const auto b = static_cast<std::uint32_t>(60 * (1 - t));
      image.At(px, py) = 0xff000000u | (r << 16) | (g << 8) | b;
    }
  }
  return image;
}

// A pointing hand: the raised index finger, three folded fingers, the thumb
// and the palm, outlined in black with the fingers' creases drawn in.
bool InsideHand(int x, int y) {
  const bool index = x >= 10 && x <= 14 && y >= 2 && y <= 16 && !(y == 2 && (x == 10 || x == 14));
  const bool folded = (x >= 14 && x <= 18 && y >= 10) || (x >= 18 && x <= 21 && y >= 11) ||
                      (x >= 21 && x <= 24 && y >= 12);
  const bool thumb = x >= 5 && x <= 10 && y >= 15 && y <= 21 && x - 5 >= (21 - y) / 2;
  const bool palm = x >= 8 && x <= 24 && y >= 14 && y <= 28;
  return index || (folded && y <= 20) || thumb || palm;
}

bool IsCrease(int x, int y) {
  return (x == 18 && y >= 11 && y <= 15) || (x == 21 && y >= 12 && y <= 15);
}

Image DrawHand() {
  Image image(32);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      if (!InsideHand(x, y))
        continue;
      const bool edge = !InsideHand(x - 1, y) || !InsideHand(x + 1, y) || !InsideHand(x, y - 1) ||
                        !InsideHand(x, y + 1);
      image.At(x, y) = edge || IsCrease(x, y) ? 0xff000000u : 0xffffffffu;
    }
  }
  return image;
}

void Put16(std::vector<std::uint8_t> &out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t> &out, std::uint32_t v) {
  Put16(out, v & 0xffffu);
  Put16(out, v >> 16);
}

// One image in the icon-resource form: a 40-byte header with doubled height,
// bottom-up 32-bit pixels, then the 1-bit AND mask.
std::vector<std::uint8_t> EncodeImage(Image &image) {
  const int s = image.size;
  const int maskStride = ((s + 31) / 32) * 4;
  std::vector<std::uint8_t> out;
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(s));
  Put32(out, static_cast<std::uint32_t>(s * 2));
  Put16(out, 1);
  Put16(out, 32);
  for (int i = 0; i < 6; ++i)
    Put32(out, 0);
  for (int y = s - 1; y >= 0; --y)
    for (int x = 0; x < s; ++x)
      Put32(out, image.At(x, y));
  for (int y = s - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(static_cast<std::size_t>(maskStride), 0);
    for (int x = 0; x < s; ++x)
      if ((image.At(x, y) >> 24) == 0)
        row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

// Icons and cursors share one directory format; cursors keep the hot spot
// where icons keep planes and depth.
bool WriteDirectory(const char *path, std::vector<Image> images, bool cursor, int hotX, int hotY) {
  std::vector<std::vector<std::uint8_t>> encoded;
  for (Image &image : images)
    encoded.push_back(EncodeImage(image));
  std::vector<std::uint8_t> out;
  Put16(out, 0);
  Put16(out, cursor ? 2 : 1);
  Put16(out, static_cast<unsigned>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    out.push_back(static_cast<std::uint8_t>(images[i].size));
    out.push_back(static_cast<std::uint8_t>(images[i].size));
    out.push_back(0);
    out.push_back(0);
    Put16(out, cursor ? static_cast<unsigned>(hotX) : 1);
    Put16(out, cursor ? static_cast<unsigned>(hotY) : 32);
    Put32(out, static_cast<std::uint32_t>(encoded[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(encoded[i].size());
  }
  for (const auto &bytes : encoded)
    out.insert(out.end(), bytes.begin(), bytes.end());
  std::FILE *file = std::fopen(path, "wb");
  if (file == nullptr)
    return false;
  const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
  return std::fclose(file) == 0 && written;
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: icongen ICON.ico CURSOR.cur\n");
    return 2;
  }
  const bool icon =
      WriteDirectory(argv[1], {DrawFern(16), DrawFern(32), DrawFern(48)}, false, 0, 0);
  const bool cursor = WriteDirectory(argv[2], {DrawHand()}, true, 12, 2);
  if (!icon || !cursor) {
    std::fprintf(stderr, "icongen: cannot write the artwork\n");
    return 1;
  }
  return 0;
}
