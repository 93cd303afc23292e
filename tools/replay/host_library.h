#ifndef KORVANE_TOOLS_REPLAY_HOST_LIBRARY_H
#define KORVANE_TOOLS_REPLAY_HOST_LIBRARY_H

// libStats.so loaded with dlopen and called as the host calls it.

#include <string>

#include "engine/ole_date.h"
#include "plugin/korvane_stats.h"

namespace korvane::replay {

struct HostQso {
  const char* ownCall = nullptr;
  const char* call = nullptr;
  OleDate time;
  unsigned freqHz = 0;
  const char* mode = nullptr;
  const char* rstSent = nullptr;
  const char* rstRcvd = nullptr;
  const char* nrSent = nullptr;
  const char* nrRcvd = nullptr;
  const char* area = nullptr;
  const char* prefix = nullptr;
  const char* continent = nullptr;
  const char* band = nullptr;
};

struct HostCheck {
  const char* call = nullptr;
  const char* mode = nullptr;
  const char* area = nullptr;
  const char* prefix = nullptr;
  const char* continent = nullptr;
  const char* band = nullptr;
  const char* band2 = nullptr;
};

struct HostReset {
  const char* hostFolder = nullptr;
  int cabrillo = 0;
  const char* ownCall = nullptr;
  OleDate start;
  OleDate end;
  const char* ownPrefix = nullptr;
  const char* ownContinent = nullptr;
};

class HostLibrary {
 public:
  HostLibrary() = default;
  ~HostLibrary();
  HostLibrary(const HostLibrary&) = delete;
  HostLibrary& operator=(const HostLibrary&) = delete;

  // Loads the library and looks up every entry point under its plain name; false with `error`.
  bool Load(const std::string& path, std::string* error);
  // The address exported under `name`, or null.
  void* Symbol(const char* name) const;

  unsigned long SetVersion(const char* version) const { return setVersion_(version); }
  int GetNumberOfSets() const { return getNumberOfSets_(); }
  const char* GetSetName(int set) const { return getSetName_(set); }
  void SetupSet() const { setupSet_(); }
  int GetExchgCount() const { return getExchgCount_(nullptr, nullptr, nullptr); }
  int IsValidExchg(const char* exchange) const;
  int CheckCall(const HostCheck& check) const;
  int AddData(const HostQso& qso) const;
  int RemoveData(const HostQso& qso) const;
  int ResetStats(const HostReset& reset) const;
  const char* GetResult(int* flag) const { return getResult_(flag); }

 private:
  int CallQso(KorvaneQsoFn fn, const HostQso& qso) const;

  void* handle_ = nullptr;
  KorvaneSetVersionFn setVersion_ = nullptr;
  KorvaneGetNumberOfSetsFn getNumberOfSets_ = nullptr;
  KorvaneGetSetNameFn getSetName_ = nullptr;
  KorvaneSetupSetFn setupSet_ = nullptr;
  KorvaneGetExchgCountFn getExchgCount_ = nullptr;
  KorvaneIsValidExchgFn isValidExchg_ = nullptr;
  KorvaneCheckCallFn checkCall_ = nullptr;
  KorvaneQsoFn addData_ = nullptr;
  KorvaneQsoFn removeData_ = nullptr;
  KorvaneResetStatsFn resetStats_ = nullptr;
  KorvaneGetResultFn getResult_ = nullptr;
};

KorvaneDate ToHostDate(const OleDate& date);

// The folder of the running program, ending in "/".
std::string ProgramFolder();

}  // namespace korvane::replay

#endif  // KORVANE_TOOLS_REPLAY_HOST_LIBRARY_H
