#include "display/live_cycle.h"

#include <cmath>
#include <mutex>
#include <vector>

#include "display/setup_rules.h"
#include "engine/format.h"

namespace korvane {

int BandRowOfFrequency(double hz) {
  if (!std::isfinite(hz)) return -1;
  const double mhz = std::trunc(hz / 1000000.0);
  static const int kWholeMHz[kBandSlots] = {1, 3, 7, 14, 21, 28};
  for (int row = 0; row < kBandSlots; ++row) {
    if (mhz == kWholeMHz[row]) return row;
  }
  return -1;
}

std::string CallTitle(int russianTexts, const std::string& startYear, const std::string& call) {
  return russianTexts == 1
             ? Format("KORVANE-%s \xF0\xE0\xE1\xEE\xF2\xE0\xEB \xF1 %s", startYear.c_str(),
                      call.c_str())
             : Format("KORVANE-%s worked with %s", startYear.c_str(), call.c_str());
}

std::string CountTitle(int russianTexts, const std::string& startYear, int worked,
                       const std::string& band) {
  return russianTexts == 1
             ? Format("KORVANE-%s \xEE\xF2\xF0\xE0\xE1\xEE\xF2\xE0\xED\xEE DXCC %i \xE8\xE7 338 "
                      "\xED\xE0 %s",
                      startYear.c_str(), worked, band.c_str())
             : Format("KORVANE-%s worked DXCC %i of 338 on %s", startYear.c_str(), worked,
                      band.c_str());
}

std::string AreaTitle(int russianTexts, const std::string& band) {
  return russianTexts == 1 ? Format("\xD0\xE0\xE9\xEE\xED\xFB \xED\xE0 %s", band.c_str())
                           : Format("Area on %s", band.c_str());
}

void SetupController::OnDisplayRefresh() {
  RunCycle();
  // Every end, a failed host call included, accepts the next request: one failure must not
  // freeze the display for the rest of the contest.
  services_.state->refreshArmed.store(1);
}

// False when the cycle ended before its last step.
bool SetupController::RunCycle() {
  DisplayState& state = *services_.state;
  CycleMemory& memory = *services_.memory;
  Contest& contest = *services_.contest;

  for (WindowKind kind : {WindowKind::kGrid, WindowKind::kCallArea, WindowKind::kChecklists}) {
    int& chosen = StateOf(kind);
    if (chosen != 1) continue;
    if (!IsOpen(kind)) Open(kind);
    const DisplayWindow* window = WindowOf(kind);
    if (window == nullptr || window->IsVisible()) continue;
    // Closed by the user. The box is cleared too, so it never claims a window that is gone.
    Forget(kind);
    chosen = 0;
    services_.settings->Write(WindowStateKey(kind), "0");
    services_.view->PushStates(states_);
  }
  if (callArea_ != nullptr && callArea_->TakeResetRequest()) callArea_->Marks().Reset();

  HostLink& link = *services_.link;
  if (!link.Attached()) return false;
  std::string call;
  if (!link.GetEntryText(kEntryCallSelector, &call)) return false;
  state.currentCall = call;
  if (call.size() == 1 || call.size() == 2) return false;

  const std::vector<std::string>& bands = state.displayBands;
  int russian = 0;
  std::string year;
  {
    std::lock_guard<std::mutex> hold(contest.Mutex());
    ContestTables& tables = contest.Tables();
    russian = tables.russianTexts;
    year = tables.startYear;
    for (auto& row : tables.callInfoRows) {
      if (row.size() < 5) row.resize(5);
      for (int text = 1; text <= 4; ++text) row[text] = kEmptyDetail;
    }
    if (!call.empty()) {
      for (const CInfo& record : tables.qsoLog) {
        for (size_t row = 0; row < kBandSlots && row < bands.size(); ++row) {
          if (record.m_band != bands[row] || record.m_call != call) continue;
          std::vector<std::string>& texts = tables.callInfoRows[row];
          texts[1] = record.m_mode;
          texts[2] = FormatOleDate(record.m_time, "%H:%M");
          texts[3] = record.m_nrRcvd;
        }
      }
    }
  }
  if (!call.empty() && grid_ != nullptr) grid_->SetTitle(CallTitle(russian, year, call));

  double hz = 0.0;
  if (!link.Frequency(&hz)) return false;
  if (std::fabs(hz - memory.lastCommandFrequency) > 300.0) {
    if (!link.SendCommand(kSp1Command)) return false;
    memory.lastCommandFrequency = hz;
  }

  const int row = BandRowOfFrequency(hz);
  if (row < 0) return false;
  state.currentBand.store(row);

  std::vector<std::string> mults;
  AreaLists areas;
  {
    std::lock_guard<std::mutex> hold(contest.Mutex());
    const ContestTables& tables = contest.Tables();
    mults = tables.workedMults[row];
    areas = {tables.workedAreasK[row], tables.workedAreasVE[row], tables.workedAreasJA[row],
             tables.workedAreasVK[row]};
  }
  const std::string band =
      static_cast<size_t>(row) < bands.size() ? bands[row] : std::string(kSlotBands[row]);
  const std::string countTitle = CountTitle(russian, year, static_cast<int>(mults.size()), band);
  if (call.empty() && grid_ != nullptr) grid_->SetTitle(countTitle);
  if (checklists_ != nullptr) checklists_->SetTitle(countTitle);

  if (callArea_ != nullptr) {
    if (row != memory.lastAreaBand) {
      memory.lastAreaBand = row;
      callArea_->Marks().Reset();
    }
    callArea_->SetTitle(AreaTitle(russian, band));
    callArea_->Marks().MarkWorked(areas);
    callArea_->PushMarks();
  }

  if (checklists_ != nullptr) {
    SetWorkedFlags(mults, &checklists_->Flags());
    checklists_->PushFlags();
  }

  if (grid_ != nullptr) grid_->InvalidateGrid();
  return true;
}

}  // namespace korvane
