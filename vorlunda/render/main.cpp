#include "foundation/random.h"
#include "imgfile/bmp.h"
#include "vorlunda/config.h"
#include "vorlunda/factory.h"
#include "vorlunda/memdrawtarget.h"
#include "vorlunda/render/options.h"
#include "vorlunda/render/storedconfig.h"
#include "vorlunda/schemelisting.h"

#include <cstdio>
#include <ctime>
#include <fstream>
#include <vector>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Runs the loop until the last fractal of the last group is finished. The
// clock is a step counter, so the picture depends only on the seed.
void RunGroups(vFactory &factory, int groups, bool printInfo) {
  std::uint32_t ticks = 0;
  int finished = 0;
  while (finished < groups) {
    const vLoopState from = factory.state;
    factory.Advance(++ticks);
    if (printInfo && from == vLoopState::Build && factory.state == vLoopState::Draw)
      std::printf("%s\n", factory.InfoText().CStr());
    if (from == vLoopState::Draw && factory.state == vLoopState::Wait)
      ++finished;
  }
}

Error WriteRows(const ifsSurface &surface, BmpFile &file) {
  // A byte buffer of a size known up front and zeroed, which DynArray (grown
  // by Add) does not give; std::vector is kept for that.
  std::vector<std::uint8_t> row(3 * static_cast<std::size_t>(surface.Width()));
  for (int y = 0; y < surface.Height(); ++y) {
    Error result;
    if (surface.Format() == ifsPixelFormat::Indexed8) {
      result = file.WriteRow8(surface.Row(y));
    } else {
      for (int x = 0; x < surface.Width(); ++x) {
        const std::uint32_t colour = surface.ReadColour(x, y); // 0x00BBGGRR
        row[3 * x] = static_cast<std::uint8_t>(colour >> 16);
        row[3 * x + 1] = static_cast<std::uint8_t>(colour >> 8);
        row[3 * x + 2] = static_cast<std::uint8_t>(colour);
      }
      result = file.WriteRow24(row.data());
    }
    if (result.Failed())
      return result;
  }
  return file.Complete();
}

Error WritePicture(const ifsSurface &surface, const char *path) {
  std::ofstream stream(path, std::ios::binary | std::ios::trunc);
  if (!stream)
    return MakeError(String("cannot create ") + path);
  std::uint8_t palette[3 * kPaletteEntries];
  for (int i = 0; i < kPaletteEntries; ++i) {
    const std::uint32_t entry = surface.Palette()[i]; // 0x00RRGGBB
    palette[3 * i] = static_cast<std::uint8_t>(entry >> 16);
    palette[3 * i + 1] = static_cast<std::uint8_t>(entry >> 8);
    palette[3 * i + 2] = static_cast<std::uint8_t>(entry);
  }
  const bool indexed = surface.Format() == ifsPixelFormat::Indexed8;
  BmpFile file(stream);
  const Error started = file.Initialize(surface.Width(), surface.Height(), true, indexed ? 8 : 24,
                                        false, indexed ? palette : nullptr);
  if (started.Failed())
    return started;
  return WriteRows(surface, file);
}

int Draw(const vRenderOptions &options, vConfigMgr &config) {
  const Error selected = SelectOneScheme(options.schemeName, options.schemeText, config);
  if (selected.Failed()) {
    std::fprintf(stderr, "%s\n", selected.Message().CStr());
    return kExitFailure;
  }
  config.infoLine = options.info;
  const ifsPixelFormat format =
      options.depth == 8 ? ifsPixelFormat::Indexed8 : ifsPixelFormat::Rgb32;
  vMemoryDrawTarget target(options.width, options.height, format);
  SeedRandom(options.hasSeed ? options.seed : static_cast<std::uint32_t>(std::time(nullptr)));
  vFactory factory(&target, &config);
  RunGroups(factory, options.groups, options.info);
  const Error written = WritePicture(*target.Surface(), options.output);
  if (written.Failed()) {
    std::fprintf(stderr, "%s\n", written.Message().CStr());
    return kExitFailure;
  }
  return kExitOk;
}

} // namespace

int main(int argc, char **argv) {
  vRenderOptions options;
  const Error parsed = ParseRenderOptions(argc, argv, options);
  if (parsed.Failed()) {
    std::fprintf(stderr, "%s\n%s\n", parsed.Message().CStr(), kRenderUsage);
    return kExitUsage;
  }
  if (options.action == vRenderAction::Check)
    return PrintCheckedSchemeText(options.checkText) ? kExitOk : kExitFailure;
  vConfigMgr config;
  LoadRenderConfiguration(options.defaults, config);
  if (options.action == vRenderAction::List) {
    PrintSchemeList(config);
    return kExitOk;
  }
  return Draw(options, config);
}
