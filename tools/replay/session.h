#ifndef KORVANE_TOOLS_REPLAY_SESSION_H
#define KORVANE_TOOLS_REPLAY_SESSION_H

// Session files: one host call per line, a verb and key=value fields.
//
//   reset call=DL1AAA prefix=DL cont=EU start=2020-03-14 end=2020-03-15 [export=1] [host=DIR/]
//   add call=K1ABC time=2020-03-14T12:00 freq=14085000 band=20m nrs=001 nrr=012 prefix=K cont=NA
//   check call=K1ABC band=20m prefix=K cont=NA
//   form name="Anna Beispiel" soapbox="line 1\r\nline 2"   (the Cabrillo header form; form_fields.h)
//
// A value may be quoted ("a b", with \" \\ \r \n \t and \xHH escapes); @null stands for a null
// pointer. Blank lines and lines starting with # are skipped.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/ole_date.h"

namespace korvane::replay {

struct SessionLine {
  int number = 0;
  std::string verb;
  std::vector<std::string> words;  // values without a key, in order
  std::map<std::string, std::optional<std::string>> fields;  // nullopt: @null

  bool Has(const std::string& key) const { return fields.count(key) != 0; }
  // The field's text; `fallback` when absent; nullopt for @null.
  std::optional<std::string> Get(const std::string& key, const std::string& fallback = "") const;
};

// Splits one line; false with `error` set when it is malformed. A blank or comment line gives an
// empty verb.
bool ParseSessionLine(const std::string& text, int number, SessionLine* out, std::string* error);

// "2020-03-14", "2020-03-14T14:12", "2020-03-14T14:12:30", "null", "invalid", or "ole:45000.5".
bool ParseDate(const std::string& text, OleDate* out);

}  // namespace korvane::replay

#endif  // KORVANE_TOOLS_REPLAY_SESSION_H
