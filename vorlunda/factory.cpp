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

vFactory::vFactory(vDrawTarget *window, const vConfigMgr *source) : window_(window) {
  PrepareSchemes(source);
  MeasureWindow();
}

void vFactory::PrepareSchemes(const vConfigMgr *source) {
  if (source != nullptr) {
    config_.AssignFrom(*source);
  } else if (config_.Load().Failed()) {
    // A broken configuration must not stop the saver; the defaults draw.
    config_.RestoreDefaults();
  } else if (config_.SchemeCount() == 0) {
    config_.AddDefaultSchemes(); // every stored scheme is of a later version
  }
  if (window_ != nullptr && !window_->ShowsInfoLine())
    config_.infoLine = false;
  RemoveUnusableSchemes();
  if (config_.SchemeCount() == 0)
    config_.SetScheme(kFallbackTemplate, FallbackScheme());
  FixTemplatedSchemes();
  totalWeight_ = 0;
  for (vSchemeIter it(config_.Schemes()); !it.AtEnd(); it.Next())
    totalWeight_ += it.Value()->scheme.selectionProbability;
  if (totalWeight_ < 1)
    totalWeight_ = 1;
}

void vFactory::RemoveUnusableSchemes() {
  // Backwards, so removing a scheme does not move the ones still to visit.
  for (std::int32_t position = config_.SchemeCount() - 1; position >= 0; --position) {
    vNameSchemePair *pair = config_.SchemeAt(position);
    if (!IsUsable(pair->scheme))
      config_.RemoveScheme(String(pair->name));
  }
}

void vFactory::FixTemplatedSchemes() {
  for (vSchemeIter it(config_.Schemes()); !it.AtEnd(); it.Next()) {
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
  const int clientWidth = window_ ? window_->ClientWidth() : 0;
  const int clientHeight = window_ ? window_->ClientHeight() : 0;
  drawWidth_ = clientWidth;
  drawHeight_ = clientHeight;
  if (config_.infoLine) {
    const int font = window_ ? window_->InfoFontHeight() : 0;
    const int lineHeight = font > 0 ? font + kInfoLinePadding : 0;
    infoRect_ = {0, clientHeight - lineHeight, clientWidth, clientHeight};
    drawHeight_ = infoRect_.top;
  }
  ifsSurface *surface = window_ ? window_->Surface() : nullptr;
  aspect_ =
      surface ? AspectRatio(*surface, drawWidth_, drawHeight_)
              : AspectRatio(kDefaultPixelsPerInch, kDefaultPixelsPerInch, drawWidth_, drawHeight_);
  if (surface != nullptr)
    paletteBase_ = window_->CreatePalette();
}

vLoopState vFactory::BeginGroup() {
  if (window_ != nullptr && window_->Surface() != nullptr) {
    if (paletteBase_ >= 0)
      window_->RealizePalette();
    window_->ClearToBlack();
  }
  fractal_.ClearIntensity();
  trace_.clear();
  ShowInfo("");
  scheme_ = PickScheme();
  fractalsLeft = scheme_->minPerGroup;
  if (scheme_->maxPerGroup > scheme_->minPerGroup)
    fractalsLeft += Rand() % (scheme_->maxPerGroup - scheme_->minPerGroup);
  if (fractalsLeft < 1)
    fractalsLeft = 1;
  return vLoopState::Build;
}

vScheme *vFactory::PickScheme() {
  std::int32_t k = Rand() % totalWeight_;
  vScheme *last = nullptr;
  for (vSchemeIter it(config_.Schemes()); !it.AtEnd(); it.Next()) {
    last = &it.Value()->scheme;
    k -= last->selectionProbability;
    if (k < 0)
      return last;
  }
  // Only when every weight is below one: the last scheme takes the rest.
  assert(last != nullptr);
  return last;
}

void vFactory::BuildFromScheme() {
  if (scheme_->IsTemplated())
    BuildByTemplate();
  else
    BuildRandom();
  if (paletteBase_ >= 0)
    fractal_.SetPaletteBase(paletteBase_);
  fractal_.SetPointsDrawn(0);
  ComputeTarget();
}

vLoopState vFactory::BuildFractal() {
  buildState_ = RandomState();
  BuildFromScheme();

  const bool filterCanReject = scheme_->filterEnabled && discards < scheme_->maxDiscards;
  double dimension = 0.0;
  if (config_.infoLine || filterCanReject)
    dimension = fractal_.Dimension(kDimensionIterations, kDimensionPatience, kDimensionGrid);
  if (filterCanReject && !(dimension >= scheme_->minDimension)) {
    ++discards;
    return vLoopState::Build;
  }
  if (config_.infoLine)
    ShowFigures(dimension);
  trace_.push_back({buildState_, RandomState(), 0});
  return vLoopState::Draw;
}

void vFactory::ComputeTarget() {
  ifsSurface *surface = window_ ? window_->Surface() : nullptr;
  if (surface == nullptr) {
    targetPoints = 0;
    return;
  }
  fractal_.Prepare(*surface, drawWidth_, drawHeight_, window_->AreaLeft(), window_->AreaTop());
  const ifsRect bounds = fractal_.Bounds();
  const ifsPixel low = fractal_.ToPixel({bounds.xMin, bounds.yMin});
  const ifsPixel high = fractal_.ToPixel({bounds.xMax, bounds.yMax});
  // In double: saturated pixels may lie 2^31 apart.
  const double width = static_cast<double>(high.x) - low.x;
  const double height = static_cast<double>(high.y) - low.y;
  targetPoints = PointCount(std::fabs(width * height) * scheme_->pointDensity);
}

void vFactory::ShowFigures(double dimension) {
  const double lyapunov = fractal_.Lyapunov(kLyapunovIterations, kLyapunovDelta);
  String text;
  text.Format("  Rules: %d   Dimension: %lf   Ljapunov: %lf", fractal_.RuleCount(), dimension,
              lyapunov);
  if (scheme_->filterEnabled) {
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
    if (scheme_->ruleSystemEnabled[index])
      systems[count++] = index;
  if (count == 0)
    systems[count++] = static_cast<int>(ifsRuleSystem::Linear);
  const int system = systems[Rand() % count];
  const vRuleLimits &limits = scheme_->ruleLimits[system];
  fractal_.BuildRandom(static_cast<ifsRuleSystem>(system), limits.min, limits.max,
                       scheme_->minBrightness, scheme_->contractiveRules, scheme_->colourSystem);
  fractal_.SetUseFixedPoints(scheme_->useFixedPoints);
  fractal_.ComputeBounds(kBoundsPoints, aspect_);
  fractal_.ApplyScaling(scheme_->centring, scheme_->minScaling, scheme_->maxScaling);
}

void vFactory::BuildByTemplate() {
  switch (TemplateFromName(scheme_->templateName)) {
  case vTemplate::Ferns:
    BuildFerns(fractal_, drawWidth_, drawHeight_, aspect_);
    break;
  case vTemplate::Autumn:
    BuildAutumn(fractal_, drawWidth_, drawHeight_, aspect_);
    break;
  case vTemplate::Vorlunda:
    BuildVorlunda(fractal_, drawWidth_, drawHeight_, aspect_);
    break;
  default:
    BuildGasket(fractal_, drawWidth_, drawHeight_, aspect_);
    break;
  }
}

void vFactory::ShowInfo(const char *text) {
  if (!config_.infoLine || window_ == nullptr || window_->Surface() == nullptr)
    return;
  infoText_ = text;
  window_->DrawInfoLine(infoRect_, text);
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
  if (state != vLoopState::Wait || scheme_ == nullptr)
    return 0;
  // Unsigned, so a tick count that wraps round does not stretch the wait.
  const std::uint32_t waited = nowTicks - finishTime;
  const std::uint32_t delay = static_cast<std::uint32_t>(scheme_->clearDelay) * kMsPerSecond;
  return waited >= delay ? 0 : delay - waited;
}

void vFactory::DrawSlice(std::uint32_t nowTicks) {
  ifsSurface *surface = window_ ? window_->Surface() : nullptr;
  if (surface != nullptr)
    fractal_.DrawStep(*surface);
  if (!trace_.empty())
    trace_.back().points = fractal_.PointsDrawn();
  if (fractal_.PointsDrawn() < targetPoints)
    return;
  // Slices are shown a display frame at a time; a finished fractal at once.
  if (surface != nullptr)
    window_->Present();
  finishTime = nowTicks;
  --fractalsLeft;
  state = fractalsLeft <= 0 ? vLoopState::Wait : vLoopState::Build;
}

String vFactory::CurrentSchemeName() const {
  for (vSchemeIter it(config_.Schemes()); !it.AtEnd(); it.Next())
    if (&it.Value()->scheme == scheme_)
      return it.Value()->name;
  return String();
}

// The same steps as the loop's, without the filter: a traced fractal was
// one the filter kept, and its measures are skipped by seeding the drawing.
void vFactory::Redraw(const std::vector<vFractalTrace> &fractals, double pointScale) {
  ifsSurface *surface = window_ ? window_->Surface() : nullptr;
  if (surface == nullptr || config_.SchemeCount() == 0)
    return;
  if (paletteBase_ >= 0)
    window_->RealizePalette();
  window_->ClearToBlack();
  fractal_.ClearIntensity();
  scheme_ = &config_.SchemeAt(0)->scheme;
  for (const vFractalTrace &traced : fractals) {
    SeedRandom(traced.buildState);
    BuildFromScheme();
    SeedRandom(traced.drawState);
    const std::int32_t points = PointCount(traced.points * pointScale);
    while (fractal_.PointsDrawn() < points)
      fractal_.DrawStep(*surface);
  }
  window_->Present();
}
