#include "foundation/random.h"
#include "vorlunda/config.h"
#include "vorlunda/factory.h"
#include "vorlunda/memdrawtarget.h"
#include "vorlunda/picturerecord.h"
#include "vorlunda/render/options.h"
#include "vorlunda/render/pictureout.h"
#include "vorlunda/render/storedconfig.h"
#include "vorlunda/replay.h"
#include "vorlunda/schemelisting.h"

#include <cstdio>
#include <ctime>

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

Error WriteRecordOf(const vFactory &factory, const ifsSurface &surface, const char *path) {
  vPictureRecord record;
  record.program = RecordProgram();
  record.width = surface.Width();
  record.height = surface.Height();
  record.depth = factory.PaletteBase() >= 0 ? 8 : 24;
  record.paletteBase = factory.PaletteBase();
  record.pixelsPerInchX = surface.PixelsPerInchX();
  record.pixelsPerInchY = surface.PixelsPerInchY();
  record.areas.emplace_back();
  const Error traced =
      TraceArea(factory, 0, 0, surface.Width(), surface.Height(), record.areas.back());
  if (traced.Failed())
    return traced;
  return WriteRecordFile(path, record);
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
  if (!options.recordPath.IsEmpty()) {
    const Error recorded = WriteRecordOf(factory, *target.Surface(), options.recordPath);
    if (recorded.Failed()) {
      std::fprintf(stderr, "%s\n", recorded.Message().CStr());
      return kExitFailure;
    }
  }
  return kExitOk;
}

// Refused records exit with the usage code: the input, not the drawing, failed.
int Replay(const vRenderOptions &options) {
  vPictureRecord record;
  const Error read = ReadRecordFile(options.replayPath, record);
  if (read.Failed()) {
    std::fprintf(stderr, "vorlunda-render: %s: %s\n", options.replayPath.CStr(),
                 read.Message().CStr());
    return kExitUsage;
  }
  const std::unique_ptr<vMemoryDrawTarget> picture =
      Replay(record, options.hasSize ? options.width : 0, options.hasSize ? options.height : 0);
  const Error written = WritePicture(*picture->Surface(), options.output);
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
  if (options.action == vRenderAction::Replay)
    return Replay(options);
  vConfigMgr config;
  LoadRenderConfiguration(options.defaults, config);
  if (options.action == vRenderAction::List) {
    PrintSchemeList(config);
    return kExitOk;
  }
  return Draw(options, config);
}
