#pragma once

#include "foundation/dynarray.h"
#include "ifs/colour.h"
#include "ifs/coloursystem.h"
#include "ifs/point.h"
#include "ifs/rect.h"
#include "ifs/rule.h"
#include "ifs/rulesystem.h"

#include <cstdint>

// Points are produced and plotted in batches of this many.
constexpr int kBatchPoints = 100;

// Points a fractal's bounds are measured over before it is fitted to a window.
constexpr int kBoundsPoints = 10000;

// One iterated function system with the running state of its chaos game, the
// measured bounds of its attractor, the view a window shows and its colours.
// Every operation that iterates needs at least one rule.
class ifsFractal {
public:
  ifsFractal() = default;
  ifsFractal(const ifsFractal &) = default;
  ifsFractal &operator=(const ifsFractal &) = default;
  virtual ~ifsFractal() = default;

  void AddRule(const ifsRule &rule);
  std::int32_t RuleCount() const { return rules_.Count(); }
  const ifsRule &Rule(int index) const { return rules_[index]; }
  double TotalWeight() const { return totalWeight_; }

  void SetUseFixedPoints(bool use) { useFixedPoints_ = use; }
  void SetColourSystem(ifsColourSystem system) { colourSystem_ = system; }
  void SetColour(int r, int g, int b);
  void SetSpectrum(int h, int l, int s, int step);

  ifsRect Bounds() const { return bounds_; }
  ifsRect View() const { return view_; }
  ifsPoint Current() const { return current_; }
  ifsColour CurrentColour() const { return currentColour_; }
  bool IsIterating() const { return iterating_; }
  bool UsesFixedPoints() const { return useFixedPoints_; }
  ifsColourSystem ColourSystem() const { return colourSystem_; }
  ifsRgb Colour() const { return {red_, green_, blue_}; }
  ifsHls SpectrumColour() const { return {hue_, luminance_, saturation_}; }
  int HueStep() const { return hueStep_; }

  // Replaces the whole fractal by a random one of minRules to maxRules rules
  // (2 to 100) of `system`; Mixture gives each rule its own system.
  void BuildRandom(ifsRuleSystem system, int minRules, int maxRules, int minBrightness,
                   bool contractiveOnly, ifsColourSystem colourSystem);

  // Rule i with probability weight(i) / totalWeight; the last takes any remainder.
  const ifsRule &ChooseRule() const;

  // A fresh starting point, already warmed up; `colour`, if given, gets the
  // colour the orbit starts with.
  void StartPoint(ifsPoint &point, ifsColour *colour = nullptr);

  // The next `count` points of the chaos game, continuing the orbit. With
  // `colours` (Shaded only tracks a running colour) each point's colour too.
  // An escaped orbit fills the rest of the batch with its clamped point.
  void Iterate(int count, ifsPoint *points, ifsRgb *colours = nullptr);

  // Holds the point within ±escapeLimit; true if it had left.
  bool Clamp(ifsPoint &point) const;

  // Measures `bounds` over numPoints points (kBoundsPoints unless a caller
  // has a reason) and sets `view` to them, widened to `aspect` (width /
  // height, physical) when that is positive.
  void ComputeBounds(int numPoints, double aspect);

  // Zooms the view by a log-uniform factor in [minScaling, maxScaling] and
  // shifts it by up to `centring` half-windows; draws three random values.
  void ApplyScaling(double centring, double minScaling, double maxScaling);

  // Coordinate changes of every rule; the orbit starts afresh afterwards.
  void ScaleAll(double sx, double sy);
  void ShearAll(double p, double q);
  void RotateAll(double angle);
  void FlipAllHorizontal();

  // Box-counting dimension over `bounds`, at gridSize (positive, even) and
  // gridSize / 2 boxes a side; stops after `patience` steps without a new box.
  double Dimension(int maxIterations, int patience, int gridSize);
  // Mean logarithmic separation rate of two orbits `delta` apart.
  double Lyapunov(int iterations, double delta);

protected:
  // Read by the renderer; changed only through the operations above.
  DynArray<ifsRule> rules_{20};
  double totalWeight_ = 0.0;
  ifsPoint current_;
  ifsColour currentColour_;
  bool iterating_ = false;
  bool useFixedPoints_ = false;
  std::int32_t warmUpSteps_ = 20;
  ifsRect bounds_;
  ifsRect view_;
  double escapeLimit_ = 1e6;
  ifsColourSystem colourSystem_ = ifsColourSystem::Solid;
  std::int32_t red_ = 255, green_ = 255, blue_ = 255;
  std::int32_t hue_ = 0, luminance_ = 240, saturation_ = 0;
  std::int32_t hueStep_ = 4;

private:
  // The colour an orbit starts with when no rule supplies one.
  ifsColour FractalColour() const;
  void IncludeInBounds(ifsPoint p, bool &first);
  void FitViewToAspect(double aspect);
};
