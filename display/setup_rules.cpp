#include "display/setup_rules.h"

#include <climits>

#include "engine/format.h"

namespace korvane {
namespace {

struct PositionKeys {
  const char* x;
  const char* y;
  int defaultX;
  int defaultY;
};

// Indexed by PositionOwner.
const PositionKeys kPositionKeys[] = {
    {"Setup_x", "Setup_y", 10, 10},
    {"dxcc_x", "dxcc_y", 10, 400},
    {"dxcc_extended_x", "dxcc_extended_y", 10, 400},
    {"area_x", "area_y", 10, 10},
};

const PositionKeys& KeysOf(PositionOwner owner) { return kPositionKeys[static_cast<int>(owner)]; }

int ReadInt(Settings& settings, const char* key) {
  const long value = ParseLeadingInt(settings.Read(key, ""));
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

const char* Flag(int value) { return value != 0 ? "1" : "0"; }

}  // namespace

const char* WindowStateKey(WindowKind kind) {
  switch (kind) {
    case WindowKind::kGrid: return "DXCC";
    case WindowKind::kCallArea: return "Call_Area";
    case WindowKind::kChecklists: break;
  }
  return "setup_view_dxcc_extended";
}

SetupTexts MakeSetupTexts(int russianTexts, const std::string& startYear) {
  SetupTexts texts;
  if (russianTexts == 1) {
    texts.title = Format("\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE8 KORVANE%s", startYear.c_str());
    texts.view = "\xCE\xF2\xEE\xE1\xF0\xE0\xE6\xE0\xF2\xFC";
    texts.dxcc = "\xD1\xF2\xF0\xE0\xED\xFB DXCC";
    texts.callArea = "\xD0\xE0\xE9\xEE\xED\xFB JA,W,VE,VK";
    texts.extDxcc = "\xD0\xE0\xF1\xF8. DXCC";
    texts.onTop = "\xCF\xEE\xE2\xE5\xF0\xF5 \xEE\xEA\xEE\xED";
  } else {
    texts.title = Format("Setup KORVANE-%s", startYear.c_str());
    texts.view = "To display";
    texts.dxcc = "DXCC";
    texts.callArea = "Area JA,W,VE,VK";
    texts.extDxcc = "Extended DXCC";
    texts.onTop = "Window on top";
    texts.moveViewLabel = true;
  }
  return texts;
}

WindowPos RestorePosition(PositionOwner owner, Settings& settings, DisplayState& state) {
  const PositionKeys& keys = KeysOf(owner);
  WindowPos pos;
  pos.x = ReadInt(settings, keys.x);
  pos.y = ReadInt(settings, keys.y);
  if (pos.x == 0) pos.x = keys.defaultX;
  if (pos.y == 0) pos.y = keys.defaultY;
  state.lastSavedPos = pos;
  return pos;
}

void SavePosition(PositionOwner owner, WindowPos current, Settings& settings,
                  DisplayState& state) {
  const PositionKeys& keys = KeysOf(owner);
  if (current.x != state.lastSavedPos.x) {
    state.lastSavedPos.x = current.x;
    settings.Write(keys.x, std::to_string(current.x));
  }
  if (current.y != state.lastSavedPos.y) {
    state.lastSavedPos.y = current.y;
    settings.Write(keys.y, std::to_string(current.y));
  }
}

SetupController::SetupController(const DisplayServices& services) : services_(services) {}

SetupController::~SetupController() {
  Forget(WindowKind::kGrid);
  Forget(WindowKind::kCallArea);
  Forget(WindowKind::kChecklists);
}

void SetupController::Initialize() {
  Settings& settings = *services_.settings;
  const WindowPos pos = RestorePosition(PositionOwner::kSetup, settings, *services_.state);
  states_.extDxcc = ReadInt(settings, "setup_view_dxcc_extended");
  states_.dxcc = ReadInt(settings, "DXCC");
  states_.callArea = ReadInt(settings, "Call_Area");
  states_.onTop = 0;
  services_.view->MoveTo(pos);

  HostLink& link = *services_.link;
  if (link.Attach()) {
    link.SendCommand(kModeCommand);
    link.SendCommand(kBaudCommand);
  }

  int russian = 0;
  std::string year;
  {
    std::lock_guard<std::mutex> hold(services_.contest->Mutex());
    russian = services_.contest->Tables().russianTexts;
    year = services_.contest->Tables().startYear;
  }
  services_.view->SetTexts(MakeSetupTexts(russian, year));
  services_.view->PushStates(states_);
  services_.state->displayBands.assign(kSlotBands, kSlotBands + kBandSlots);
  services_.view->PostRefreshToSelf();
}

int& SetupController::StateOf(WindowKind kind) {
  switch (kind) {
    case WindowKind::kGrid: return states_.dxcc;
    case WindowKind::kCallArea: return states_.callArea;
    case WindowKind::kChecklists: break;
  }
  return states_.extDxcc;
}

bool SetupController::IsOpen(WindowKind kind) const { return WindowOf(kind) != nullptr; }

DisplayWindow* SetupController::WindowOf(WindowKind kind) const {
  switch (kind) {
    case WindowKind::kGrid: return grid_.get();
    case WindowKind::kCallArea: return callArea_.get();
    case WindowKind::kChecklists: break;
  }
  return checklists_.get();
}

void SetupController::Open(WindowKind kind) {
  DisplayState& state = *services_.state;
  const bool onTop = state.windowOnTop.load() != 0;
  switch (kind) {
    case WindowKind::kGrid:
      grid_ = services_.factory->OpenGrid(onTop);
      state.multiplierOpen.store(grid_ != nullptr);
      break;
    case WindowKind::kCallArea:
      callArea_ = services_.factory->OpenCallArea(onTop);
      state.SetCallAreaView(callArea_.get());
      break;
    case WindowKind::kChecklists:
      checklists_ = services_.factory->OpenChecklists(onTop);
      state.multiplierMultOpen.store(checklists_ != nullptr);
      break;
  }
}

void SetupController::Forget(WindowKind kind) {
  DisplayState& state = *services_.state;
  switch (kind) {
    case WindowKind::kGrid:
      grid_.reset();
      state.multiplierOpen.store(false);
      break;
    case WindowKind::kCallArea:
      // After this the host's thread can no longer reach the window.
      state.SetCallAreaView(nullptr);
      callArea_.reset();
      break;
    case WindowKind::kChecklists:
      checklists_.reset();
      state.multiplierMultOpen.store(false);
      break;
  }
}

void SetupController::CloseWindow(WindowKind kind) {
  DisplayWindow* window = WindowOf(kind);
  if (window == nullptr) return;
  window->Close();
  Forget(kind);
}

void SetupController::ToggleWindow(WindowKind kind) {
  int& state = StateOf(kind);
  if (IsOpen(kind)) {
    CloseWindow(kind);
    state = 0;
  } else {
    Open(kind);
    state = 1;
  }
  services_.settings->Write(WindowStateKey(kind), Flag(state));
  services_.view->PushStates(states_);
  services_.state->ArmAndPostRefresh();
}

void SetupController::ToggleOnTop() {
  states_.onTop = states_.onTop != 0 ? 0 : 1;
  services_.state->windowOnTop.store(states_.onTop);
  services_.settings->Write("setup_window_on_top", Flag(states_.onTop));
  CloseWindow(WindowKind::kChecklists);
  CloseWindow(WindowKind::kCallArea);
  CloseWindow(WindowKind::kGrid);
  services_.view->PushStates(states_);
  services_.state->ArmAndPostRefresh();
}

void SetupController::CloseWindows() {
  CloseWindow(WindowKind::kGrid);
  CloseWindow(WindowKind::kCallArea);
  CloseWindow(WindowKind::kChecklists);
}

}  // namespace korvane
