#ifndef KORVANE_PLUGIN_PLUGIN_CONTEXT_H
#define KORVANE_PLUGIN_PLUGIN_CONTEXT_H

// The one object behind the entry points: the platform's services, the display state and the
// contest's tables. Built when the library loads; at unload the display thread stops before any
// of it is destroyed.

#include <memory>

#include "cabrillo/cabrillo_form.h"
#include "display/display_state.h"
#include "engine/contest.h"
#include "platform/platform.h"

namespace korvane {

class PluginContext {
 public:
  PluginContext();
  ~PluginContext();
  PluginContext(const PluginContext&) = delete;
  PluginContext& operator=(const PluginContext&) = delete;

  Contest& contest() { return *contest_; }
  DisplayState& display() { return display_; }
  MessageDialog& messages() { return *messages_; }

 private:
  std::unique_ptr<Settings> settings_;
  std::unique_ptr<FileSearch> files_;
  std::unique_ptr<MessageDialog> messages_;
  std::unique_ptr<ProgramVersion> programVersion_;
  std::unique_ptr<CabrilloForm> cabrilloForm_;
  std::unique_ptr<CabrilloExporter> cabrillo_;
  std::unique_ptr<DisplayThread> displayThread_;
  DisplayState display_;
  std::unique_ptr<Contest> contest_;
};

PluginContext& Plugin();

}  // namespace korvane

#endif  // KORVANE_PLUGIN_PLUGIN_CONTEXT_H
