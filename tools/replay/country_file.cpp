#include "tools/replay/country_file.h"
#include "tools/replay/text_util.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace korvane::replay {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Suffixes that say how a station operates, not where: they leave the entity alone.
bool IsOperatingSuffix(const std::string& part) {
  static const char* const kSuffixes[] = {"P", "M", "A", "B", "J", "R", "LH", "QRP", "QRPP"};
  return std::find_if(std::begin(kSuffixes), std::end(kSuffixes),
                      [&](const char* s) { return part == s; }) != std::end(kSuffixes);
}

// Maritime and aeronautical mobile stations count for no entity.
bool IsNoEntitySuffix(const std::string& part) { return part == "MM" || part == "AM"; }

}  // namespace

bool CountryFile::Parse(const std::string& text, bool withStarred, std::string* error) {
  prefixes_.clear();
  exact_.clear();
  int number = 0;
  bool open = false;  // inside an entity's prefix list
  bool keep = false;
  int entities = 0;
  CountryEntry entity;
  for (const std::string& line : SplitLines(text)) {
    ++number;
    if (Trim(line).empty()) continue;
    const bool header = line[0] != ' ' && line[0] != '\t';
    if (header) {
      if (open) {
        *error = "line " + std::to_string(number) + ": entity header before the ';' that ends " +
                 "the entity " + entity.prefix;
        return false;
      }
      std::vector<std::string> fields = Split(line, ':');
      if (fields.size() < 8) {
        *error = "line " + std::to_string(number) + ": entity header with fewer than 8 fields";
        return false;
      }
      entity.continent = Trim(fields[3]);
      entity.prefix = Trim(fields[7]);
      if (entity.prefix.empty() || entity.continent.size() != 2) {
        *error = "line " + std::to_string(number) + ": entity header without prefix or continent";
        return false;
      }
      keep = entity.prefix[0] != '*' || withStarred;
      if (entity.prefix[0] == '*') entity.prefix.erase(0, 1);
      open = true;
      ++entities;
      continue;
    }
    if (!open) {
      *error = "line " + std::to_string(number) + ": prefixes outside an entity";
      return false;
    }
    std::string list = Trim(line);
    if (list.back() == ';') {
      open = false;
      list.pop_back();
    }
    if (!keep) continue;
    for (std::string token : Split(list, ',')) {
      token = Trim(token);
      if (token.empty()) continue;
      CountryEntry entry = entity;
      const auto brace = token.find('{');
      if (brace != std::string::npos) {
        const auto close = token.find('}', brace);
        if (close != std::string::npos) entry.continent = token.substr(brace + 1, close - brace - 1);
      }
      token = token.substr(0, token.find_first_of("([<{~"));
      if (token.empty() || token == "=") continue;
      if (token[0] == '=') {
        exact_.emplace(Upper(token.substr(1)), entry);
      } else {
        prefixes_.emplace(Upper(token), entry);
      }
    }
  }
  if (open) {
    *error = "the entity " + entity.prefix + " has no ';' at the end of the file";
    return false;
  }
  if (entities == 0) {
    *error = "no entities";
    return false;
  }
  return true;
}

const CountryEntry* CountryFile::Longest(const std::string& text) const {
  for (std::size_t length = text.size(); length > 0; --length) {
    const auto it = prefixes_.find(text.substr(0, length));
    if (it != prefixes_.end()) return &it->second;
  }
  return nullptr;
}

const CountryEntry* CountryFile::Exact(const std::string& call) const {
  const auto it = exact_.find(call);
  return it != exact_.end() ? &it->second : nullptr;
}

Resolution CountryFile::Resolve(const std::string& rawCall) const {
  Resolution result;
  const std::string call = Upper(Trim(rawCall));
  result.area = call;
  if (call.empty()) return result;

  const CountryEntry* entry = Exact(call);
  if (entry == nullptr) {
    std::vector<std::string> parts;
    for (const std::string& part : Split(call, '/')) {
      if (part.empty()) continue;
      if (!parts.empty() && IsNoEntitySuffix(part)) return result;
      if (!parts.empty() && IsOperatingSuffix(part)) continue;
      parts.push_back(part);
    }
    if (parts.empty()) return result;
    if (parts.size() == 1) {
      entry = Exact(parts[0]);
      if (entry == nullptr) entry = Longest(parts[0]);
    } else if (parts[1].size() == 1 && IsDigit(parts[1][0])) {
      // K1ABC/4 works from call area 4: the digit takes the place of the call's own.
      std::string moved = parts[0];
      const auto digit = moved.find_last_of("0123456789");
      if (digit != std::string::npos) {
        moved[digit] = parts[1][0];
      } else {
        moved += parts[1];
      }
      entry = Longest(moved);
      result.area = moved;
    } else {
      // VE3/DL1ABC and DL1ABC/VE3: the shorter part is the prefix the station works under, and
      // its digit, not the home call's, is the call area.
      const bool last = parts[1].size() < parts[0].size();
      const std::string& prefix = last ? parts[1] : parts[0];
      entry = Longest(prefix);
      result.area = prefix;
      if (entry == nullptr) {
        // A part that names no entity (DL1ABC/X) leaves the station where its home call is.
        result.area = call;
        entry = Longest(last ? parts[0] : parts[1]);
      }
    }
  }
  if (entry == nullptr) return result;
  result.found = true;
  result.prefix = entry->prefix;
  result.continent = entry->continent;
  return result;
}

}  // namespace korvane::replay
