#ifndef KORVANE_TOOLS_REPLAY_SESSION_RUNNER_H
#define KORVANE_TOOLS_REPLAY_SESSION_RUNNER_H

#include <ostream>
#include <string>

#include "tools/replay/display_lines.h"
#include "tools/replay/host_library.h"
#include "tools/replay/session.h"

namespace korvane::replay {

// Carries out session lines as host calls and writes what each call returned.
class SessionRunner {
 public:
  SessionRunner(const HostLibrary& library, std::ostream& out)
      : library_(library), out_(out), display_(library) {}

  // False with `error` when the line names an unknown verb or field or a bad value; nothing is
  // called then.
  bool Run(const SessionLine& line, std::string* error);
  // The text of the last results call.
  const std::string& LastReport() const { return lastReport_; }
  // When set, only results calls write anything: their report.
  void SetReportsOnly(bool reportsOnly) { reportsOnly_ = reportsOnly; }

 private:
  bool RunQso(const SessionLine& line, bool add, std::string* error);
  bool RunReset(const SessionLine& line, std::string* error);
  bool RunCheck(const SessionLine& line, std::string* error);
  void Say(const std::string& text);

  const HostLibrary& library_;
  std::ostream& out_;
  std::string ownCall_;
  std::string lastReport_;
  bool reportsOnly_ = false;
  DisplayLines display_;
};

}  // namespace korvane::replay

#endif  // KORVANE_TOOLS_REPLAY_SESSION_RUNNER_H
