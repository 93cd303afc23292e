#include "tools/replay/form_fields.h"

#include <stdlib.h>

#include <cctype>
#include <utility>
#include <vector>

namespace korvane::replay {
namespace {

const char* const kFields[] = {
    "CALLSIGN",         "CONTEST",         "CLAIMED",           "CATEGORY_OPERATOR",
    "CATEGORY_BAND",    "CATEGORY_MODE",   "CATEGORY_TIME",     "CATEGORY_TRANSMITTER",
    "CATEGORY_OVERLAY", "NAME",            "ADDRESS",           "ADDRESS_CITY",
    "ADDRESS_POSTALCODE", "ADDRESS_COUNTRY", "OPERATORS",       "CLUB",
    "EMAIL",            "SOAPBOX",
};
constexpr char kPrefix[] = "KORVANE_FORM_";

// "address-city" and "address_city" both name ADDRESS_CITY; empty when no box has that name.
std::string VariableOf(const std::string& key) {
  std::string field;
  for (char c : key) {
    field += c == '-' ? '_' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  for (const char* known : kFields) {
    if (field == known) return kPrefix + field;
  }
  return "";
}

}  // namespace

bool RunFormLine(const SessionLine& line, std::string* said, std::string* error) {
  bool clear = false;
  bool cancel = false;
  for (const std::string& word : line.words) {
    if (word == "clear") {
      clear = true;
    } else if (word == "cancel") {
      cancel = true;
    } else {
      *error = "form knows the words clear and cancel, not " + word;
      return false;
    }
  }
  std::vector<std::pair<std::string, const std::optional<std::string>*>> typed;
  for (const auto& field : line.fields) {
    const std::string variable = VariableOf(field.first);
    if (variable.empty()) {
      *error = "the form has no box " + field.first;
      return false;
    }
    typed.emplace_back(variable, &field.second);
  }

  *said = "form";
  if (clear) {
    for (const char* known : kFields) unsetenv((std::string(kPrefix) + known).c_str());
    unsetenv("KORVANE_FORM_CANCEL");
    *said += " clear";
  }
  for (const auto& [variable, value] : typed) {
    if (*value) {
      setenv(variable.c_str(), (*value)->c_str(), 1);
    } else {
      unsetenv(variable.c_str());
    }
    *said += " " + variable.substr(sizeof kPrefix - 1);
  }
  if (cancel) {
    setenv("KORVANE_FORM_CANCEL", "1", 1);
    *said += " cancel";
  }
  return true;
}

}  // namespace korvane::replay
