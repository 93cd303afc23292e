#ifndef KORVANE_DISPLAY_HEADLESS_DISPLAY_H
#define KORVANE_DISPLAY_HEADLESS_DISPLAY_H

// The display without windows: plain objects stand in for the three windows, the Setup dialog and
// the host's automation object, and the same Setup rules and live cycle run over them. The refresh
// messages queue up until Pump runs them, one cycle each. Print tells what the windows would show.

#include <array>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "display/display_windows.h"
#include "display/host_link.h"
#include "display/setup_rules.h"

namespace korvane {

class CountingIndicator : public Indicator {
 public:
  void Redraw() override { ++redraws; }
  int redraws = 0;
};

class PlainGridWindow : public GridWindow {
 public:
  explicit PlainGridWindow(bool topmost) : onTop(topmost) {}
  bool IsVisible() const override { return visible; }
  void SetTitle(const std::string& text) override { title = text; }
  void Close() override { visible = false; }
  void InvalidateGrid() override { ++invalidations; }

  bool onTop;
  bool visible = true;
  std::string title = "Multiplier";
  int invalidations = 0;
};

class PlainChecklistWindow : public ChecklistWindow {
 public:
  explicit PlainChecklistWindow(bool topmost) : onTop(topmost) {}
  bool IsVisible() const override { return visible; }
  void SetTitle(const std::string& text) override { title = text; }
  void Close() override { visible = false; }
  // The boxes show what was last pushed; they start unchecked.
  void PushFlags() override { boxes = Flags(); }

  bool onTop;
  bool visible = true;
  std::string title = "Multiplier";
  ChecklistFlags boxes = EmptyChecklistFlags();
};

class PlainCallAreaWindow : public CallAreaWindow {
 public:
  explicit PlainCallAreaWindow(bool topmost);
  bool IsVisible() const override { return visible; }
  void SetTitle(const std::string& text) override { title = text; }
  void Close() override { visible = false; }
  CallAreaMarks& Marks() override { return marks_; }
  void PushMarks() override { ++pushes; }

  bool onTop;
  bool visible = true;
  std::string title = "Call_Area";
  int pushes = 0;
  std::array<CountingIndicator, kCallAreaCount> indicators;

 private:
  CallAreaMarks marks_;
};

class PlainWindowFactory : public WindowFactory {
 public:
  std::unique_ptr<GridWindow> OpenGrid(bool onTop) override;
  std::unique_ptr<ChecklistWindow> OpenChecklists(bool onTop) override;
  std::unique_ptr<CallAreaWindow> OpenCallArea(bool onTop) override;
  int opened = 0;
};

// The host's automation object as a script sets it.
class ScriptedHostLink : public HostLink {
 public:
  bool Attach() override {
    attached = present;
    return attached;
  }
  bool Attached() const override { return attached; }
  bool GetEntryText(int selector, std::string* text) override;
  bool Frequency(double* hz) override;
  bool SendCommand(const std::string& command) override;

  bool present = true;  // whether a running host object is there to attach to
  bool attached = false;
  std::string call;
  double frequencyHz = 0.0;
  bool failing = false;  // every call fails as an automation error would
  std::vector<std::string> commands;
};

class PlainSetupView : public SetupView {
 public:
  explicit PlainSetupView(std::atomic<int>* queue) : queue_(queue) {}
  void MoveTo(WindowPos pos) override { position = pos; }
  void SetTexts(const SetupTexts& value) override { texts = value; }
  void PushStates(const SetupStates& states) override { boxes = states; }
  void PostRefreshToSelf() override { ++*queue_; }

  WindowPos position;
  SetupTexts texts;
  SetupStates boxes;

 private:
  std::atomic<int>* queue_;
};

class HeadlessDisplay : public RefreshPoster {
 public:
  // `memory` outlives every display started here, as the cycle's values outlive Setup windows.
  HeadlessDisplay(Contest& contest, DisplayState& state, Settings& settings, CycleMemory& memory);
  ~HeadlessDisplay() override;
  HeadlessDisplay(const HeadlessDisplay&) = delete;
  HeadlessDisplay& operator=(const HeadlessDisplay&) = delete;

  // Builds the Setup window and initialises it, which queues the first refresh. False when one
  // is already running.
  bool Start();
  // Closes the windows and ends the Setup window. False when none is running.
  bool Stop();
  bool Running() const { return setup_ != nullptr; }

  void PostRefresh() override { ++queue_; }
  // Runs one cycle per queued refresh; returns how many ran.
  int Pump();

  ScriptedHostLink& Host() { return host_; }
  // Null when not running.
  SetupController* Setup() { return setup_.get(); }
  PlainSetupView* View() { return view_.get(); }
  int Queued() const { return queue_.load(); }

  // What the windows show, one line per item, "\n" line ends.
  std::string Print();

 private:
  Contest& contest_;
  DisplayState& state_;
  Settings& settings_;
  CycleMemory& memory_;
  ScriptedHostLink host_;
  PlainWindowFactory factory_;
  std::atomic<int> queue_{0};
  std::unique_ptr<PlainSetupView> view_;
  std::unique_ptr<SetupController> setup_;
};

}  // namespace korvane

#endif  // KORVANE_DISPLAY_HEADLESS_DISPLAY_H
