#ifndef KORVANE_TOOLS_REPLAY_DISPLAY_LINES_H
#define KORVANE_TOOLS_REPLAY_DISPLAY_LINES_H

// Session lines for the plug-in's headless display:
//
//   display start | stop
//   display host [call=DL1ABC] [freq=14080000] [present=0|1] [fail=0|1]
//   display click dxcc|extdxcc|area|ontop
//   display close dxcc|extdxcc|area
//   display refresh | pump | print

#include <ostream>
#include <string>

#include "plugin/korvane_headless.h"
#include "tools/replay/host_library.h"
#include "tools/replay/session.h"

namespace korvane::replay {

class DisplayLines {
 public:
  explicit DisplayLines(const HostLibrary& library) : library_(library) {}

  // False with `error` for a malformed line or a library without the headless display.
  bool Run(const SessionLine& line, std::ostream& out, bool quiet, std::string* error);

 private:
  struct Api {
    KorvaneDisplayStartFn start = nullptr;
    KorvaneDisplayStopFn stop = nullptr;
    KorvaneDisplaySetHostFn setHost = nullptr;
    KorvaneDisplayBoxFn click = nullptr;
    KorvaneDisplayBoxFn userClose = nullptr;
    KorvaneDisplayRequestRefreshFn requestRefresh = nullptr;
    KorvaneDisplayPumpFn pump = nullptr;
    KorvaneDisplayPrintFn print = nullptr;
  };

  bool Resolve(std::string* error);

  const HostLibrary& library_;
  bool resolved_ = false;
  Api api_;
  // What the host shows; sent whole on every change.
  bool present_ = true;
  bool failing_ = false;
  std::string call_;
  double frequencyHz_ = 0.0;
  std::string frequencyText_ = "0";
};

}  // namespace korvane::replay

#endif  // KORVANE_TOOLS_REPLAY_DISPLAY_LINES_H
