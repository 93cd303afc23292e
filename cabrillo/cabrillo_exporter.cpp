#include "cabrillo/cabrillo_exporter.h"

#include <utility>

#include "cabrillo/cabrillo_writer.h"

namespace korvane {

CabrilloFileExporter::CabrilloFileExporter(CabrilloServices services, std::string workDir)
    : services_(services), workDir_(std::move(workDir)) {}

bool CabrilloFileExporter::OpenForm(const std::string& ownCall) {
  return OpenCabrilloForm(data_, ownCall, *services_.settings, *services_.form) == 1;
}

std::string CabrilloFileExporter::ExportLog(const std::vector<CInfo>& log, int claimedScore) {
  data_.m_qsoLines.clear();
  for (const CInfo& qso : log) {
    const char* mode = qso.m_mode == "RTTY" ? "RY" : "??";
    AddCabrilloQso(data_, qso.m_call, static_cast<int>(qso.m_freqKHz), mode, qso.m_time,
                   qso.m_nrSent, qso.m_nrRcvd);
  }
  return WriteCabrilloLog(data_, claimedScore, workDir_, *services_.files, *services_.versions);
}

}  // namespace korvane
