#ifndef KORVANE_PLATFORM_INI_FILE_H
#define KORVANE_PLATFORM_INI_FILE_H

// INI text with the semantics of the Windows private-profile functions, kept apart from file
// access so it can be checked on strings.

#include <string>

namespace korvane {

// The value of `key` in `section` (both matched ignoring letter case), blanks around it removed
// and one pair of enclosing quotes taken off; `fallback` when either is missing.
std::string IniLookup(const std::string& text, const std::string& section, const std::string& key,
                      const std::string& fallback);

// The text with the key's line replaced in place, or added at the end of its section (and the
// section added at the end of the text when missing); every other line kept. CR LF line ends.
std::string IniAssign(const std::string& text, const std::string& section, const std::string& key,
                      const std::string& value);

}  // namespace korvane

#endif  // KORVANE_PLATFORM_INI_FILE_H
