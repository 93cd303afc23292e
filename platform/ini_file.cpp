#include "platform/ini_file.h"

#include <vector>

namespace korvane {
namespace {

std::string Trim(const std::string& text) {
  const char* blanks = " \t\r";
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return "";
  const std::size_t last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) {
      return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    lines.emplace_back(text, start, stop - start);
    start = end + 1;
  }
  return lines;
}

// The section name of a "[name]" line, or false.
bool SectionName(const std::string& line, std::string* name) {
  const std::string trimmed = Trim(line);
  if (trimmed.empty() || trimmed[0] != '[') return false;
  const std::size_t close = trimmed.find(']');
  if (close == std::string::npos) return false;
  *name = Trim(trimmed.substr(1, close - 1));
  return true;
}

bool KeyOf(const std::string& line, std::string* key) {
  const std::size_t equals = line.find('=');
  if (equals == std::string::npos) return false;
  *key = Trim(line.substr(0, equals));
  return true;
}

}  // namespace

std::string IniLookup(const std::string& text, const std::string& section, const std::string& key,
                      const std::string& fallback) {
  bool inSection = false;
  for (const std::string& line : SplitLines(text)) {
    std::string name;
    if (SectionName(line, &name)) {
      inSection = SameName(name, section);
      continue;
    }
    std::string lineKey;
    if (!inSection || !KeyOf(line, &lineKey) || !SameName(lineKey, key)) continue;
    std::string value = Trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
      value = value.substr(1, value.size() - 2);
    }
    return value;
  }
  return fallback;
}

std::string IniAssign(const std::string& text, const std::string& section, const std::string& key,
                      const std::string& value) {
  std::vector<std::string> lines = SplitLines(text);
  const std::string entry = key + "=" + value;
  bool inSection = false;
  bool sectionFound = false;
  std::size_t insertAt = lines.size();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string name;
    if (SectionName(lines[i], &name)) {
      if (inSection) break;
      inSection = SameName(name, section);
      if (inSection) {
        sectionFound = true;
        insertAt = i + 1;
      }
      continue;
    }
    if (!inSection) continue;
    std::string lineKey;
    if (KeyOf(lines[i], &lineKey) && SameName(lineKey, key)) {
      lines[i] = entry;
      insertAt = lines.size() + 1;  // replaced in place
      break;
    }
    if (!Trim(lines[i]).empty()) insertAt = i + 1;
  }
  if (insertAt <= lines.size()) {
    if (sectionFound) {
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
    } else {
      lines.push_back("[" + section + "]");
      lines.push_back(entry);
    }
  }
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

}  // namespace korvane
