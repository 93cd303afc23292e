// The headless display's C interface (Linux only). Everything runs on the caller's thread; the
// cycle takes the contest's lock itself, so none of these hold it.

#include <string>

#include "display/headless_display.h"
#include "platform/posix/posix_platform.h"
#include "plugin/korvane_headless.h"
#include "plugin/plugin_context.h"

namespace {

struct Headless {
  korvane::IniFileSettings settings{""};
  // The cycle's values outlive every Setup window, as in the Windows build.
  korvane::CycleMemory memory;
  korvane::HeadlessDisplay display{korvane::Plugin().contest(), korvane::Plugin().display(),
                                   settings, memory};
  std::string printed;
};

// Built after the plug-in's context, so it goes first at unload.
Headless& Get() {
  static Headless headless;
  return headless;
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) int KorvaneDisplayStart(void) {
  try {
    return Get().display.Start() ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

__attribute__((visibility("default"))) int KorvaneDisplayStop(void) {
  try {
    return Get().display.Stop() ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

__attribute__((visibility("default"))) void KorvaneDisplaySetHost(int present, int failing,
                                                                 const char* call,
                                                                 double frequencyHz) {
  try {
    korvane::ScriptedHostLink& host = Get().display.Host();
    host.present = present != 0;
    host.failing = failing != 0;
    if (call != nullptr) host.call = call;
    host.frequencyHz = frequencyHz;
  } catch (...) {
  }
}

__attribute__((visibility("default"))) int KorvaneDisplayClick(int box) {
  try {
    korvane::SetupController* setup = Get().display.Setup();
    if (setup == nullptr) return 0;
    switch (box) {
      case KORVANE_BOX_DXCC: setup->ToggleWindow(korvane::WindowKind::kGrid); return 1;
      case KORVANE_BOX_EXT_DXCC: setup->ToggleWindow(korvane::WindowKind::kChecklists); return 1;
      case KORVANE_BOX_CALL_AREA: setup->ToggleWindow(korvane::WindowKind::kCallArea); return 1;
      case KORVANE_BOX_ON_TOP: setup->ToggleOnTop(); return 1;
      default: return 0;
    }
  } catch (...) {
    return 0;
  }
}

__attribute__((visibility("default"))) int KorvaneDisplayUserClose(int box) {
  try {
    korvane::SetupController* setup = Get().display.Setup();
    if (setup == nullptr) return 0;
    korvane::DisplayWindow* window = nullptr;
    switch (box) {
      case KORVANE_BOX_DXCC: window = setup->Grid(); break;
      case KORVANE_BOX_EXT_DXCC: window = setup->Checklists(); break;
      case KORVANE_BOX_CALL_AREA: window = setup->CallArea(); break;
      default: break;
    }
    if (window == nullptr || !window->IsVisible()) return 0;
    window->Close();
    return 1;
  } catch (...) {
    return 0;
  }
}

__attribute__((visibility("default"))) int KorvaneDisplayRequestRefresh(void) {
  try {
    if (!Get().display.Running()) return -1;
    korvane::Plugin().display().ArmAndPostRefresh();
    return 0;
  } catch (...) {
    return -1;
  }
}

__attribute__((visibility("default"))) int KorvaneDisplayPump(void) {
  try {
    return Get().display.Pump();
  } catch (...) {
    return 0;
  }
}

__attribute__((visibility("default"))) const char* KorvaneDisplayPrint(void) {
  try {
    Get().printed = Get().display.Print();
  } catch (...) {
    Get().printed.clear();
  }
  return Get().printed.c_str();
}

}  // extern "C"
