#ifndef KORVANE_TOOLS_REPLAY_TEXT_UTIL_H
#define KORVANE_TOOLS_REPLAY_TEXT_UTIL_H

#include <cctype>
#include <string>
#include <vector>

namespace korvane::replay {

inline std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

inline std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// The lines of a text whose lines end in CR LF, LF or a lone CR (old Macintosh programs), without
// their ends; a last line without an end counts too.
inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

// What a result of CheckCallFunc0 means to the operator.
inline const char* CheckMeaning(int code) {
  switch (code) {
    case 0: return "dupe";
    case 1: return "valid";
    case 2: return "new multiplier";
    case 3: return "new call area";
    case 4: return "breaks the rules";
    default: return "?";
  }
}

}  // namespace korvane::replay

#endif  // KORVANE_TOOLS_REPLAY_TEXT_UTIL_H
