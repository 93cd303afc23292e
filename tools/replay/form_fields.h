#ifndef KORVANE_TOOLS_REPLAY_FORM_FIELDS_H
#define KORVANE_TOOLS_REPLAY_FORM_FIELDS_H

// Session lines for the Cabrillo header form. Without a window the form confirms at once; these
// lines type into its boxes beforehand through the KORVANE_FORM_* variables of this process:
//
//   form name="Anna Beispiel" address-city=Berlin soapbox="line 1\r\nline 2"
//   form cancel        the next forms are cancelled
//   form clear         forget every typed box and the cancel
//
// A field is a box's name in lower case, "-" or "_" between words: callsign, contest, claimed,
// category-operator, category-band, category-mode, category-time, category-transmitter,
// category-overlay, name, address, address-city, address-postalcode, address-country, operators,
// club, email, soapbox. field=@null forgets that one box. What is set holds for every later form
// until changed.

#include <string>

#include "tools/replay/session.h"

namespace korvane::replay {

// Carries out a "form" line; false with `error` (and nothing changed) on an unknown field or word.
// `said` receives the line's echo.
bool RunFormLine(const SessionLine& line, std::string* said, std::string* error);

}  // namespace korvane::replay

#endif  // KORVANE_TOOLS_REPLAY_FORM_FIELDS_H
