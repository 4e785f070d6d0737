#pragma once

#include "foundation/error.h"
#include "foundation/string.h"

#include <cstdint>

enum class vRenderAction { Draw, List, Check, Replay };

struct vRenderOptions {
  vRenderAction action = vRenderAction::Draw;
  String checkText;
  String schemeName;
  String schemeText;
  bool hasSeed = false;
  std::uint32_t seed = 0;
  String replayPath;
  String recordPath;
  bool hasSize = false;
  int width = 1024;
  int height = 768;
  int groups = 1;
  int depth = 24;
  bool info = false;
  bool defaults = false;
  String output;
};

constexpr const char *kRenderUsage =
    "usage: vorlunda-render [--defaults] (--list | --check TEXT | -o FILE [--scheme NAME | "
    "--scheme-text TEXT] [--seed N] [--size WxH] [--groups N] [--depth 24|8] [--info] "
    "[--record FILE] | --replay FILE [--size WxH] -o FILE); FILE.png writes PNG";

// A failed result carries the reason for a usage error.
[[nodiscard]] Error ParseRenderOptions(int argc, const char *const *argv, vRenderOptions &options);
