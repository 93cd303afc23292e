#include "tools/replay/contest_log.h"
#include "tools/replay/text_util.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

namespace korvane::replay {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool AllDigits(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

bool StartsWithNoCase(const std::string& text, const char* start) {
  const std::size_t n = std::strlen(start);
  return text.size() >= n && Upper(text.substr(0, n)) == start;
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

// Letters, digits and '/', with at least one letter and one digit.
bool LooksLikeCall(const std::string& text) {
  if (text.size() < 3) return false;
  bool letter = false;
  bool digit = false;
  for (char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (std::isalpha(u)) {
      letter = true;
    } else if (std::isdigit(u)) {
      digit = true;
    } else if (c != '/') {
      return false;
    }
  }
  return letter && digit;
}

// RS or RST: two or three digits, the first 1 to 5.
bool LooksLikeRst(const std::string& text) {
  return (text.size() == 2 || text.size() == 3) && AllDigits(text) && text[0] >= '1' &&
         text[0] <= '5';
}

bool ValidDate(int year, int month, int day) {
  static const int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 1900 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  if (month == 2 && !leap) return day <= 28;
  return day <= kDays[month - 1];
}

int Number(const std::string& text, std::size_t pos, std::size_t length) {
  return std::atoi(text.substr(pos, length).c_str());
}

// "2020-03-14" (Cabrillo) or "20200314" (ADIF).
bool ParseDay(const std::string& text, LogQso* qso) {
  if (text.size() == 10 && text[4] == '-' && text[7] == '-' &&
      AllDigits(text.substr(0, 4) + text.substr(5, 2) + text.substr(8, 2))) {
    qso->year = Number(text, 0, 4);
    qso->month = Number(text, 5, 2);
    qso->day = Number(text, 8, 2);
  } else if (text.size() == 8 && AllDigits(text)) {
    qso->year = Number(text, 0, 4);
    qso->month = Number(text, 4, 2);
    qso->day = Number(text, 6, 2);
  } else {
    return false;
  }
  return ValidDate(qso->year, qso->month, qso->day);
}

// "1412" or, in ADIF, "141230".
bool ParseTimeOfDay(const std::string& text, bool withSeconds, LogQso* qso) {
  if (!AllDigits(text) || (text.size() != 4 && !(withSeconds && text.size() == 6))) return false;
  qso->hour = Number(text, 0, 2);
  qso->minute = Number(text, 2, 2);
  qso->second = text.size() == 6 ? Number(text, 4, 2) : 0;
  return qso->hour < 24 && qso->minute < 60 && qso->second < 60;
}

// Whole kHz of a decimal text in units of 10^-`shift` kHz ("14085", or "14.085" MHz with shift
// 3); false when it is no plain decimal number.
bool ParseKHz(const std::string& text, int shift, unsigned* kHz) {
  const auto dot = text.find('.');
  const std::string whole = text.substr(0, dot);
  const std::string fraction = dot == std::string::npos ? "" : text.substr(dot + 1);
  if (!AllDigits(whole) || (dot != std::string::npos && !fraction.empty() && !AllDigits(fraction)) ||
      whole.size() > 6) {
    return false;
  }
  std::string digits = whole + (fraction + std::string(static_cast<std::size_t>(shift), '0'))
                                   .substr(0, static_cast<std::size_t>(shift));
  *kHz = static_cast<unsigned>(std::stoul(digits));
  return true;
}

std::string ModeName(const std::string& mode) {
  const std::string upper = Upper(mode);
  return upper == "RY" ? "RTTY" : upper;
}

// The QSO line after "QSO:": freq mode date time call rst [exch...] call rst [exch...] [t].
bool ParseCabrilloQso(const std::string& rest, LogQso* qso, std::string* error) {
  const std::vector<std::string> w = Words(rest);
  if (w.size() < 8) {
    *error = "QSO line with " + std::to_string(w.size()) +
             " fields, want at least frequency, mode, date, time, call, RST, call, RST";
    return false;
  }
  const std::string& freq = w[0];
  if (AllDigits(freq) && freq.size() >= 4) {
    if (!ParseKHz(freq, 0, &qso->freqKHz)) {
      *error = "frequency '" + freq + "' too large (want kHz)";
      return false;
    }
  } else if (freq.find('.') != std::string::npos && ParseKHz(freq, 0, &qso->freqKHz) &&
             qso->freqKHz >= 1000) {
    // A fraction of a kHz is dropped.
  } else if (std::isdigit(static_cast<unsigned char>(freq[0])) || Upper(freq) == "LIGHT") {
    qso->freqKHz = 0;
    qso->band = freq.back() == 'M' ? Lower(freq) : freq;  // 20M as 20m; 50, 1.2G as written
  } else {
    *error = "bad frequency '" + freq + "' (want kHz or a band)";
    return false;
  }
  if (qso->freqKHz != 0) {
    qso->band = BandOfKHz(qso->freqKHz);
    if (qso->band.empty()) qso->band = std::to_string(qso->freqKHz);
  }
  qso->mode = ModeName(w[1]);
  if (!ParseDay(w[2], qso) || w[2].size() != 10) {
    *error = "bad date '" + w[2] + "' (want yyyy-mm-dd)";
    return false;
  }
  if (!ParseTimeOfDay(w[3], false, qso)) {
    *error = "bad time '" + w[3] + "' (want hhmm)";
    return false;
  }
  if (!LooksLikeCall(w[4])) {
    *error = "bad sent call '" + w[4] + "'";
    return false;
  }
  if (!LooksLikeRst(w[5])) {
    *error = "no RST after the sent call " + w[4];
    return false;
  }
  std::size_t received = 0;
  for (std::size_t j = 6; j + 1 < w.size(); ++j) {
    if (LooksLikeCall(w[j]) && LooksLikeRst(w[j + 1])) {
      received = j;
      break;
    }
  }
  if (received == 0) {
    *error = "no received call followed by its RST";
    return false;
  }
  qso->ownCall = Upper(w[4]);
  qso->rstSent = w[5];
  qso->nrSent = received > 6 ? w[6] : "";
  qso->call = Upper(w[received]);
  qso->rstRcvd = w[received + 1];
  qso->nrRcvd = received + 2 < w.size() ? w[received + 2] : "";
  return true;
}

std::size_t LineOf(const std::string& text, std::size_t pos, std::size_t* from, int* line) {
  for (; *from < pos && *from < text.size(); ++*from) {
    const char c = text[*from];
    if (c == '\n' || (c == '\r' && (*from + 1 >= text.size() || text[*from + 1] != '\n'))) {
      ++*line;
    }
  }
  return static_cast<std::size_t>(*line);
}

struct BandRange {
  unsigned low, high;
  const char* band;
};
const BandRange kBandRanges[] = {{1800, 2000, "160m"},  {3500, 4000, "80m"},
                                 {7000, 7300, "40m"},   {14000, 14350, "20m"},
                                 {21000, 21450, "15m"}, {28000, 29700, "10m"}};

bool ValidContinent(const std::string& text) {
  static const char* const kContinents[] = {"AF", "AN", "AS", "EU", "NA", "OC", "SA"};
  for (const char* continent : kContinents) {
    if (text == continent) return true;
  }
  return false;
}

bool BuildAdifQso(const std::map<std::string, std::string>& fields, LogQso* qso,
                  std::string* error) {
  auto get = [&](const char* name) {
    const auto it = fields.find(name);
    return it != fields.end() ? Trim(it->second) : std::string();
  };
  qso->call = Upper(get("CALL"));
  if (qso->call.empty()) {
    *error = "record without CALL";
    return false;
  }
  if (!ParseDay(get("QSO_DATE"), qso) || get("QSO_DATE").size() != 8) {
    *error = qso->call + ": bad or missing QSO_DATE '" + get("QSO_DATE") + "' (want yyyymmdd)";
    return false;
  }
  if (!ParseTimeOfDay(get("TIME_ON"), true, qso)) {
    *error = qso->call + ": bad or missing TIME_ON '" + get("TIME_ON") + "' (want hhmm or hhmmss)";
    return false;
  }
  const std::string freq = get("FREQ");
  const std::string band = Lower(get("BAND"));
  if (!freq.empty() && !ParseKHz(freq, 3, &qso->freqKHz)) {
    *error = qso->call + ": bad FREQ '" + freq + "' (want MHz)";
    return false;
  }
  const std::string freqBand = freq.empty() ? "" : BandOfKHz(qso->freqKHz);
  if (!band.empty()) {
    if (!freqBand.empty() && freqBand != band) {
      *error = qso->call + ": BAND " + band + " but FREQ " + freq + " lies on " + freqBand;
      return false;
    }
    qso->band = band;
  } else if (!freq.empty()) {
    qso->band = freqBand.empty() ? std::to_string(qso->freqKHz) : freqBand;
  } else {
    *error = qso->call + ": neither BAND nor FREQ";
    return false;
  }
  if (freq.empty()) {
    // A host always knows the frequency, and a Cabrillo QSO line needs one: a record with only a
    // contest band is taken as worked at the band's lower edge.
    for (const BandRange& range : kBandRanges) {
      if (qso->band == range.band) qso->freqKHz = range.low;
    }
  }
  const std::string mode = Upper(get("MODE"));
  qso->mode = mode == "RY" || mode == "RTTY" || Upper(get("SUBMODE")) == "RTTY" ? "RTTY" : mode;
  qso->rstSent = get("RST_SENT");
  qso->rstRcvd = get("RST_RCVD");
  qso->nrSent = !get("STX").empty() ? get("STX") : get("STX_STRING");
  qso->nrRcvd = !get("SRX").empty() ? get("SRX") : get("SRX_STRING");
  qso->ownCall = Upper(get("STATION_CALLSIGN"));
  if (qso->ownCall.empty()) qso->ownCall = Upper(get("OPERATOR"));
  const std::string continent = Upper(get("CONT"));
  if (ValidContinent(continent)) qso->continent = continent;
  return true;
}

}  // namespace

OleDate LogQso::Time() const {
  OleDate date;
  date.value = MakeOleDate(year, month, day, hour, minute, second);
  return date;
}

std::string ContestLog::Header(const std::string& tag) const {
  const auto it = header.find(tag);
  return it != header.end() && !it->second.empty() ? it->second.front() : std::string();
}

LogFormat DetectLogFormat(const std::string& text) {
  // Logs are 8-bit text: letters above 127 are fine, control characters other than the white
  // space ones are not, apart from a stray one (a Ctrl-Z at the end of old DOS files).
  std::size_t controls = 0;
  for (const char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u == 0) return LogFormat::kNotText;
    if ((u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f') || u == 0x7F) ++controls;
  }
  if (controls > 1 && controls * 100 > text.size()) return LogFormat::kNotText;
  const std::string start = Trim(text.substr(0, 4096));
  if (StartsWithNoCase(start, "START-OF-LOG:")) return LogFormat::kCabrillo;
  const std::string lower = Lower(text);
  if ((!start.empty() && start[0] == '<') || lower.find("<eoh>") != std::string::npos ||
      lower.find("<eor>") != std::string::npos) {
    return LogFormat::kAdif;
  }
  for (const std::string& line : SplitLines(text)) {
    if (StartsWithNoCase(line, "QSO:")) return LogFormat::kCabrillo;
  }
  return LogFormat::kSession;
}

std::string BandOfKHz(unsigned kHz) {
  for (const BandRange& range : kBandRanges) {
    if (kHz >= range.low && kHz <= range.high) return range.band;
  }
  return "";
}

ContestLog ParseCabrillo(const std::string& text) {
  ContestLog log;
  log.format = LogFormat::kCabrillo;
  const std::vector<std::string> lines = SplitLines(text);
  bool ended = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    const std::string line = Trim(lines[i]);
    if (line.empty()) continue;
    if (ended) {
      log.problems.push_back({number, "text after END-OF-LOG (line skipped)"});
      continue;
    }
    const auto colon = line.find(':');
    const std::string tag = colon == std::string::npos ? "" : Upper(Trim(line.substr(0, colon)));
    if (tag.empty() || tag.find_first_of(" \t") != std::string::npos) {
      log.problems.push_back({number, "not a Cabrillo line: no TAG: at its start"});
      continue;
    }
    const std::string value = Trim(line.substr(colon + 1));
    if (tag == "QSO") {
      LogQso qso;
      qso.line = number;
      std::string error;
      if (ParseCabrilloQso(value, &qso, &error)) {
        log.qsos.push_back(qso);
      } else {
        log.problems.push_back({number, error});
      }
    } else if (tag == "X-QSO") {
      ++log.skippedXQso;
    } else if (tag == "END-OF-LOG") {
      ended = true;
    } else if (tag == "CATEGORY") {
      // Cabrillo 2.0 puts operator, band and power into one tag.
      const std::vector<std::string> words = Words(value);
      const char* const kParts[] = {"CATEGORY-OPERATOR", "CATEGORY-BAND", "CATEGORY-POWER"};
      for (std::size_t k = 0; k < words.size() && k < 3; ++k) log.header[kParts[k]].push_back(words[k]);
    } else {
      log.header[tag].push_back(value);
    }
  }
  return log;
}

ContestLog ParseAdif(const std::string& text) {
  ContestLog log;
  log.format = LogFormat::kAdif;
  std::size_t pos = 0;
  std::size_t counted = 0;
  int line = 1;
  // Without a '<' first the file has a header, which ends at <EOH>.
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first != std::string::npos && text[first] != '<') {
    const std::size_t eoh = Lower(text).find("<eoh>");
    if (eoh == std::string::npos) {
      log.problems.push_back({1, "ADIF header without <EOH>"});
      return log;
    }
    pos = eoh + 5;
  }
  std::map<std::string, std::string> fields;
  int recordLine = 0;
  bool broken = false;  // a field of this record could not be read
  while (true) {
    const std::size_t open = text.find('<', pos);
    if (open == std::string::npos) break;
    const int tagLine = static_cast<int>(LineOf(text, open, &counted, &line));
    const std::size_t close = text.find('>', open);
    if (close == std::string::npos) {
      log.problems.push_back({tagLine, "tag without '>'"});
      break;
    }
    const std::string tag = text.substr(open + 1, close - open - 1);
    const auto colon = tag.find(':');
    const std::string name = Upper(Trim(tag.substr(0, colon)));
    pos = close + 1;
    if (colon == std::string::npos) {
      if (name == "EOR") {
        LogQso qso;
        qso.line = recordLine != 0 ? recordLine : tagLine;
        std::string error;
        if (broken) {
          // Already reported where its field went wrong.
        } else if (fields.empty()) {
          log.problems.push_back({tagLine, "empty record"});
        } else if (BuildAdifQso(fields, &qso, &error)) {
          log.qsos.push_back(qso);
        } else {
          log.problems.push_back({qso.line, error});
        }
        fields.clear();
        recordLine = 0;
        broken = false;
      } else if (name == "EOH") {
        // A header that starts with a tag (<ADIF_VER:5>3.1.4<EOH>): its fields are no record's.
        fields.clear();
        recordLine = 0;
        broken = false;
      } else {
        log.problems.push_back({tagLine, "tag <" + tag + "> without a length"});
      }
      continue;
    }
    const std::string lengthText = tag.substr(colon + 1, tag.find(':', colon + 1) - colon - 1);
    if (!AllDigits(lengthText) || lengthText.size() > 7) {
      log.problems.push_back({tagLine, "field " + name + " with a bad length '" + lengthText +
                                           "' (record skipped)"});
      if (recordLine == 0) recordLine = tagLine;
      broken = true;
      continue;
    }
    const std::size_t length = std::stoul(lengthText);
    if (length > text.size() - pos) {
      log.problems.push_back({tagLine, "field " + name + " runs past the end of the file"});
      fields.clear();
      break;
    }
    if (recordLine == 0) recordLine = tagLine;
    fields[name] = text.substr(pos, length);
    pos += length;
  }
  if (!fields.empty() && !broken) {
    log.problems.push_back({recordLine, "last record has no <EOR> (record skipped)"});
  }
  return log;
}

bool ReadLogFile(const std::string& path, std::string* text, std::string* error,
                 std::size_t limit) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    *error = "cannot read " + path + ": it is a folder";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = "cannot read " + path + ": " + std::strerror(errno);
    return false;
  }
  std::string bytes;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > limit) {
      *error = "cannot read " + path + ": more than " + std::to_string(limit) +
               " bytes, far more than any log";
      return false;
    }
  }
  if (in.bad()) {
    *error = "cannot read " + path + ": read error";
    return false;
  }
  *text = std::move(bytes);
  return true;
}

}  // namespace korvane::replay
