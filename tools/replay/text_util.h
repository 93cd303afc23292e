#ifndef KORVANE_TOOLS_REPLAY_TEXT_UTIL_H
#define KORVANE_TOOLS_REPLAY_TEXT_UTIL_H

#include <cctype>
#include <string>

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
