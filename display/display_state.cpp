#include "display/display_state.h"

namespace korvane {

void DisplayState::PostRefreshIfArmed() {
  if (!setupAlive.load()) return;
  if (refreshArmed.exchange(0) == 0) return;
  if (poster_ != nullptr) poster_->PostRefresh();
}

void DisplayState::ArmAndPostRefresh() {
  refreshArmed.store(1);
  if (setupAlive.load() && poster_ != nullptr) poster_->PostRefresh();
}

void DisplayState::SetCallAreaView(CallAreaView* view) {
  std::lock_guard<std::mutex> hold(viewMutex_);
  callAreaView_ = view;
  callAreaOpen.store(view != nullptr);
}

bool DisplayState::ResetCallAreaMarksIfOpen() {
  std::lock_guard<std::mutex> hold(viewMutex_);
  if (callAreaView_ == nullptr) return false;
  callAreaView_->ResetMarks();
  return true;
}

}  // namespace korvane
