// The engine's costs over a contest-sized log: the call check scans the log, and each results
// call recounts everything.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "display/display_state.h"
#include "engine/contest.h"

namespace {

using korvane::Contest;

const char* const kBands[] = {"80m", "40m", "20m", "15m", "10m"};
const char* const kPrefixes[] = {"K", "VE", "JA", "VK", "DL", "G", "F", "I", "OH", "SP", "UA9", "LU"};
const char* const kContinents[] = {"NA", "NA", "AS", "OC", "EU", "EU", "EU", "EU", "EU", "EU", "AS", "SA"};

struct Session {
  korvane::DisplayState display;
  Contest contest{korvane::ContestServices{}, display, "/nonexistent-bench-folder/"};

  explicit Session(int qsos) {
    for (int i = 0; i < qsos; ++i) {
      const int p = i % 12;
      const std::string call = std::string(kPrefixes[p]) + std::to_string(i % 10) + "X" +
                               std::to_string(i);
      korvane::QsoArgs args;
      args.ownCall = "OH2XX";
      args.call = call.c_str();
      args.time = {43904.5 + i / 1440.0, korvane::DateStatus::kValid};
      args.freqHz = 14085000;
      args.mode = "RTTY";
      args.rstSent = "599";
      args.rstRcvd = "599";
      args.nrSent = "001";
      args.nrRcvd = "002";
      args.area = call.c_str();
      args.prefix = kPrefixes[p];
      args.continent = kContinents[p];
      args.band = kBands[i % 5];
      contest.AddData(args);
    }
    contest.Tables().ownPrefix = "OH";
    contest.Tables().ownContinent = "EU";
  }
};

void BM_CheckCall(benchmark::State& state) {
  Session session(static_cast<int>(state.range(0)));
  korvane::CheckCallArgs args;
  args.call = "K9NEW";
  args.mode = "RTTY";
  args.area = "K9NEW";
  args.prefix = "K";
  args.continent = "NA";
  args.band = "20m";
  for (auto _ : state) benchmark::DoNotOptimize(session.contest.CheckCall(args));
}
BENCHMARK(BM_CheckCall)->Arg(500)->Arg(3000)->Arg(10000);

void BM_GetResult(benchmark::State& state) {
  Session session(static_cast<int>(state.range(0)));
  int flag = 0;
  for (auto _ : state) benchmark::DoNotOptimize(session.contest.GetResult(&flag, nullptr));
}
BENCHMARK(BM_GetResult)->Arg(500)->Arg(3000)->Arg(10000);

}  // namespace

BENCHMARK_MAIN();
