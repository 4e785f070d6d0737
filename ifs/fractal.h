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
  std::int32_t RuleCount() const { return rules.Count(); }
  const ifsRule &Rule(int index) const { return rules[index]; }
  double TotalWeight() const { return totalWeight; }

  void SetUseFixedPoints(bool use) { useFixedPoints = use; }
  void SetColourSystem(ifsColourSystem system) { colourSystem = system; }
  void SetColour(int r, int g, int b);
  void SetSpectrum(int h, int l, int s, int step);

  ifsRect Bounds() const { return bounds; }
  ifsRect View() const { return view; }
  ifsPoint Current() const { return current; }
  ifsColour CurrentColour() const { return currentColour; }
  bool IsIterating() const { return iterating; }
  bool UsesFixedPoints() const { return useFixedPoints; }
  ifsColourSystem ColourSystem() const { return colourSystem; }
  ifsRgb Colour() const { return {red, green, blue}; }
  ifsHls SpectrumColour() const { return {hue, luminance, saturation}; }
  int HueStep() const { return hueStep; }

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
  DynArray<ifsRule> rules{20};
  double totalWeight = 0.0;
  ifsPoint current;
  ifsColour currentColour;
  bool iterating = false;
  bool useFixedPoints = false;
  std::int32_t warmUpSteps = 20;
  ifsRect bounds;
  ifsRect view;
  double escapeLimit = 1e6;
  ifsColourSystem colourSystem = ifsColourSystem::Solid;
  std::int32_t red = 255, green = 255, blue = 255;
  std::int32_t hue = 0, luminance = 240, saturation = 0;
  std::int32_t hueStep = 4;

private:
  // The colour an orbit starts with when no rule supplies one.
  ifsColour FractalColour() const;
  void IncludeInBounds(ifsPoint p, bool &first);
  void FitViewToAspect(double aspect);
};
