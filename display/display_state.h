#ifndef KORVANE_DISPLAY_DISPLAY_STATE_H
#define KORVANE_DISPLAY_DISPLAY_STATE_H

// The values the contest engine (host thread) and the live display (display thread) share, and
// the refresh request that the engine posts to the Setup window.

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

namespace korvane {

// WM_USER + 500: asks the Setup window to run one live cycle. Always posted, never sent.
constexpr unsigned kDisplayRefreshMessage = 0x0400 + 500;

// Posts the refresh message to the Setup window (wParam 0, lParam 0). The Win32 layer posts
// WM_DISPLAY_REFRESH; there is no Setup window on POSIX, so nothing is ever posted there.
class RefreshPoster {
 public:
  virtual ~RefreshPoster() = default;
  virtual void PostRefresh() = 0;
};

// The call-area window as the host thread may reach it: a removal clears its marks.
class CallAreaView {
 public:
  virtual ~CallAreaView() = default;
  virtual void ResetMarks() = 0;
};

// Starts and stops the thread that runs the Setup window.
class DisplayThread {
 public:
  virtual ~DisplayThread() = default;
  virtual void Start() = 0;
  // Closes the display windows and waits until the Setup window is gone.
  virtual void Stop() = 0;
};

struct WindowPos {
  int x = 0;
  int y = 0;
};

class DisplayState {
 public:
  explicit DisplayState(RefreshPoster* poster = nullptr) : poster_(poster) {}
  DisplayState(const DisplayState&) = delete;
  DisplayState& operator=(const DisplayState&) = delete;

  void SetPoster(RefreshPoster* poster) { poster_ = poster; }

  // Posts only when a Setup window exists and no request from the call check is pending.
  void PostRefreshIfArmed();
  // Re-arms, then posts whenever a Setup window exists, pending request or not.
  void ArmAndPostRefresh();

  // The call-area window registers itself while it is open; a removal resets its marks.
  void SetCallAreaView(CallAreaView* view);
  bool ResetCallAreaMarksIfOpen();

  // Non-null g_pSetup: the display thread is alive with its Setup window.
  std::atomic<bool> setupAlive{false};
  std::atomic<bool> multiplierOpen{false};
  std::atomic<bool> multiplierMultOpen{false};
  std::atomic<bool> callAreaOpen{false};
  // 1: no refresh request is pending; 0: the call check posted one the cycle has not finished.
  std::atomic<int> refreshArmed{1};
  std::atomic<int> windowOnTop{0};
  // Band row of the host's frequency found by the last cycle that got that far; -1 before any.
  std::atomic<int> currentBand{-1};

  // Written and read on the display thread only.
  WindowPos lastSavedPos;
  std::vector<std::string> displayBands;
  std::string currentCall;

 private:
  RefreshPoster* poster_;
  std::mutex viewMutex_;
  CallAreaView* callAreaView_ = nullptr;
};

}  // namespace korvane

#endif  // KORVANE_DISPLAY_DISPLAY_STATE_H
