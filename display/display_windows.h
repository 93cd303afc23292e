#ifndef KORVANE_DISPLAY_DISPLAY_WINDOWS_H
#define KORVANE_DISPLAY_DISPLAY_WINDOWS_H

// The three display windows as the Setup window and the live cycle drive them. The Windows layer
// implements them over dialogs; tests and the headless display use plain objects. All of it runs
// on the display thread, except CallAreaWindow::ResetMarks.

#include <atomic>
#include <memory>
#include <string>

#include "display/call_area.h"
#include "display/checklists.h"
#include "display/display_state.h"

namespace korvane {

// A window's answer to every control-colour request: black text on `textBackground`, the
// window's own solid brush of `brush` behind it.
struct ControlColors {
  Color text;
  Color textBackground;
  Color brush;
};
// The Setup and call-area windows give text cells a slightly deeper yellow than the brush.
constexpr ControlColors kSetupControlColors{0x000000, 0xC6F0FF, 0xC6FAFF};
constexpr ControlColors kCallAreaControlColors{0x000000, 0xC6F0FF, 0xC6FAFF};
// The tabbed DXCC window and each of its pages.
constexpr ControlColors kChecklistControlColors{0x000000, 0xC6FAFF, 0xC6FAFF};

class DisplayWindow {
 public:
  virtual ~DisplayWindow() = default;
  // False once the user has closed (hidden) the window.
  virtual bool IsVisible() const = 0;
  virtual void SetTitle(const std::string& title) = 0;
  // WM_CLOSE: the window hides itself; its owner then forgets it.
  virtual void Close() = 0;
};

// The worked-bands window ("Multiplier"): the grid control repaints from the display values.
class GridWindow : public DisplayWindow {
 public:
  // Invalidates the whole grid control without erasing its background.
  virtual void InvalidateGrid() = 0;
};

// The tabbed DXCC window ("Multiplier_Mult").
class ChecklistWindow : public DisplayWindow {
 public:
  ChecklistFlags& Flags() { return flags_; }
  const ChecklistFlags& Flags() const { return flags_; }
  // Moves the flags into the boxes, page by page in tab order.
  virtual void PushFlags() = 0;

 private:
  ChecklistFlags flags_ = EmptyChecklistFlags();
};

// The call-area window ("Call_Area"). A new window starts with every flag 0 and every
// indicator in the not-worked colours.
class CallAreaWindow : public DisplayWindow, public CallAreaView {
 public:
  virtual CallAreaMarks& Marks() = 0;
  // Moves the flags into the buttons; owner-drawn buttons show nothing of it.
  virtual void PushMarks() = 0;

  // Called on the host's thread when a QSO is removed. The indicators belong to the display
  // thread, so the reset is carried out there, by the cycle that the removal posts.
  void ResetMarks() override { resetRequested_.store(true); }
  bool TakeResetRequest() { return resetRequested_.exchange(false); }

 private:
  std::atomic<bool> resetRequested_{false};
};

// Creates a window from its template with no parent and shows it; topmost when asked.
class WindowFactory {
 public:
  virtual ~WindowFactory() = default;
  virtual std::unique_ptr<GridWindow> OpenGrid(bool onTop) = 0;
  virtual std::unique_ptr<ChecklistWindow> OpenChecklists(bool onTop) = 0;
  virtual std::unique_ptr<CallAreaWindow> OpenCallArea(bool onTop) = 0;
};

}  // namespace korvane

#endif  // KORVANE_DISPLAY_DISPLAY_WINDOWS_H
