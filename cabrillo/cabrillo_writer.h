#ifndef KORVANE_CABRILLO_CABRILLO_WRITER_H
#define KORVANE_CABRILLO_CABRILLO_WRITER_H

// The Cabrillo 3.0 log file: QSO lines, header, and the host's version in CREATED-BY.

#include <optional>
#include <string>

#include "cabrillo/cabrillo_data.h"
#include "engine/ole_date.h"
#include "platform/platform.h"

namespace korvane {

// One QSO line with its CR LF. Both signal reports are always 599; wider values are not cut.
std::string CabrilloQsoLine(const std::string& ownCall, int freqKHz, const std::string& mode,
                            const OleDate& time, const std::string& nrSent,
                            const std::string& call, const std::string& nrRcvd);

// Appends the QSO's line, sent with the header's own call sign, to `data.m_qsoLines`.
void AddCabrilloQso(CCabrilloData& data, const std::string& call, int freqKHz,
                    const std::string& mode, const OleDate& time, const std::string& nrSent,
                    const std::string& nrRcvd);

// "2.20" for a version 2 host, "3.1.5" for any other; the fourth part is never shown.
std::string HostVersionText(const FileVersion& version);

// The version text of the first "*.exe" in `folder` whose name contains "Telk"; nothing when there
// is none or its version resource cannot be read.
std::optional<std::string> FindHostVersion(const std::string& folder, FileSearch& files,
                                           ProgramVersion& versions);

// The whole file: header, QSO lines, end marker.
std::string CabrilloLogText(const CCabrilloData& data, int claimedScore,
                            const std::optional<std::string>& hostVersion);

// Writes `folder` + base name + ".log" (replacing any earlier file only once the new one is
// complete) and returns the message for the user: "File produced: NAME.log", or
// "File not produced: NAME.log" when it could not be written.
std::string WriteCabrilloLog(const CCabrilloData& data, int claimedScore, const std::string& folder,
                             FileSearch& files, ProgramVersion& versions);

}  // namespace korvane

#endif  // KORVANE_CABRILLO_CABRILLO_WRITER_H
