#ifndef KORVANE_CABRILLO_CABRILLO_EXPORTER_H
#define KORVANE_CABRILLO_CABRILLO_EXPORTER_H

// The Cabrillo export as the engine drives it: the header form at an export session's start, the
// file at each of its results calls.

#include <string>
#include <vector>

#include "cabrillo/cabrillo_data.h"
#include "cabrillo/cabrillo_form.h"
#include "engine/contest.h"
#include "platform/platform.h"

namespace korvane {

struct CabrilloServices {
  Settings* settings = nullptr;
  FileSearch* files = nullptr;
  ProgramVersion* versions = nullptr;
  CabrilloForm* form = nullptr;
};

class CabrilloFileExporter : public CabrilloExporter {
 public:
  // Every service must be given. `workDir` is the contest's work folder (empty, or ending in a
  // separator): the log file and the host's program file are looked for there.
  CabrilloFileExporter(CabrilloServices services, std::string workDir);

  bool OpenForm(const std::string& ownCall) override;
  // Collects the QSO lines of the whole log afresh, so each results call writes every QSO once.
  std::string ExportLog(const std::vector<CInfo>& log, int claimedScore) override;

  const CCabrilloData& Data() const { return data_; }

 private:
  CabrilloServices services_;
  std::string workDir_;
  CCabrilloData data_;
};

}  // namespace korvane

#endif  // KORVANE_CABRILLO_CABRILLO_EXPORTER_H
