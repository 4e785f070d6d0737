// The edit filter as a keystroke meets it: the whole text of a field at its
// longest (a screen-shot folder of 65,535 characters) is walked on every
// EN_UPDATE. The goal is well under 10 ms a keystroke.
#include "pallwork/editfilter.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace {

constexpr int kFieldLimit = 65535;

String FolderText(int length) {
  std::string text = "C:\\shots\\";
  while (static_cast<int>(text.size()) < length)
    text += "abcdefghij\\";
  text.resize(static_cast<std::size_t>(length));
  return String(text.c_str());
}

// Nothing refused: the path field's rule, the common keystroke.
void KeystrokeAllAllowed(benchmark::State &state) {
  const String text = FolderText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    pwEditState edit{text, 100, 100};
    const bool deleted = FilterEditText(
        edit, [](char character, bool) { return IsClassCharAllowed(character, kCharAnything); });
    benchmark::DoNotOptimize(deleted);
  }
}
BENCHMARK(KeystrokeAllAllowed)->Arg(1024)->Arg(kFieldLimit)->Unit(benchmark::kMillisecond);

// Every slash refused, as a name field meets a pasted path.
void KeystrokeManyRefused(benchmark::State &state) {
  const String text = FolderText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    pwEditState edit{text, 100, 100};
    const bool deleted = FilterEditText(
        edit, [](char character, bool) { return IsClassCharAllowed(character, kCharNoSlashes); });
    benchmark::DoNotOptimize(deleted);
  }
}
BENCHMARK(KeystrokeManyRefused)->Arg(1024)->Arg(kFieldLimit)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
