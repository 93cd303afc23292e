#include "cabrillo/cabrillo_data.h"

namespace korvane {

std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to) {
  if (from.empty() || from == to) return text;
  std::string out;
  std::size_t start = 0;
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, start)) {
    out.append(text, start, at - start);
    out += to;
    start = at + from.size();
  }
  out.append(text, start, std::string::npos);
  return out;
}

std::string CabrilloFileBaseName(const std::string& ownCall) {
  const std::string replaced = ReplaceAll(ReplaceAll(ownCall, "/", "_"), "\\", "_");
  static const char kWhiteSpace[] = " \t\r\n\v\f";
  const std::size_t first = replaced.find_first_not_of(kWhiteSpace);
  if (first == std::string::npos) return "TMSK";
  const std::size_t last = replaced.find_last_not_of(kWhiteSpace);
  return replaced.substr(first, last - first + 1);
}

std::string OnOneLine(const std::string& text) {
  std::string out = ReplaceAll(text, "\r\n", " ");
  for (char& c : out) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return out;
}

}  // namespace korvane
