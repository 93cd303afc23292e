#include "tools/replay/display_lines.h"

#include <cerrno>
#include <cstdlib>
#include <set>

#include "plugin/korvane_headless.h"

namespace korvane::replay {
namespace {

template <typename Fn>
bool Find(const HostLibrary& library, const char* name, Fn* out, std::string* error) {
  *out = reinterpret_cast<Fn>(library.Symbol(name));
  if (*out == nullptr) *error = std::string("the library has no headless display (") + name + ")";
  return *out != nullptr;
}

int BoxOf(const std::string& word, bool withOnTop) {
  if (word == "dxcc") return KORVANE_BOX_DXCC;
  if (word == "extdxcc") return KORVANE_BOX_EXT_DXCC;
  if (word == "area") return KORVANE_BOX_CALL_AREA;
  if (word == "ontop" && withOnTop) return KORVANE_BOX_ON_TOP;
  return 0;
}

bool ParseFlag(const std::string& text, bool* out) {
  if (text != "0" && text != "1") return false;
  *out = text == "1";
  return true;
}

std::string Cycles(int n) { return std::to_string(n) + (n == 1 ? " cycle" : " cycles"); }

}  // namespace

bool DisplayLines::Resolve(std::string* error) {
  if (resolved_) return true;
  Api& api = api_;
  resolved_ = Find(library_, "KorvaneDisplayStart", &api.start, error) &&
              Find(library_, "KorvaneDisplayStop", &api.stop, error) &&
              Find(library_, "KorvaneDisplaySetHost", &api.setHost, error) &&
              Find(library_, "KorvaneDisplayClick", &api.click, error) &&
              Find(library_, "KorvaneDisplayUserClose", &api.userClose, error) &&
              Find(library_, "KorvaneDisplayRequestRefresh", &api.requestRefresh, error) &&
              Find(library_, "KorvaneDisplayPump", &api.pump, error) &&
              Find(library_, "KorvaneDisplayPrint", &api.print, error);
  return resolved_;
}

bool DisplayLines::Run(const SessionLine& line, std::ostream& out, bool quiet,
                       std::string* error) {
  if (line.words.empty()) {
    *error = "display wants start, stop, host, click, close, refresh, pump or print";
    return false;
  }
  const std::string& what = line.words[0];
  const bool hostLine = what == "host";
  if (!hostLine && !line.fields.empty()) {
    *error = "display " + what + " takes no key=value fields";
    return false;
  }
  const bool boxLine = what == "click" || what == "close";
  if (line.words.size() != (boxLine ? 2u : 1u)) {
    *error = boxLine ? "display " + what + " wants one window: dxcc, extdxcc, area" +
                           (what == "click" ? " or ontop" : "")
                     : "display " + what + " takes no further words";
    return false;
  }
  if (!Resolve(error)) return false;
  const Api& api = api_;
  std::string said;

  if (what == "start") {
    said = "display start -> " + std::to_string(api.start());
  } else if (what == "stop") {
    said = "display stop -> " + std::to_string(api.stop());
  } else if (hostLine) {
    static const std::set<std::string> kAllowed = {"call", "freq", "present", "fail"};
    for (const auto& field : line.fields) {
      if (kAllowed.count(field.first) == 0) {
        *error = "unknown field " + field.first + " for display host";
        return false;
      }
      if (!field.second) {
        *error = "display host takes no @null";
        return false;
      }
    }
    bool present = present_;
    bool failing = failing_;
    double hz = frequencyHz_;
    std::string hzText = frequencyText_;
    if (line.Has("present") && !ParseFlag(*line.Get("present"), &present)) {
      *error = "present wants 0 or 1";
      return false;
    }
    if (line.Has("fail") && !ParseFlag(*line.Get("fail"), &failing)) {
      *error = "fail wants 0 or 1";
      return false;
    }
    if (line.Has("freq")) {
      const std::string text = *line.Get("freq");
      char* end = nullptr;
      errno = 0;
      hz = std::strtod(text.c_str(), &end);
      if (text.empty() || *end != '\0' || errno != 0) {
        *error = "freq wants the frequency in Hz";
        return false;
      }
      hzText = text;
    }
    present_ = present;
    failing_ = failing;
    frequencyHz_ = hz;
    frequencyText_ = hzText;
    if (line.Has("call")) call_ = *line.Get("call");
    api.setHost(present_ ? 1 : 0, failing_ ? 1 : 0, call_.c_str(), frequencyHz_);
    said = "display host call \"" + call_ + "\" freq " + frequencyText_ + " present " +
           (present_ ? "1" : "0") + " fail " + (failing_ ? "1" : "0");
  } else if (boxLine) {
    const int box = BoxOf(line.words[1], what == "click");
    if (box == 0) {
      *error = "unknown window " + line.words[1] + " for display " + what;
      return false;
    }
    const int result = what == "click" ? api.click(box) : api.userClose(box);
    said = "display " + what + " " + line.words[1] + " -> " + std::to_string(result);
  } else if (what == "refresh") {
    said = api.requestRefresh() < 0 ? "display refresh -> not running"
                                    : "display refresh -> " + Cycles(api.pump());
  } else if (what == "pump") {
    said = "display pump -> " + Cycles(api.pump());
  } else if (what == "print") {
    if (!quiet) out << api.print();
    return true;
  } else {
    *error = "unknown display line " + what;
    return false;
  }
  if (!quiet) out << said << "\n";
  return true;
}

}  // namespace korvane::replay
