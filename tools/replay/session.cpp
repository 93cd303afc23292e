#include "tools/replay/session.h"

#include <cstdio>
#include <cstdlib>

namespace korvane::replay {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads one token at `pos`, unquoting quoted parts; false on an unterminated quote or a bad
// escape.
bool ReadToken(const std::string& text, std::size_t* pos, std::string* token, bool* quoted,
               std::string* error) {
  token->clear();
  *quoted = false;
  std::size_t i = *pos;
  while (i < text.size() && text[i] != ' ' && text[i] != '\t') {
    if (text[i] != '"') {
      *token += text[i++];
      continue;
    }
    *quoted = true;
    ++i;
    bool closed = false;
    while (i < text.size()) {
      const char c = text[i++];
      if (c == '"') {
        closed = true;
        break;
      }
      if (c != '\\') {
        *token += c;
        continue;
      }
      if (i >= text.size()) break;
      const char e = text[i++];
      switch (e) {
        case 'r': *token += '\r'; break;
        case 'n': *token += '\n'; break;
        case 't': *token += '\t'; break;
        case '\\': *token += '\\'; break;
        case '"': *token += '"'; break;
        case 'x': {
          const int hi = i < text.size() ? HexDigit(text[i]) : -1;
          const int lo = i + 1 < text.size() ? HexDigit(text[i + 1]) : -1;
          if (hi < 0 || lo < 0) {
            *error = "bad \\x escape";
            return false;
          }
          *token += static_cast<char>(hi * 16 + lo);
          i += 2;
          break;
        }
        default:
          *error = std::string("unknown escape \\") + e;
          return false;
      }
    }
    if (!closed) {
      *error = "unterminated quote";
      return false;
    }
  }
  *pos = i;
  return true;
}

}  // namespace

std::optional<std::string> SessionLine::Get(const std::string& key,
                                            const std::string& fallback) const {
  const auto it = fields.find(key);
  if (it == fields.end()) return fallback;
  return it->second;
}

bool ParseSessionLine(const std::string& raw, int number, SessionLine* out, std::string* error) {
  *out = SessionLine();
  out->number = number;
  std::string text = raw;
  if (!text.empty() && text.back() == '\r') text.pop_back();
  std::size_t pos = 0;
  bool first = true;
  while (true) {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    if (pos >= text.size()) break;
    if (first && text[pos] == '#') break;
    const std::size_t equals = text.find('=', pos);
    const std::size_t blank = text.find_first_of(" \t\"", pos);
    std::string key;
    if (!first && equals != std::string::npos && (blank == std::string::npos || equals < blank)) {
      key = text.substr(pos, equals - pos);
      pos = equals + 1;
    }
    std::string token;
    bool quoted = false;
    if (!ReadToken(text, &pos, &token, &quoted, error)) return false;
    if (first) {
      out->verb = token;
      first = false;
    } else if (key.empty()) {
      out->words.push_back(token);
    } else if (out->fields.count(key) != 0) {
      *error = "field " + key + " given twice";
      return false;
    } else if (!quoted && token == "@null") {
      out->fields[key] = std::nullopt;
    } else {
      out->fields[key] = token;
    }
  }
  return true;
}

bool ParseDate(const std::string& text, OleDate* out) {
  if (text == "null") {
    *out = OleDate{0.0, DateStatus::kNull};
    return true;
  }
  if (text == "invalid") {
    *out = OleDate{0.0, DateStatus::kInvalid};
    return true;
  }
  if (text.rfind("ole:", 0) == 0) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str() + 4, &end);
    if (end == text.c_str() + 4 || *end != '\0') return false;
    *out = OleDate{value, DateStatus::kValid};
    return true;
  }
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
  char tail = 0;
  const int n = std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c", &y, &mo, &d, &h, &mi, &s, &tail);
  const bool shapeOk = (n == 3 && text.size() == 10) || (n == 5 && text.size() == 16) ||
                       (n == 6 && text.size() == 19);
  if (!shapeOk || mo < 1 || mo > 12 || d < 1 || h > 23 || mi > 59 || s > 59 || y < 100) {
    return false;
  }
  // A day the month does not have would roll over into the next month.
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  const int monthDays[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (d > monthDays[mo - 1]) return false;
  *out = OleDate{MakeOleDate(y, mo, d, h, mi, s), DateStatus::kValid};
  return true;
}

}  // namespace korvane::replay
