// The eleven entry points. Each holds the contest's lock for its call and catches everything:
// nothing throws to the host.

#include <optional>
#include <string>

#include "plugin/korvane_stats.h"
#include "plugin/plugin_context.h"

using korvane::Plugin;

namespace {

korvane::OleDate FromHost(const KorvaneDate* date) {
  korvane::OleDate out;
  if (date == nullptr) {
    out.status = korvane::DateStatus::kNull;
    return out;
  }
  out.value = date->dt;
  switch (date->status) {
    case KORVANE_DATE_VALID: out.status = korvane::DateStatus::kValid; break;
    case KORVANE_DATE_NULL: out.status = korvane::DateStatus::kNull; break;
    default: out.status = korvane::DateStatus::kInvalid; break;
  }
  return out;
}

korvane::QsoArgs QsoFromHost(const char* ownCall, const char* call, const KorvaneDate* time,
                             unsigned int freqHz, const char* mode, const char* rstSent,
                             const char* rstRcvd, const char* nrSent, const char* nrRcvd,
                             const char* area, const char* prefix, const char* continent,
                             const char* band) {
  korvane::QsoArgs args;
  args.ownCall = ownCall;
  args.call = call;
  args.time = FromHost(time);
  args.freqHz = freqHz;
  args.mode = mode;
  args.rstSent = rstSent;
  args.rstRcvd = rstRcvd;
  args.nrSent = nrSent;
  args.nrRcvd = nrRcvd;
  args.area = area;
  args.prefix = prefix;
  args.continent = continent;
  args.band = band;
  return args;
}

}  // namespace

extern "C" {

unsigned long KORVANE_CALL setVersion(const char* /*version*/) {
  try {
    korvane::Contest& contest = Plugin().contest();
    std::lock_guard<std::mutex> hold(contest.Mutex());
    return contest.SetVersion();
  } catch (...) {
    return 0;
  }
}

int KORVANE_CALL GetNumberOfSets(void) { return 1; }

const char* KORVANE_CALL GetSetName(int set) { return set == 0 ? "KORVANE (C)" : ""; }

void KORVANE_CALL SetupSet0(void) {
  try {
    Plugin().messages().Show("", "No additional setup for this plugin", korvane::MessageIcon::kNone);
  } catch (...) {
  }
}

int KORVANE_CALL StatsGetExchgCount0(const char* /*p1*/, const char* /*p2*/, const char* /*p3*/) {
  return GetNumberOfSets();
}

int KORVANE_CALL StatsIsValidExchg0(const char* exchange, const char* /*p2*/, const char* /*p3*/,
                                    const char* /*p4*/, int /*p5*/, int /*p6*/, int /*p7*/) {
  try {
    return korvane::Contest::IsValidExchange(exchange);
  } catch (...) {
    return 0;
  }
}

int KORVANE_CALL CheckCallFunc0(const char* call, unsigned int, unsigned int, const char* mode,
                                const char*, const char*, const char*, const char*, const char*,
                                const char*, const char*, const char*, const char* area,
                                const char* prefix, int, int, int, double, double, const char*,
                                const char* continent, const char*, const char*, const char*,
                                const char* band, const char* band2, char*, char*) {
  try {
    korvane::CheckCallArgs args;
    args.call = call;
    args.mode = mode;
    args.area = area;
    args.prefix = prefix;
    args.continent = continent;
    args.band = band;
    args.band2 = band2;
    korvane::Contest& contest = Plugin().contest();
    std::lock_guard<std::mutex> hold(contest.Mutex());
    return contest.CheckCall(args);
  } catch (...) {
    return KORVANE_CHECK_VALID;
  }
}

int KORVANE_CALL AddData0(const char* ownCall, const char* call, KorvaneDate* time, KorvaneDate*,
                          KorvaneDate*, KorvaneDate*, unsigned int, unsigned int freqHz,
                          const char* mode, const char* rstSent, const char* rstRcvd,
                          const char* nrSent, const char* nrRcvd, const char*, const char*,
                          const char*, const char*, const char*, const char*, const char*,
                          const char*, const char* area, const char* prefix, int, int, int,
                          double, double, const char*, const char* continent, const char*,
                          const char* band, const char*) {
  try {
    const korvane::QsoArgs args = QsoFromHost(ownCall, call, time, freqHz, mode, rstSent, rstRcvd,
                                              nrSent, nrRcvd, area, prefix, continent, band);
    korvane::Contest& contest = Plugin().contest();
    std::lock_guard<std::mutex> hold(contest.Mutex());
    return contest.AddData(args);
  } catch (...) {
    return 0;
  }
}

int KORVANE_CALL RemoveData0(const char* ownCall, const char* call, KorvaneDate* time,
                             KorvaneDate*, KorvaneDate*, KorvaneDate*, unsigned int,
                             unsigned int freqHz, const char* mode, const char* rstSent,
                             const char* rstRcvd, const char* nrSent, const char* nrRcvd,
                             const char*, const char*, const char*, const char*, const char*,
                             const char*, const char*, const char*, const char* area,
                             const char* prefix, int, int, int, double, double, const char*,
                             const char* continent, const char*, const char* band, const char*) {
  try {
    const korvane::QsoArgs args = QsoFromHost(ownCall, call, time, freqHz, mode, rstSent, rstRcvd,
                                              nrSent, nrRcvd, area, prefix, continent, band);
    korvane::Contest& contest = Plugin().contest();
    std::lock_guard<std::mutex> hold(contest.Mutex());
    return contest.RemoveData(args);
  } catch (...) {
    return 1;
  }
}

int KORVANE_CALL ResetStats0(const char* hostFolder, int cabrillo, const char* ownCall,
                             KorvaneDate* start, KorvaneDate* end, const char*, const char*,
                             const char*, const char*, const char*, const char*, const char*,
                             const char*, const char*, const char* ownPrefix, int, int, int,
                             double, double, const char*, const char* ownContinent, const char*) {
  try {
    korvane::ResetArgs args;
    args.hostFolder = hostFolder;
    args.cabrilloExport = cabrillo;
    args.ownCall = ownCall;
    args.start = FromHost(start);
    args.end = FromHost(end);
    args.ownPrefix = ownPrefix;
    args.ownContinent = ownContinent;
    korvane::Contest& contest = Plugin().contest();
    std::lock_guard<std::mutex> hold(contest.Mutex());
    return contest.ResetStats(args);
  } catch (...) {
    return 1;
  }
}

const char* KORVANE_CALL GetResult0(int* flag) {
  static const char kNoResult[] = "";
  try {
    korvane::Contest& contest = Plugin().contest();
    std::optional<std::string> message;
    const char* text = nullptr;
    {
      std::lock_guard<std::mutex> hold(contest.Mutex());
      text = contest.GetResult(flag, &message);
    }
    // The "Output" box is modal; the display thread must not wait on the tables meanwhile.
    if (message) Plugin().messages().Show("Output", *message, korvane::MessageIcon::kInformation);
    return text;
  } catch (...) {
    if (flag != nullptr) *flag = -1;
    return kNoResult;
  }
}

#if !defined(_WIN32)
// The host may look up either name.
int GetExchgCount0(const char*, const char*, const char*) __attribute__((alias("StatsGetExchgCount0")));
int IsValidExchg0(const char*, const char*, const char*, const char*, int, int, int)
    __attribute__((alias("StatsIsValidExchg0")));
int CheckCall0(const char*, unsigned int, unsigned int, const char*, const char*, const char*,
               const char*, const char*, const char*, const char*, const char*, const char*,
               const char*, const char*, int, int, int, double, double, const char*, const char*,
               const char*, const char*, const char*, const char*, const char*, char*, char*)
    __attribute__((alias("CheckCallFunc0")));
#endif

}  // extern "C"
