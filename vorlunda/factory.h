#pragma once

#include "ifs/guifractal.h"
#include "ifs/surface.h"
#include "vorlunda/config.h"
#include "vorlunda/drawtarget.h"
#include "vorlunda/handbuilt.h"

#include <cstdint>
#include <vector>

// Drawing-loop states, stored as their numbers 0 to 3.
enum class vLoopState : std::int32_t { NewGroup = 0, Build = 1, Draw = 2, Wait = 3 };

// What one fractal of a group took: the generator's state when its build
// began and when its drawing began (the measures in between draw from the
// generator too), and the points drawn so far.
struct vFractalTrace {
  std::uint32_t buildState = 0;
  std::uint32_t drawState = 0;
  std::int32_t points = 0;
};

// Turns the usable schemes of a configuration into groups of fractals drawn
// on a target, one small slice of work per Advance.
class vFactory {
public:
  // Copies `source`, or loads the stored configuration when it is null.
  vFactory(vDrawTarget *window, const vConfigMgr *source);
  vFactory(const vFactory &) = delete;
  vFactory &operator=(const vFactory &) = delete;
  ~vFactory() = default;

  vLoopState BeginGroup();
  vLoopState BuildFractal();
  void ShowInfo(const char *text);
  // One transition of the loop; nowTicks is the system tick count.
  void Advance(std::uint32_t nowTicks);
  // Milliseconds until a waiting group gives way to the next, so the loop
  // can sleep until then; 0 when there is work now.
  std::uint32_t WaitLeft(std::uint32_t nowTicks) const;

  const vConfigMgr &Config() const { return config_; }
  const vScheme *CurrentScheme() const { return scheme_; }
  const ifsGuiFractal &Fractal() const { return fractal_; }
  int PaletteBase() const { return paletteBase_; }
  int TotalWeight() const { return totalWeight_; }
  int DrawWidth() const { return drawWidth_; }
  int DrawHeight() const { return drawHeight_; }
  const String &InfoText() const { return infoText_; }
  // The name the current scheme is kept under; empty before the first group.
  String CurrentSchemeName() const;
  // The fractals of the current group that have begun drawing, in order.
  const std::vector<vFractalTrace> &GroupTrace() const { return trace_; }

  // Draws a traced group again from its states, each fractal for its points
  // times `pointScale`, with the configuration's first scheme.
  void Redraw(const std::vector<vFractalTrace> &fractals, double pointScale);

  // Read and written by the drawing loop.
  vLoopState state = vLoopState::NewGroup;
  std::int32_t discards = 0;
  std::int32_t fractalsLeft = 0;
  std::int32_t targetPoints = 0;
  std::uint32_t finishTime = 0;

private:
  void PrepareSchemes(const vConfigMgr *source);
  void RemoveUnusableSchemes();
  void FixTemplatedSchemes();
  void MeasureWindow();
  vScheme *PickScheme();
  void BuildRandom();
  // The current scheme's next fractal, from the generator as it stands,
  // ready to draw: built, on the palette, its target set.
  void BuildFromScheme();
  void BuildByTemplate();
  void ComputeTarget();
  void ShowFigures(double dimension);
  void DrawSlice(std::uint32_t nowTicks);

  vDrawTarget *window_; // not owned; may be null
  vConfigMgr config_;
  std::int32_t drawWidth_ = 0;
  std::int32_t drawHeight_ = 0;
  double aspect_ = 0.0;
  std::int32_t paletteBase_ = -1;
  std::int32_t totalWeight_ = 1;
  vScheme *scheme_ = nullptr; // inside config
  ifsGuiFractal fractal_;
  ifsPixelRect infoRect_;
  String infoText_;
  std::vector<vFractalTrace> trace_;
  std::uint32_t buildState_ = 0;
};
