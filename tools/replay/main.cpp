// korvane-replay: a stand-in for the host program. It loads libStats.so and drives it from a
// session file, one host call per line, printing what each call returned, or scores a Cabrillo
// or ADIF log as the host would have while it was being logged.

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "tools/replay/contest_log.h"
#include "tools/replay/host_library.h"
#include "tools/replay/log_session.h"
#include "tools/replay/session.h"
#include "tools/replay/session_runner.h"
#include "tools/replay/text_util.h"

namespace {

constexpr char kUsage[] =
    "usage: korvane-replay [--out DIR] [--lib PATH] [--report-only] [options] [SESSION | LOG]\n"
    "  SESSION        session file, one host call per line (default: the bundled sample)\n"
    "  LOG            Cabrillo or ADIF log, told apart by content: prints the report on stdout\n"
    "  --out DIR      folder the plug-in works in: journal, Plugins/KORVANE.ini, Cabrillo file\n"
    "                 (default: a fresh temporary folder)\n"
    "  --lib PATH     the plug-in library (default: libStats.so beside this program)\n"
    "  --report-only  print only the reports of the results calls\n";

struct Options {
  std::string session = KORVANE_SAMPLE_SESSION;
  korvane::replay::LogOptions log;  // for Cabrillo and ADIF logs
  std::string outDir;
  std::string library;
  bool reportsOnly = false;
};

bool ParseOptions(int argc, char** argv, Options* options) {
  bool sessionGiven = false;
  for (int i = 1; i < argc; ++i) {
    std::string why;
    const auto taken = korvane::replay::TakeLogOption(argc, argv, &i, &options->log, &why);
    if (taken == korvane::replay::OptionTaken::kBad) {
      std::cerr << "korvane-replay: " << why << "\n";
      return false;
    }
    if (taken == korvane::replay::OptionTaken::kYes) continue;
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--out" && hasValue) {
      options->outDir = argv[++i];
    } else if (arg == "--lib" && hasValue) {
      options->library = argv[++i];
    } else if (arg == "--report-only") {
      options->reportsOnly = true;
    } else if (arg == "-h" || arg == "--help") {
      std::cout << kUsage << korvane::replay::kLogOptionsUsage;
      std::exit(0);
    } else if (!arg.empty() && arg[0] != '-' && !sessionGiven) {
      options->session = arg;
      sessionGiven = true;
    } else {
      std::cerr << "korvane-replay: unexpected argument " << arg << "\n" << kUsage;
      return false;
    }
  }
  return true;
}

std::string Absolute(const std::string& path) {
  std::error_code error;
  const auto absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.string();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace korvane::replay;
  Options options;
  if (!ParseOptions(argc, argv, &options)) return 2;
  LogOptions& logOptions = options.log;

  const std::string sessionPath = Absolute(options.session);
  std::string content;
  std::string readError;
  if (!ReadLogFile(sessionPath, &content, &readError)) {
    std::cerr << "korvane-replay: " << readError << "\n";
    return 1;
  }
  // Windows programs often start a UTF-8 text with a byte-order mark; it is no part of the log.
  if (content.rfind("\xEF\xBB\xBF", 0) == 0) content.erase(0, 3);
  if (content.find_first_not_of(" \t\r\n") == std::string::npos) {
    std::cerr << "korvane-replay: " << sessionPath << " is empty: nothing to score\n";
    return 1;
  }
  const LogFormat format = DetectLogFormat(content);
  if (format == LogFormat::kNotText) {
    std::cerr << "korvane-replay: " << sessionPath
              << " is no text file (binary bytes): neither a Cabrillo or ADIF log nor a session "
                 "file\n";
    return 1;
  }
  if (format == LogFormat::kSession && logOptions.given) {
    std::cerr << "korvane-replay: " << sessionPath
              << " is a session file: the log options do not apply to it\n";
  }
  CountryFile countries;
  if (format != LogFormat::kSession) {
    // Named before the change into the work folder.
    logOptions.countryFile = Absolute(logOptions.countryFile);
    if (!logOptions.htmlPath.empty()) logOptions.htmlPath = Absolute(logOptions.htmlPath);
    std::string countryText;
    if (!ReadLogFile(logOptions.countryFile, &countryText, &readError) ||
        !countries.Parse(countryText, logOptions.withStarred, &readError)) {
      std::cerr << "korvane-replay: country file: " << readError
                << " (install hamradio-files or give --cty FILE)\n";
      return 1;
    }
  }
  const std::string libraryPath =
      options.library.empty() ? ProgramFolder() + "libStats.so" : Absolute(options.library);

  // The plug-in names its files relative to the current directory, the host's folder.
  // Absolute before the change into it, so the messages name the folder the files are in.
  std::string workDir = options.outDir.empty() ? "" : Absolute(options.outDir);
  if (workDir.empty()) {
    char pattern[] = "/tmp/korvane-replay-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
      std::cerr << "korvane-replay: cannot make a temporary folder: " << std::strerror(errno) << "\n";
      return 1;
    }
    workDir = pattern;
  }
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(workDir) / "Plugins", error);
  if (error || chdir(workDir.c_str()) != 0) {
    std::cerr << "korvane-replay: cannot work in " << workDir << ": "
              << (error ? error.message() : std::strerror(errno)) << "\n";
    return 1;
  }

  HostLibrary library;
  std::string loadError;
  if (!library.Load(libraryPath, &loadError)) {
    std::cerr << "korvane-replay: " << loadError << "\n";
    return 1;
  }

  if (format != LogFormat::kSession) {
    const ContestLog log =
        format == LogFormat::kAdif ? ParseAdif(content) : ParseCabrillo(content);
    const LogRunResult run =
        RunLogSession(library, log, countries, logOptions, sessionPath, std::cout, std::cerr);
    // Piped, the report stays byte for byte; on a terminal the prompt gets a line of its own.
    if (logOptions.htmlPath.empty() && isatty(STDOUT_FILENO) && !run.report.empty() &&
        run.report.back() != '\n') {
      std::cout << "\n";
    }
    if (run.exitCode == 0) std::cerr << "korvane-replay: files in " << workDir << "\n";
    return run.exitCode;
  }

  SessionRunner runner(library, std::cout);
  runner.SetReportsOnly(options.reportsOnly);
  int number = 0;
  int bad = 0;
  int done = 0;
  for (const std::string& text : SplitLines(content)) {
    ++number;
    SessionLine line;
    std::string why;
    if (ParseSessionLine(text, number, &line, &why) && runner.Run(line, &why)) {
      if (!line.verb.empty()) ++done;
    } else {
      // A message may quote the line; a line of megabytes is no reason to flood the terminal.
      constexpr std::size_t kLongestMessage = 200;
      if (why.size() > kLongestMessage) why = why.substr(0, kLongestMessage) + "...";
      std::cerr << sessionPath << ":" << number << ": " << why << " (line skipped)\n";
      ++bad;
    }
  }
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "korvane-replay: cannot write to standard output\n";
    return 1;
  }
  if (done == 0 && bad > 0) {
    std::cerr << "korvane-replay: " << sessionPath << ": no line could be read: neither a "
              << "Cabrillo or ADIF log nor a session file\n";
    return 1;
  }
  std::cerr << "korvane-replay: " << number << " lines, " << bad << " skipped; files in "
            << workDir << "\n";
  return 0;
}
