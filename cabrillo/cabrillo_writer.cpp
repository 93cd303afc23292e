#include "cabrillo/cabrillo_writer.h"

#include "engine/format.h"
#include "platform/text_file.h"

namespace korvane {

std::string CabrilloQsoLine(const std::string& ownCall, int freqKHz, const std::string& mode,
                            const OleDate& time, const std::string& nrSent,
                            const std::string& call, const std::string& nrRcvd) {
  return Format("QSO: %5i %2s %s %-13s 599 %-5s  %-12s  599 %s\r\n", freqKHz, mode.c_str(),
                FormatOleDate(time, "%Y-%m-%d %H%M").c_str(), ownCall.c_str(), nrSent.c_str(),
                call.c_str(), nrRcvd.c_str());
}

void AddCabrilloQso(CCabrilloData& data, const std::string& call, int freqKHz,
                    const std::string& mode, const OleDate& time, const std::string& nrSent,
                    const std::string& nrRcvd) {
  data.m_qsoLines.push_back(
      CabrilloQsoLine(data.m_callsign, freqKHz, mode, time, nrSent, call, nrRcvd));
}

std::string HostVersionText(const FileVersion& version) {
  const unsigned major = version.ms >> 16;
  const unsigned minor = version.ms & 0xFFFFu;
  const unsigned third = version.ls >> 16;
  if (major == 2) return Format("%u.%u", major, minor);
  return Format("%u.%u.%u", major, minor, third);
}

std::optional<std::string> FindHostVersion(const std::string& folder, FileSearch& files,
                                           ProgramVersion& versions) {
  for (const std::string& name : files.Find(folder + "*.exe")) {
    if (name.find("Telk") == std::string::npos) continue;
    // The first program file named after the host decides, readable or not.
    const std::optional<FileVersion> version = versions.Read(folder + name);
    if (!version) return std::nullopt;
    return HostVersionText(*version);
  }
  return std::nullopt;
}

std::string CabrilloLogText(const CCabrilloData& data, int claimedScore,
                            const std::optional<std::string>& hostVersion) {
  std::string out = "START-OF-LOG: 3.0\r\n";
  const auto line = [&out](const char* tag, const std::string& value) {
    out += tag;
    out += ": ";
    out += value;
    out += "\r\n";
  };
  line("CONTEST", "KORVANE");
  line("CALLSIGN", data.m_callsign);
  line("CATEGORY-OPERATOR", data.m_categoryOperator);
  line("CATEGORY-TRANSMITTER", data.m_categoryTransmitter);
  if (!data.m_categoryTime.empty()) line("CATEGORY-TIME", data.m_categoryTime);
  if (!data.m_categoryOverlay.empty()) line("CATEGORY-OVERLAY", data.m_categoryOverlay);
  line("CLAIMED-SCORE", Format("%i", claimedScore));
  line("CLUB", data.m_club);
  line("CREATED-BY", "Telk " + hostVersion.value_or(""));
  line("NAME", data.m_name);
  line("ADDRESS", data.m_address);
  line("ADDRESS-CITY", data.m_addressCity);
  line("ADDRESS-POSTALCODE", data.m_addressPostalCode);
  line("ADDRESS-COUNTRY", data.m_addressCountry);
  line("OPERATORS", data.m_operators);
  line("EMAIL", data.m_email);
  line("SOAPBOX", data.m_soapbox);
  for (const std::string& qso : data.m_qsoLines) out += qso;
  out += "END-OF-LOG:\r\n";
  return out;
}

std::string WriteCabrilloLog(const CCabrilloData& data, int claimedScore, const std::string& folder,
                             FileSearch& files, ProgramVersion& versions) {
  const std::optional<std::string> hostVersion = FindHostVersion(folder, files, versions);
  const std::string name = data.m_fileBaseName + ".log";
  if (!ReplaceFileSafely(folder + name, CabrilloLogText(data, claimedScore, hostVersion))) {
    return "File not produced: " + name;
  }
  return "File produced: " + name;
}

}  // namespace korvane
