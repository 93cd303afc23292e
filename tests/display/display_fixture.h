#ifndef KORVANE_TESTS_DISPLAY_DISPLAY_FIXTURE_H
#define KORVANE_TESTS_DISPLAY_DISPLAY_FIXTURE_H

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "display/headless_display.h"
#include "engine/contest.h"

namespace korvane {

// The INI section in memory; every write is recorded in order as "key=value".
class MemorySettings : public Settings {
 public:
  std::string Read(const std::string& key, const std::string& fallback) override {
    const auto it = values.find(key);
    return it == values.end() ? fallback : it->second;
  }
  void Write(const std::string& key, const std::string& value) override {
    values[key] = value;
    writes.push_back(key + "=" + value);
  }
  std::map<std::string, std::string> values;
  std::vector<std::string> writes;
};

// A contest with a started session and the headless display over it.
class DisplayTest : public ::testing::Test {
 protected:
  DisplayTest() {
    ContestTables& tables = contest.Tables();
    tables.startYear = "2020";
    for (int row = 0; row < kBandSlots; ++row) {
      tables.callInfoRows[row] = {kSlotBands[row], "-", "-", "-", "-"};
    }
  }

  CInfo& Log(const std::string& call, const std::string& band, int hour, int minute,
             const std::string& nrRcvd, const std::string& mode = "RTTY") {
    CInfo record;
    record.m_call = call;
    record.m_band = band;
    record.m_mode = mode;
    record.m_time.value = MakeOleDate(2020, 3, 14, hour, minute);
    record.m_nrRcvd = nrRcvd;
    contest.Tables().qsoLog.push_back(record);
    return contest.Tables().qsoLog.back();
  }

  // Starts the display with the host on `hz` typing `call`, and runs the first refresh.
  void Start(const std::string& call, double hz) {
    display.Host().call = call;
    display.Host().frequencyHz = hz;
    ASSERT_TRUE(display.Start());
    display.Pump();
  }

  // A Setup box click's request, then the cycle it starts.
  void Refresh() {
    state.ArmAndPostRefresh();
    display.Pump();
  }

  PlainGridWindow* Grid() { return static_cast<PlainGridWindow*>(display.Setup()->Grid()); }
  PlainCallAreaWindow* Areas() {
    return static_cast<PlainCallAreaWindow*>(display.Setup()->CallArea());
  }
  PlainChecklistWindow* Lists() {
    return static_cast<PlainChecklistWindow*>(display.Setup()->Checklists());
  }
  std::vector<std::string> Row(int row) { return contest.Tables().callInfoRows[row]; }

  DisplayState state;
  Contest contest{ContestServices{}, state};
  MemorySettings settings;
  CycleMemory memory;
  HeadlessDisplay display{contest, state, settings, memory};
};

}  // namespace korvane

#endif  // KORVANE_TESTS_DISPLAY_DISPLAY_FIXTURE_H
