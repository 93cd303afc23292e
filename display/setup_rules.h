#ifndef KORVANE_DISPLAY_SETUP_RULES_H
#define KORVANE_DISPLAY_SETUP_RULES_H

// The Setup window's rules apart from drawing: its settings, the three window boxes and the
// on-top box, the window positions, and the live cycle it runs on each refresh request.
// Everything here runs on the display thread.

#include <memory>
#include <string>

#include "display/canvas.h"
#include "display/display_state.h"
#include "display/display_windows.h"
#include "display/host_link.h"
#include "engine/contest.h"
#include "platform/platform.h"

namespace korvane {

// The order in which the cycle looks after the windows.
enum class WindowKind { kGrid, kCallArea, kChecklists };

// The INI key that remembers whether the window is chosen: "DXCC", "Call_Area",
// "setup_view_dxcc_extended".
const char* WindowStateKey(WindowKind kind);

// Check states of boxes 1014 (dxcc), 1015 (extDxcc), 1016 (callArea) and 1017 (onTop).
struct SetupStates {
  int dxcc = 0;
  int extDxcc = 0;
  int callArea = 0;
  int onTop = 0;
};

// The Setup window's texts in the session's language.
struct SetupTexts {
  std::string title;
  std::string view;      // static 1278
  std::string dxcc;      // 1014
  std::string callArea;  // 1016
  std::string extDxcc;   // 1015
  std::string onTop;     // 1017
  // The English label 1278 moves to kSetupViewLabelRect.
  bool moveViewLabel = false;
};
// Client pixels: (85, 12), 100 x 20.
constexpr Rect kSetupViewLabelRect{85, 12, 185, 32};
SetupTexts MakeSetupTexts(int russianTexts, const std::string& startYear);

// The Setup dialog's own controls.
class SetupView {
 public:
  virtual ~SetupView() = default;
  // Moves without resizing; the Setup window is always topmost.
  virtual void MoveTo(WindowPos pos) = 0;
  virtual void SetTexts(const SetupTexts& texts) = 0;
  virtual void PushStates(const SetupStates& states) = 0;
  // Posts the refresh message to the Setup window itself, leaving the armed flag alone.
  virtual void PostRefreshToSelf() = 0;
};

// The windows that remember their place, each with its own two keys and defaults for 0.
enum class PositionOwner { kSetup, kGrid, kChecklists, kCallArea };
// Reads the owner's keys into the shared last saved position and returns it.
WindowPos RestorePosition(PositionOwner owner, Settings& settings, DisplayState& state);
// On WM_SETCURSOR: each edge that differs from the shared last saved position is stored there and
// written under the owner's key.
void SavePosition(PositionOwner owner, WindowPos current, Settings& settings, DisplayState& state);

// Values of the live cycle that outlive every Setup window and session.
struct CycleMemory {
  double lastCommandFrequency = 0.0;  // Hz at which "<SP1>" was last sent
  int lastAreaBand = 10;              // band row of the last call-area reset; 10: never
};

struct DisplayServices {
  Contest* contest = nullptr;
  DisplayState* state = nullptr;
  Settings* settings = nullptr;
  HostLink* link = nullptr;
  WindowFactory* factory = nullptr;
  SetupView* view = nullptr;
  CycleMemory* memory = nullptr;
};

class SetupController {
 public:
  explicit SetupController(const DisplayServices& services);
  ~SetupController();
  SetupController(const SetupController&) = delete;
  SetupController& operator=(const SetupController&) = delete;

  // The dialog's initialisation: position, states, host link, texts, bands, first refresh.
  void Initialize();
  // Boxes 1014 to 1016: open the window when it is not open, else close it.
  void ToggleWindow(WindowKind kind);
  // Box 1017: closes the open windows; the next cycle reopens them with the new setting.
  void ToggleOnTop();
  // Closes the open windows as the display thread stops: grid, call area, checklists.
  void CloseWindows();
  // WM_DISPLAY_REFRESH: one live cycle (live_cycle.cpp). Every end re-arms the call check.
  void OnDisplayRefresh();

  const SetupStates& States() const { return states_; }
  GridWindow* Grid() const { return grid_.get(); }
  ChecklistWindow* Checklists() const { return checklists_.get(); }
  CallAreaWindow* CallArea() const { return callArea_.get(); }

 private:
  int& StateOf(WindowKind kind);
  bool IsOpen(WindowKind kind) const;
  DisplayWindow* WindowOf(WindowKind kind) const;
  void Open(WindowKind kind);
  // Clears the window's pointer; the object goes with it.
  void Forget(WindowKind kind);
  void CloseWindow(WindowKind kind);
  void FinishCycle();
  bool RunCycle();

  DisplayServices services_;
  SetupStates states_;
  std::unique_ptr<GridWindow> grid_;
  std::unique_ptr<ChecklistWindow> checklists_;
  std::unique_ptr<CallAreaWindow> callArea_;
};

}  // namespace korvane

#endif  // KORVANE_DISPLAY_SETUP_RULES_H
