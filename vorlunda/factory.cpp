#include "vorlunda/factory.h"

#include "foundation/dynassoc.h"
#include "foundation/random.h"
#include "vorlunda/presets.h"

#include <cassert>
#include <cmath>
#include <limits>

namespace {

constexpr int kInfoLinePadding = 2;
constexpr int kDimensionIterations = 20000;
constexpr int kDimensionPatience = 2000;
constexpr int kDimensionGrid = 64;
constexpr int kLyapunovIterations = 10000;
constexpr double kLyapunovDelta = 0.001;
constexpr std::uint32_t kMsPerSecond = 1000;
// Without a device to ask, pixels are taken as square.
constexpr int kDefaultPixelsPerInch = 96;
constexpr const char *kFallbackTemplate = "Vorlunda";

struct GroupSize {
  vTemplate family;
  std::int32_t min;
  std::int32_t max;
};

constexpr GroupSize kGroupSizes[] = {
    {vTemplate::Ferns, 15, 25}, {vTemplate::Autumn, 15, 30}, {vTemplate::Vorlunda, 4, 20},
    {vTemplate::Gasket, 8, 20}, {vTemplate::Unknown, 8, 20},
};

bool AnyRuleSystem(const vScheme &scheme) {
  for (bool enabled : scheme.ruleSystemEnabled)
    if (enabled)
      return true;
  return false;
}

bool IsUsable(const vScheme &scheme) {
  if (!scheme.enabled)
    return false;
  if (scheme.IsTemplated())
    return TemplateFromName(scheme.templateName) != vTemplate::Unknown;
  return AnyRuleSystem(scheme);
}

// Extreme zoom can stretch the bounds far past the screen, and a density
// that bypassed the text checks may be anything; neither may wrap the count.
std::int32_t PointCount(double wanted) {
  constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();
  if (!(wanted > 0.0))
    return 0;
  if (wanted >= static_cast<double>(kMost))
    return kMost;
  return static_cast<std::int32_t>(wanted);
}

vScheme FallbackScheme() {
  for (int index = 0; index < kTemplatedDefaultCount; ++index)
    if (CompareEnumNames(TemplatedDefaultName(index), kFallbackTemplate) == 0)
      return TemplatedDefault(index);
  assert(false && "the templated defaults include the fallback");
  return TemplatedDefault(0);
}

} // namespace

vFactory::vFactory(vDrawTarget *window, const vConfigMgr *source) : window(window) {
  PrepareSchemes(source);
  MeasureWindow();
}

void vFactory::PrepareSchemes(const vConfigMgr *source) {
  if (source != nullptr) {
    config.AssignFrom(*source);
  } else if (config.Load().Failed()) {
    // A broken configuration must not stop the saver; the defaults draw.
    config.RestoreDefaults();
  }
  if (window != nullptr && !window->ShowsInfoLine())
    config.infoLine = false;
  RemoveUnusableSchemes();
  if (config.SchemeCount() == 0)
    config.SetScheme(kFallbackTemplate, FallbackScheme());
  FixTemplatedSchemes();
  totalWeight = 0;
  for (vSchemeIter it(config.Schemes()); !it.AtEnd(); it.Next())
    totalWeight += it.Value()->scheme.selectionProbability;
  if (totalWeight < 1)
    totalWeight = 1;
}

void vFactory::RemoveUnusableSchemes() {
  // Backwards, so removing a scheme does not move the ones still to visit.
  for (std::int32_t position = config.SchemeCount() - 1; position >= 0; --position) {
    vNameSchemePair *pair = config.SchemeAt(position);
    if (!IsUsable(pair->scheme))
      config.RemoveScheme(String(pair->name));
  }
}

void vFactory::FixTemplatedSchemes() {
  for (vSchemeIter it(config.Schemes()); !it.AtEnd(); it.Next()) {
    vScheme &s = it.Value()->scheme;
    if (!s.IsTemplated())
      continue;
    s.contractiveRules = false;
    s.useFixedPoints = false;
    s.maxDiscards = 1;
    s.filterEnabled = false;
    s.minDimension = 0.0;
    const vTemplate family = TemplateFromName(s.templateName);
    for (const GroupSize &size : kGroupSizes)
      if (size.family == family) {
        s.minPerGroup = size.min;
        s.maxPerGroup = size.max;
        break;
      }
  }
}

void vFactory::MeasureWindow() {
  const int clientWidth = window ? window->ClientWidth() : 0;
  const int clientHeight = window ? window->ClientHeight() : 0;
  drawWidth = clientWidth;
  drawHeight = clientHeight;
  if (config.infoLine) {
    const int font = window ? window->InfoFontHeight() : 0;
    const int lineHeight = font > 0 ? font + kInfoLinePadding : 0;
    infoRect = {0, clientHeight - lineHeight, clientWidth, clientHeight};
    drawHeight = infoRect.top;
  }
  ifsSurface *surface = window ? window->Surface() : nullptr;
  aspect = surface
               ? AspectRatio(*surface, drawWidth, drawHeight)
               : AspectRatio(kDefaultPixelsPerInch, kDefaultPixelsPerInch, drawWidth, drawHeight);
  if (surface != nullptr)
    paletteBase = window->CreatePalette();
}

vLoopState vFactory::BeginGroup() {
  if (window != nullptr && window->Surface() != nullptr) {
    if (paletteBase >= 0)
      window->RealizePalette();
    window->ClearToBlack();
  }
  fractal.ClearIntensity();
  ShowInfo("");
  scheme = PickScheme();
  fractalsLeft = scheme->minPerGroup;
  if (scheme->maxPerGroup > scheme->minPerGroup)
    fractalsLeft += Rand() % (scheme->maxPerGroup - scheme->minPerGroup);
  if (fractalsLeft < 1)
    fractalsLeft = 1;
  return vLoopState::Build;
}

vScheme *vFactory::PickScheme() {
  std::int32_t k = Rand() % totalWeight;
  vScheme *last = nullptr;
  for (vSchemeIter it(config.Schemes()); !it.AtEnd(); it.Next()) {
    last = &it.Value()->scheme;
    k -= last->selectionProbability;
    if (k < 0)
      return last;
  }
  // Only when every weight is below one: the last scheme takes the rest.
  assert(last != nullptr);
  return last;
}

vLoopState vFactory::BuildFractal() {
  if (scheme->IsTemplated())
    BuildByTemplate();
  else
    BuildRandom();
  if (paletteBase >= 0)
    fractal.SetPaletteBase(paletteBase);
  fractal.SetPointsDrawn(0);
  ComputeTarget();

  const bool filterCanReject = scheme->filterEnabled && discards < scheme->maxDiscards;
  double dimension = 0.0;
  if (config.infoLine || filterCanReject)
    dimension = fractal.Dimension(kDimensionIterations, kDimensionPatience, kDimensionGrid);
  if (filterCanReject && !(dimension >= scheme->minDimension)) {
    ++discards;
    return vLoopState::Build;
  }
  if (config.infoLine)
    ShowFigures(dimension);
  return vLoopState::Draw;
}

void vFactory::ComputeTarget() {
  ifsSurface *surface = window ? window->Surface() : nullptr;
  if (surface == nullptr) {
    targetPoints = 0;
    return;
  }
  fractal.Prepare(*surface, drawWidth, drawHeight, window->AreaLeft(), window->AreaTop());
  const ifsRect bounds = fractal.Bounds();
  const ifsPixel low = fractal.ToPixel({bounds.xMin, bounds.yMin});
  const ifsPixel high = fractal.ToPixel({bounds.xMax, bounds.yMax});
  // In double: saturated pixels may lie 2^31 apart.
  const double width = static_cast<double>(high.x) - low.x;
  const double height = static_cast<double>(high.y) - low.y;
  targetPoints = PointCount(std::fabs(width * height) * scheme->pointDensity);
}

void vFactory::ShowFigures(double dimension) {
  const double lyapunov = fractal.Lyapunov(kLyapunovIterations, kLyapunovDelta);
  String text;
  text.Format("  Rules: %d   Dimension: %lf   Ljapunov: %lf", fractal.RuleCount(), dimension,
              lyapunov);
  if (scheme->filterEnabled) {
    String filtered;
    filtered.Format("   Filtered: %d", discards);
    text += filtered;
  }
  ShowInfo(text);
}

void vFactory::BuildRandom() {
  int systems[kRuleSystemCount];
  int count = 0;
  for (int index = 0; index < kRuleSystemCount; ++index)
    if (scheme->ruleSystemEnabled[index])
      systems[count++] = index;
  if (count == 0)
    systems[count++] = static_cast<int>(ifsRuleSystem::Linear);
  const int system = systems[Rand() % count];
  const vRuleLimits &limits = scheme->ruleLimits[system];
  fractal.BuildRandom(static_cast<ifsRuleSystem>(system), limits.min, limits.max,
                      scheme->minBrightness, scheme->contractiveRules, scheme->colourSystem);
  fractal.SetUseFixedPoints(scheme->useFixedPoints);
  fractal.ComputeBounds(kBoundsPoints, aspect);
  fractal.ApplyScaling(scheme->centring, scheme->minScaling, scheme->maxScaling);
}

void vFactory::BuildByTemplate() {
  switch (TemplateFromName(scheme->templateName)) {
  case vTemplate::Ferns:
    BuildFerns(fractal, drawWidth, drawHeight, aspect);
    break;
  case vTemplate::Autumn:
    BuildAutumn(fractal, drawWidth, drawHeight, aspect);
    break;
  case vTemplate::Vorlunda:
    BuildVorlunda(fractal, drawWidth, drawHeight, aspect);
    break;
  default:
    BuildGasket(fractal, drawWidth, drawHeight, aspect);
    break;
  }
}

void vFactory::ShowInfo(const char *text) {
  if (!config.infoLine || window == nullptr || window->Surface() == nullptr)
    return;
  infoText = text;
  window->DrawInfoLine(infoRect, text);
}

void vFactory::Advance(std::uint32_t nowTicks) {
  const vLoopState from = state;
  switch (state) {
  case vLoopState::NewGroup:
    state = BeginGroup();
    break;
  case vLoopState::Build:
    state = BuildFractal();
    break;
  case vLoopState::Draw:
    DrawSlice(nowTicks);
    break;
  default:
    if (WaitLeft(nowTicks) == 0)
      state = vLoopState::NewGroup;
    break;
  }
  if (from != vLoopState::Build && state == vLoopState::Build)
    discards = 0;
}

std::uint32_t vFactory::WaitLeft(std::uint32_t nowTicks) const {
  if (state != vLoopState::Wait || scheme == nullptr)
    return 0;
  // Unsigned, so a tick count that wraps round does not stretch the wait.
  const std::uint32_t waited = nowTicks - finishTime;
  const std::uint32_t delay = static_cast<std::uint32_t>(scheme->clearDelay) * kMsPerSecond;
  return waited >= delay ? 0 : delay - waited;
}

void vFactory::DrawSlice(std::uint32_t nowTicks) {
  ifsSurface *surface = window ? window->Surface() : nullptr;
  if (surface != nullptr)
    fractal.DrawStep(*surface);
  if (fractal.PointsDrawn() < targetPoints)
    return;
  // Slices are shown a display frame at a time; a finished fractal at once.
  if (surface != nullptr)
    window->Present();
  finishTime = nowTicks;
  --fractalsLeft;
  state = fractalsLeft <= 0 ? vLoopState::Wait : vLoopState::Build;
}
