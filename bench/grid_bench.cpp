// Painting the worked-bands grid in list mode with a full band: every DXCC entity and all 40
// call areas worked on the tuned band.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include "display/grid_painter.h"
#include "display/recording_canvas.h"

namespace korvane {
namespace {

// Takes the commands and keeps nothing, so that the painting itself is measured.
class DiscardingCanvas : public Canvas {
 public:
  void FillRect(const Rect&, Color) override { ++commands; }
  void Draw3dRect(const Rect&, Color, Color) override { ++commands; }
  void DrawFocusRect(const Rect&) override { ++commands; }
  void Ellipse(const Rect&, const Pen&) override { ++commands; }
  void TextAt(int, int, const std::string&) override { ++commands; }
  void TextInRect(const Rect&, const std::string&, unsigned) override { ++commands; }
  Color SetTextColor(Color) override {
    ++commands;
    return 0;
  }
  void SetBkMode(BkMode) override { ++commands; }
  void SetBkColor(Color) override { ++commands; }
  long commands = 0;
};

// About 340 entity prefixes and the 40 call areas, in the order a tally appends them.
std::vector<std::string> FullBand() {
  std::vector<std::string> list;
  for (char a = 'A'; a <= 'Z'; ++a) {
    for (char b : std::string("ABCDEFGHIJKLM")) list.push_back(std::string{a, b});
  }
  for (const char* country : {"K", "VE", "JA", "VK"}) {
    for (char digit = '0'; digit <= '9'; ++digit) list.push_back(std::string(country) + digit);
  }
  std::shuffle(list.begin(), list.end(), std::mt19937(7));
  return list;
}

const Rect kItem{0, 0, 400, 126};

// Every paint after the first finds the list already sorted.
void BM_ListModeSortedList(benchmark::State& state) {
  BandTexts rows;
  BandTexts mults;
  mults[3] = FullBand();
  DiscardingCanvas canvas;
  for (auto _ : state) {
    PaintGrid(canvas, kItem, "", 3, rows, mults);
  }
  benchmark::DoNotOptimize(canvas.commands);
  state.SetItemsProcessed(state.iterations() * static_cast<long>(mults[3].size()));
}
BENCHMARK(BM_ListModeSortedList);

// The first paint after a tally rebuilt the list; the copy back into the table is included.
void BM_ListModeRebuiltList(benchmark::State& state) {
  const std::vector<std::string> rebuilt = FullBand();
  BandTexts rows;
  BandTexts mults;
  DiscardingCanvas canvas;
  for (auto _ : state) {
    mults[3] = rebuilt;
    PaintGrid(canvas, kItem, "", 3, rows, mults);
  }
  benchmark::DoNotOptimize(canvas.commands);
  state.SetItemsProcessed(state.iterations() * static_cast<long>(rebuilt.size()));
}
BENCHMARK(BM_ListModeRebuiltList);

// What the headless display does: keep every command as a value.
void BM_ListModeRecorded(benchmark::State& state) {
  BandTexts rows;
  BandTexts mults;
  mults[3] = FullBand();
  for (auto _ : state) {
    RecordingCanvas canvas;
    PaintGrid(canvas, kItem, "", 3, rows, mults);
    benchmark::DoNotOptimize(canvas.Commands().data());
  }
}
BENCHMARK(BM_ListModeRecorded);

}  // namespace
}  // namespace korvane

BENCHMARK_MAIN();
