#ifndef KORVANE_TOOLS_REPLAY_COUNTRY_FILE_H
#define KORVANE_TOOLS_REPLAY_COUNTRY_FILE_H

// The country file (cty.dat) and the resolution of a call sign to what a host hands the plug-in:
// the DXCC prefix, the continent and the area text.
//
// Each entity is a header line of eight ':'-terminated fields (name, CQ zone, ITU zone,
// continent, latitude, longitude, UTC offset, primary prefix) followed by its prefixes, separated
// by ',' and ended by ';'. A prefix written "=CALL" matches that call only; "(n)", "[n]", "<..>"
// and "~..~" override zones, position and time, and "{XX}" overrides the continent.

#include <map>
#include <string>
#include <vector>

namespace korvane::replay {

struct CountryEntry {
  std::string prefix;     // primary prefix, "*" removed
  std::string continent;
};

struct Resolution {
  bool found = false;
  std::string prefix;     // the entity's primary prefix, empty when not found
  std::string continent;  // empty when not found
  std::string area;       // a text whose last digit is the station's call area
};

class CountryFile {
 public:
  // Parses the text; entities whose primary prefix starts with "*" (other award lists) are left
  // out unless `withStarred`. False with `error` (line number and reason) when the text is not a
  // country file; an entity without its ';' is an error too.
  bool Parse(const std::string& text, bool withStarred, std::string* error);

  Resolution Resolve(const std::string& call) const;

  bool Empty() const { return prefixes_.empty() && exact_.empty(); }

 private:
  // The longest prefix of `text` in the table, or null.
  const CountryEntry* Longest(const std::string& text) const;
  const CountryEntry* Exact(const std::string& call) const;

  std::map<std::string, CountryEntry> prefixes_;
  std::map<std::string, CountryEntry> exact_;
};

}  // namespace korvane::replay

#endif  // KORVANE_TOOLS_REPLAY_COUNTRY_FILE_H
