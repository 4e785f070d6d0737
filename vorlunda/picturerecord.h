#pragma once

#include "foundation/error.h"
#include "foundation/string.h"
#include "vorlunda/factory.h"

#include <cstdint>
#include <vector>

// The version of the record text this program writes; it reads this one
// and every earlier one.
constexpr std::int32_t kRecordFormat = 1;
// A record lies beside its picture under the same name with this ending.
constexpr const char *kRecordExtension = ".vorlunda";
// The largest side a picture may be drawn at, recorded or asked for.
constexpr std::int32_t kMaxPictureSide = 16384;
// More monitors than any system joins into one desktop.
constexpr std::int32_t kMaxRecordAreas = 64;

// One monitor's part of a recorded picture and the group drawn there.
struct vAreaRecord {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  // Rows fractals are fitted to, from the top; the rest held the
  // information line.
  std::int32_t drawnHeight = 0;
  String schemeName;
  String schemeText;
  std::vector<vFractalTrace> fractals;
};

// What it takes to draw a picture again.
struct vPictureRecord {
  String program;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t depth = 24;
  std::int32_t pixelsPerInchX = 96;
  std::int32_t pixelsPerInchY = 96;
  // The colour cube's first palette index on 8-bit pictures, else -1.
  std::int32_t paletteBase = -1;
  std::vector<vAreaRecord> areas;
};

// The program and its version, as records name them.
const char *RecordProgram();

// The area a factory draws on, at (left, top) of the picture and
// width × height, with the group it is drawing; fails before any group.
[[nodiscard]] Error TraceArea(const vFactory &factory, std::int32_t left, std::int32_t top,
                              std::int32_t width, std::int32_t height, vAreaRecord &area);

String RecordText(const vPictureRecord &record);
// Checks everything a replay relies on, scheme texts included; a failure
// names the line and what is wrong with it.
[[nodiscard]] Error ParseRecord(const char *text, vPictureRecord &record);

// A file left half written is removed.
[[nodiscard]] Error WriteRecordFile(const char *path, const vPictureRecord &record);
[[nodiscard]] Error ReadRecordFile(const char *path, vPictureRecord &record);

// `picturePath` with its ending (if any) replaced by the record's.
String RecordPathFor(const char *picturePath);
