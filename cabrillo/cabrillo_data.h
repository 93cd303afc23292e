#ifndef KORVANE_CABRILLO_CABRILLO_DATA_H
#define KORVANE_CABRILLO_CABRILLO_DATA_H

// The Cabrillo header as the user last confirmed it, and the QSO lines of the file being written.

#include <string>
#include <vector>

namespace korvane {

struct CCabrilloData {
  std::string m_callsign;
  std::string m_name;
  std::string m_address;
  std::string m_addressCity;
  std::string m_addressPostalCode;
  std::string m_addressCountry;
  std::string m_claimed;  // shown in the form only; the file takes the score of the results call
  std::string m_contest;
  std::string m_email;
  std::string m_club;
  // Between forms: escaped ("<CR>", "<LF>") in the INI file; after a confirmed form: the text that
  // follows the first "SOAPBOX: ", further lines carrying their own tag.
  std::string m_soapbox;
  std::string m_operators;
  std::string m_categoryOperator;
  std::string m_categoryOverlay;  // kept from form to form while the library is loaded
  std::string m_categoryMode;
  std::string m_categoryBand;
  std::string m_categoryTime;  // kept from form to form while the library is loaded
  std::string m_categoryTransmitter;
  std::string m_fileBaseName;
  std::vector<std::string> m_qsoLines;  // finished lines, each with its CR LF
};

// Every occurrence of `from` (not empty), left to right and not overlapping, replaced by `to`.
std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to);

// The own call sign made fit for a file name: "/" and backslash become "_", white space around it
// is removed, and "TMSK" stands in for nothing.
std::string CabrilloFileBaseName(const std::string& ownCall);

// Each line break (CR LF, CR or LF) replaced by one blank, so the value stays on one line of the
// INI file and of the Cabrillo header.
std::string OnOneLine(const std::string& text);

}  // namespace korvane

#endif  // KORVANE_CABRILLO_CABRILLO_DATA_H
