#include "tools/replay/log_session.h"
#include "tools/replay/text_util.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>

#include "platform/text_file.h"

namespace korvane::replay {
namespace {

// The form's boxes in their order, with the Cabrillo header tag each one takes its value from
// (null: not taken from the log). CONTEST stays this contest's name and CLAIMED is the plug-in's
// own score, so neither comes from the log.
struct FormField {
  const char* field;
  const char* tag;
  const char* joiner;  // between the values of a tag given on several lines
};
const FormField kFormFields[] = {
    {"CALLSIGN", nullptr, nullptr},
    {"CONTEST", nullptr, nullptr},
    {"CLAIMED", nullptr, nullptr},
    {"CATEGORY_OPERATOR", "CATEGORY-OPERATOR", " "},
    {"CATEGORY_BAND", "CATEGORY-BAND", " "},
    {"CATEGORY_MODE", "CATEGORY-MODE", " "},
    {"CATEGORY_TIME", "CATEGORY-TIME", " "},
    {"CATEGORY_TRANSMITTER", "CATEGORY-TRANSMITTER", " "},
    {"CATEGORY_OVERLAY", "CATEGORY-OVERLAY", " "},
    {"NAME", "NAME", " "},
    // The multi-line boxes deliver a line break as CR LF.
    {"ADDRESS", "ADDRESS", "\r\n"},
    {"ADDRESS_CITY", "ADDRESS-CITY", " "},
    {"ADDRESS_POSTALCODE", "ADDRESS-POSTALCODE", " "},
    {"ADDRESS_COUNTRY", "ADDRESS-COUNTRY", " "},
    {"OPERATORS", "OPERATORS", " "},
    {"CLUB", "CLUB", " "},
    {"EMAIL", "EMAIL", " "},
    {"SOAPBOX", "SOAPBOX", "\r\n"},
};

std::string FieldName(std::string text) {
  for (char& c : text) {
    c = c == '-' ? '_' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return text;
}

bool KnownField(const std::string& field) {
  return std::any_of(std::begin(kFormFields), std::end(kFormFields),
                     [&](const FormField& f) { return field == f.field; });
}

bool ValidDay(const std::string& text, int* year, int* month, int* day) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  }
  *year = std::atoi(text.substr(0, 4).c_str());
  *month = std::atoi(text.substr(5, 2).c_str());
  *day = std::atoi(text.substr(8, 2).c_str());
  OleDate date;
  date.value = MakeOleDate(*year, *month, *day);
  return FormatOleDate(date, "%Y-%m-%d") == text;
}

OleDate DayOf(const std::string& text) {
  int year = 0, month = 0, day = 0;
  ValidDay(text, &year, &month, &day);
  OleDate date;
  date.value = MakeOleDate(year, month, day);
  return date;
}

OptionTaken TakeOption(int argc, char** argv, int* i, LogOptions* options, std::string* error);

}  // namespace

const char kLogOptionsUsage[] =
    "  For a Cabrillo or ADIF log:\n"
    "  --cty FILE         country file (default: /usr/share/hamradio-files/cty.dat)\n"
    "  --all-entities     also count the cty.dat entities marked '*' (other award lists)\n"
    "  --call CALL        own call sign (default: the log's CALLSIGN or sent call)\n"
    "  --start DATE       contest start, yyyy-mm-dd (default: the first QSO's day)\n"
    "  --end DATE         contest end, yyyy-mm-dd (default: the last QSO's day)\n"
    "  --html FILE        write the report as HTML to FILE instead of the text report\n"
    "  --cabrillo         export session: the plug-in writes the Cabrillo log into the work folder\n"
    "  --form FIELD=TEXT  a header form box for --cabrillo (CLUB, NAME, SOAPBOX, ...)\n"
    "  --verdicts         print each QSO's check result and whether it was stored\n";

OptionTaken TakeLogOption(int argc, char** argv, int* i, LogOptions* options, std::string* error) {
  const OptionTaken taken = TakeOption(argc, argv, i, options, error);
  if (taken == OptionTaken::kYes) options->given = true;
  return taken;
}

namespace {

OptionTaken TakeOption(int argc, char** argv, int* i, LogOptions* options, std::string* error) {
  const std::string arg = argv[*i];
  if (arg == "--all-entities") {
    options->withStarred = true;
    return OptionTaken::kYes;
  }
  if (arg == "--cabrillo") {
    options->cabrillo = true;
    return OptionTaken::kYes;
  }
  if (arg == "--verdicts") {
    options->verdicts = true;
    return OptionTaken::kYes;
  }
  static const std::set<std::string> kWithValue = {"--cty",  "--call", "--start",
                                                   "--end",  "--html", "--form"};
  if (kWithValue.count(arg) == 0) return OptionTaken::kNo;
  if (*i + 1 >= argc) {
    *error = arg + " wants a value";
    return OptionTaken::kBad;
  }
  const std::string value = argv[++*i];
  int year = 0, month = 0, day = 0;
  if (arg == "--cty") {
    options->countryFile = value;
  } else if (arg == "--call") {
    options->ownCall = value;
  } else if (arg == "--html") {
    options->htmlPath = value;
  } else if (arg == "--start" || arg == "--end") {
    if (!ValidDay(value, &year, &month, &day)) {
      *error = arg + " wants a date yyyy-mm-dd, not '" + value + "'";
      return OptionTaken::kBad;
    }
    (arg == "--start" ? options->start : options->end) = value;
  } else {
    const auto equals = value.find('=');
    const std::string field = FieldName(value.substr(0, equals));
    if (equals == std::string::npos || !KnownField(field)) {
      *error = "--form wants FIELD=TEXT with FIELD one of CALLSIGN, CONTEST, CATEGORY_OPERATOR, "
               "CATEGORY_BAND, CATEGORY_MODE, CATEGORY_TIME, CATEGORY_TRANSMITTER, "
               "CATEGORY_OVERLAY, NAME, ADDRESS, ADDRESS_CITY, ADDRESS_POSTALCODE, "
               "ADDRESS_COUNTRY, OPERATORS, CLUB, EMAIL, SOAPBOX; not '" + value + "'";
      return OptionTaken::kBad;
    }
    options->form.emplace_back(field, value.substr(equals + 1));
  }
  return OptionTaken::kYes;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> FormVariables(const ContestLog& log,
                                                               const LogOptions& options) {
  std::vector<std::pair<std::string, std::string>> variables;
  for (const FormField& field : kFormFields) {
    bool given = false;
    std::string value;
    if (field.tag != nullptr) {
      const auto it = log.header.find(field.tag);
      if (it != log.header.end()) {
        given = true;
        for (std::size_t k = 0; k < it->second.size(); ++k) {
          if (k != 0) value += field.joiner;
          value += it->second[k];
        }
      }
    }
    for (const auto& option : options.form) {
      if (option.first == field.field) {
        given = true;
        value = option.second;
      }
    }
    if (given) variables.emplace_back(std::string("KORVANE_FORM_") + field.field, value);
  }
  return variables;
}

LogRunResult RunLogSession(const HostLibrary& library, const ContestLog& log,
                           const CountryFile& countries, const LogOptions& options,
                           const std::string& path, std::ostream& out, std::ostream& err) {
  LogRunResult result;
  const char* const skipped = log.format == LogFormat::kAdif ? "record skipped" : "line skipped";
  for (const LogProblem& problem : log.problems) {
    err << path << ":" << problem.line << ": " << problem.what;
    if (problem.what.find("skipped") == std::string::npos) err << " (" << skipped << ")";
    err << "\n";
  }
  if (log.qsos.empty() && !log.problems.empty()) {
    err << "korvane-replay: " << path << ": no QSO could be read\n";
    result.exitCode = 1;
    return result;
  }

  if (log.qsos.empty() && (options.start.empty() || options.end.empty())) {
    err << "korvane-replay: " << path << ": the log has no QSO lines; nothing to score (give "
        << "--start and --end to score an empty log)\n";
    result.exitCode = 1;
    return result;
  }

  std::string ownCall = options.ownCall;
  // Calls are compared letter case included; the QSO lines' calls are read in capitals too.
  if (ownCall.empty()) ownCall = Upper(log.Header("CALLSIGN"));
  for (std::size_t k = 0; ownCall.empty() && k < log.qsos.size(); ++k) ownCall = log.qsos[k].ownCall;
  if (ownCall.empty()) {
    err << "korvane-replay: " << path << ": the log names no own call sign; give --call CALL\n";
    result.exitCode = 1;
    return result;
  }
  const Resolution own = countries.Resolve(ownCall);
  if (!own.found) {
    err << "korvane-replay: own call " << ownCall
        << " matches no entity of the country file; its prefix and continent stay empty\n";
  }

  // The period: the first and the last QSO's day, or what the options say.
  OleDate start, end;
  start.status = end.status = DateStatus::kNull;
  for (const LogQso& qso : log.qsos) {
    OleDate day;
    day.value = MakeOleDate(qso.year, qso.month, qso.day);
    if (start.status == DateStatus::kNull || day.value < start.value) start = day;
    if (end.status == DateStatus::kNull || day.value > end.value) end = day;
  }
  if (!options.start.empty()) start = DayOf(options.start);
  if (!options.end.empty()) end = DayOf(options.end);

  if (!options.htmlPath.empty()) library.SetVersion("korvane-replay");
  if (options.cabrillo) {
    for (const auto& variable : FormVariables(log, options)) {
      setenv(variable.first.c_str(), variable.second.c_str(), 1);
    }
    unsetenv("KORVANE_FORM_CANCEL");
  }
  HostReset reset;
  reset.hostFolder = "";
  reset.cabrillo = options.cabrillo ? 1 : 0;
  reset.ownCall = ownCall.c_str();
  reset.start = start;
  reset.end = end;
  reset.ownPrefix = own.prefix.c_str();
  reset.ownContinent = own.continent.c_str();
  library.ResetStats(reset);

  const bool progress = isatty(STDERR_FILENO) && log.qsos.size() >= 2000;
  std::set<std::string> unknownCalls;
  for (const LogQso& qso : log.qsos) {
    const Resolution station = countries.Resolve(qso.call);
    if (!station.found && unknownCalls.insert(qso.call).second) {
      err << path << ":" << qso.line << ": " << qso.call
          << " matches no entity of the country file; passed with an empty prefix\n";
    }
    const std::string continent = !qso.continent.empty() ? qso.continent : station.continent;
    const std::string stationCall = qso.ownCall.empty() ? ownCall : qso.ownCall;

    HostCheck check;
    check.call = qso.call.c_str();
    check.mode = qso.mode.c_str();
    check.area = station.area.c_str();
    check.prefix = station.prefix.c_str();
    check.continent = continent.c_str();
    check.band = qso.band.c_str();
    const int verdict = library.CheckCall(check);

    HostQso add;
    add.ownCall = stationCall.c_str();
    add.call = qso.call.c_str();
    add.time = qso.Time();
    add.freqHz = qso.freqKHz * 1000U;
    add.mode = qso.mode.c_str();
    add.rstSent = qso.rstSent.c_str();
    add.rstRcvd = qso.rstRcvd.c_str();
    add.nrSent = qso.nrSent.c_str();
    add.nrRcvd = qso.nrRcvd.c_str();
    add.area = station.area.c_str();
    add.prefix = station.prefix.c_str();
    add.continent = continent.c_str();
    add.band = qso.band.c_str();
    const bool stored = library.AddData(add) == 1;
    ++result.read;
    ++(stored ? result.stored : result.rejected);
    if (options.verdicts) {
      err << path << ":" << qso.line << ": " << qso.call << " " << qso.band << " " << qso.mode
          << ": check " << verdict << " (" << CheckMeaning(verdict) << "), "
          << (stored ? "stored" : "rejected") << "\n";
    }
    if (progress && result.read % 500 == 0) {
      err << "\rkorvane-replay: " << result.read << " of " << log.qsos.size() << " QSOs"
          << std::flush;
    }
  }
  if (progress) err << "\r\033[K";

  int flag = 0;
  const char* report = library.GetResult(&flag);
  result.report = report != nullptr ? report : "";
  if (options.htmlPath.empty()) {
    out << result.report << std::flush;
    if (!out) {
      err << "korvane-replay: cannot write the report to standard output\n";
      result.exitCode = 1;
    }
  } else if (!WriteWholeFile(options.htmlPath, result.report)) {
    err << "korvane-replay: cannot write the HTML report to " << options.htmlPath << "\n";
    result.exitCode = 1;
  }
  const int malformed = static_cast<int>(log.problems.size());
  err << "korvane-replay: " << path << ": " << result.read << " QSOs read, " << result.stored
      << " stored, " << result.rejected << " rejected; skipped " << log.skippedXQso
      << " X-QSO and " << malformed << " malformed\n";
  return result;
}

}  // namespace korvane::replay
