#include "tools/replay/session_runner.h"

#include <cstdlib>
#include <optional>
#include <set>

#include "platform/text_file.h"
#include "tools/replay/form_fields.h"
#include "tools/replay/text_util.h"

namespace korvane::replay {
namespace {

// Field texts kept alive for the call; @null becomes a null pointer.
struct Fields {
  const SessionLine& line;
  std::set<std::string> allowed;
  std::string* error;

  bool Check() const {
    for (const auto& field : line.fields) {
      if (allowed.count(field.first) == 0) {
        *error = "unknown field " + field.first + " for " + line.verb;
        return false;
      }
    }
    return true;
  }
};

const char* Ptr(const std::optional<std::string>& value) {
  return value ? value->c_str() : nullptr;
}

bool ParseUnsigned(const std::string& text, unsigned* out) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
  const unsigned long value = std::strtoul(text.c_str(), nullptr, 10);
  if (value > 0xFFFFFFFFUL) return false;
  *out = static_cast<unsigned>(value);
  return true;
}

bool DateField(const SessionLine& line, const char* key, const std::string& fallback, OleDate* out,
               std::string* error) {
  const std::optional<std::string> text = line.Get(key, fallback);
  if (!text || !ParseDate(*text, out)) {
    *error = std::string("bad date in ") + key + " (want 2020-03-14T14:12, null or invalid)";
    return false;
  }
  return true;
}

}  // namespace

void SessionRunner::Say(const std::string& text) {
  if (!reportsOnly_) out_ << text << "\n";
}

bool SessionRunner::Run(const SessionLine& line, std::string* error) {
  const std::string& verb = line.verb;
  if (verb.empty()) return true;
  if (verb == "reset") return RunReset(line, error);
  if (verb == "add") return RunQso(line, true, error);
  if (verb == "remove") return RunQso(line, false, error);
  if (verb == "check") return RunCheck(line, error);
  if (verb == "form") {
    std::string said;
    if (!RunFormLine(line, &said, error)) return false;
    Say(said);
    return true;
  }
  if (verb == "display") return display_.Run(line, out_, reportsOnly_, error);
  if (!line.fields.empty() && verb != "hostversion") {
    *error = verb + " takes no key=value fields";
    return false;
  }
  if (verb == "version") {
    const std::string version = line.words.empty() ? "" : line.words[0];
    Say("setVersion " + version + " -> " + std::to_string(library_.SetVersion(version.c_str())));
    return true;
  }
  if (verb == "exch") {
    if (line.words.size() != 1) {
      *error = "exch takes one exchange text";
      return false;
    }
    const int valid = library_.IsValidExchg(line.words[0].c_str());
    Say("exch " + line.words[0] + " -> " + std::to_string(valid));
    return true;
  }
  if (verb == "results") {
    int flag = 0;
    const char* report = library_.GetResult(&flag);
    lastReport_ = report != nullptr ? report : "";
    if (!reportsOnly_) out_ << "results -> flag " << flag << "\n";
    out_ << lastReport_;
    if (!lastReport_.empty() && lastReport_.back() != '\n') out_ << "\n";
    return true;
  }
  if (verb == "hostversion") {
    // The host's settings file that a session start reads its version from.
    if (line.words.size() != 1) {
      *error = "hostversion takes one version text";
      return false;
    }
    if (!WriteWholeFile("Telk2.ini", "[Telk]\r\nTelk=" + line.words[0] + "\r\n")) {
      *error = "cannot write Telk2.ini";
      return false;
    }
    Say("hostversion " + line.words[0]);
    return true;
  }
  *error = "unknown verb " + verb;
  return false;
}

bool SessionRunner::RunReset(const SessionLine& line, std::string* error) {
  if (!Fields{line, {"call", "prefix", "cont", "start", "end", "host", "export"}, error}.Check()) {
    return false;
  }
  HostReset reset;
  if (!DateField(line, "start", "null", &reset.start, error) ||
      !DateField(line, "end", "null", &reset.end, error)) {
    return false;
  }
  const auto exportFlag = line.Get("export", "0");
  if (!exportFlag || exportFlag->find_first_not_of("-0123456789") != std::string::npos ||
      exportFlag->empty()) {
    *error = "export wants a number";
    return false;
  }
  const auto call = line.Get("call");
  const auto prefix = line.Get("prefix");
  const auto cont = line.Get("cont");
  const auto host = line.Get("host");
  reset.hostFolder = Ptr(host);
  reset.cabrillo = std::atoi(exportFlag->c_str());
  reset.ownCall = Ptr(call);
  reset.ownPrefix = Ptr(prefix);
  reset.ownContinent = Ptr(cont);
  ownCall_ = call.value_or("");
  Say("reset " + ownCall_ + " -> " + std::to_string(library_.ResetStats(reset)));
  return true;
}

bool SessionRunner::RunCheck(const SessionLine& line, std::string* error) {
  if (!Fields{line, {"call", "mode", "area", "prefix", "cont", "band", "band2"}, error}.Check()) {
    return false;
  }
  const auto call = line.Get("call");
  const auto mode = line.Get("mode", "RTTY");
  const auto area = line.Get("area", call.value_or(""));
  const auto prefix = line.Get("prefix");
  const auto cont = line.Get("cont");
  const auto band = line.Get("band");
  std::optional<std::string> band2;
  if (line.Has("band2")) band2 = line.Get("band2");
  HostCheck check;
  check.call = Ptr(call);
  check.mode = Ptr(mode);
  check.area = Ptr(area);
  check.prefix = Ptr(prefix);
  check.continent = Ptr(cont);
  check.band = Ptr(band);
  check.band2 = Ptr(band2);
  const int code = library_.CheckCall(check);
  Say("check " + call.value_or("@null") + " " + band.value_or("@null") + " -> " +
      std::to_string(code) + " (" + CheckMeaning(code) + ")");
  return true;
}

bool SessionRunner::RunQso(const SessionLine& line, bool add, std::string* error) {
  if (!Fields{line,
              {"own", "call", "time", "freq", "mode", "rsts", "rstr", "nrs", "nrr", "area",
               "prefix", "cont", "band"},
              error}
           .Check()) {
    return false;
  }
  HostQso qso;
  if (!DateField(line, "time", "null", &qso.time, error)) return false;
  const auto freq = line.Get("freq", "0");
  if (!freq || !ParseUnsigned(*freq, &qso.freqHz)) {
    *error = "freq wants the frequency in Hz";
    return false;
  }
  const auto own = line.Get("own", ownCall_);
  const auto call = line.Get("call");
  const auto mode = line.Get("mode", "RTTY");
  const auto rsts = line.Get("rsts", "599");
  const auto rstr = line.Get("rstr", "599");
  const auto nrs = line.Get("nrs");
  const auto nrr = line.Get("nrr");
  const auto area = line.Get("area", call.value_or(""));
  const auto prefix = line.Get("prefix");
  const auto cont = line.Get("cont");
  const auto band = line.Get("band");
  qso.ownCall = Ptr(own);
  qso.call = Ptr(call);
  qso.mode = Ptr(mode);
  qso.rstSent = Ptr(rsts);
  qso.rstRcvd = Ptr(rstr);
  qso.nrSent = Ptr(nrs);
  qso.nrRcvd = Ptr(nrr);
  qso.area = Ptr(area);
  qso.prefix = Ptr(prefix);
  qso.continent = Ptr(cont);
  qso.band = Ptr(band);
  const int result = add ? library_.AddData(qso) : library_.RemoveData(qso);
  std::string text = (add ? "add " : "remove ") + call.value_or("@null") + " " +
                     band.value_or("@null") + " -> " + std::to_string(result);
  if (add) text += result == 1 ? " (stored)" : " (rejected)";
  Say(text);
  return true;
}

}  // namespace korvane::replay
