#include "tools/replay/host_library.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

namespace korvane::replay {
namespace {

template <typename Fn>
bool Find(void* handle, const char* name, Fn* out, std::string* error) {
  *out = reinterpret_cast<Fn>(dlsym(handle, name));
  if (*out == nullptr) *error = std::string("entry point not found: ") + name;
  return *out != nullptr;
}

}  // namespace

KorvaneDate ToHostDate(const OleDate& date) {
  KorvaneDate out{};
  out.dt = date.value;
  out.status = static_cast<int32_t>(date.status);
  return out;
}

std::string ProgramFolder() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return "./";
  std::string exe(path, static_cast<std::size_t>(n));
  return exe.substr(0, exe.find_last_of('/') + 1);
}

HostLibrary::~HostLibrary() {
  if (handle_ != nullptr) dlclose(handle_);
}

bool HostLibrary::Load(const std::string& path, std::string* error) {
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    const char* why = dlerror();
    *error = "cannot load " + path + ": " + (why != nullptr ? why : "unknown error");
    return false;
  }
  return Find(handle_, "setVersion", &setVersion_, error) &&
         Find(handle_, "GetNumberOfSets", &getNumberOfSets_, error) &&
         Find(handle_, "GetSetName", &getSetName_, error) &&
         Find(handle_, "SetupSet0", &setupSet_, error) &&
         Find(handle_, "GetExchgCount0", &getExchgCount_, error) &&
         Find(handle_, "IsValidExchg0", &isValidExchg_, error) &&
         Find(handle_, "CheckCall0", &checkCall_, error) &&
         Find(handle_, "AddData0", &addData_, error) &&
         Find(handle_, "RemoveData0", &removeData_, error) &&
         Find(handle_, "ResetStats0", &resetStats_, error) &&
         Find(handle_, "GetResult0", &getResult_, error);
}

void* HostLibrary::Symbol(const char* name) const {
  return handle_ != nullptr ? dlsym(handle_, name) : nullptr;
}

int HostLibrary::IsValidExchg(const char* exchange) const {
  return isValidExchg_(exchange, "", "", "", 0, 0, 0);
}

int HostLibrary::CheckCall(const HostCheck& c) const {
  // The positions the plug-in does not read get what a host would have there.
  char out27[64] = {};
  char out28[64] = {};
  return checkCall_(c.call, 0, 0, c.mode, "", "", "", "", "", "", "", "", c.area, c.prefix, 0, 0,
                    0, 0.0, 0.0, "", c.continent, "", "", "", c.band, c.band2, out27, out28);
}

int HostLibrary::CallQso(KorvaneQsoFn fn, const HostQso& q) const {
  KorvaneDate time = ToHostDate(q.time);
  KorvaneDate unused{};
  return fn(q.ownCall, q.call, &time, &unused, &unused, &unused, 0, q.freqHz, q.mode, q.rstSent,
            q.rstRcvd, q.nrSent, q.nrRcvd, "", "", "", "", "", "", "", "", q.area, q.prefix, 0, 0,
            0, 0.0, 0.0, "", q.continent, "", q.band, "");
}

int HostLibrary::AddData(const HostQso& qso) const { return CallQso(addData_, qso); }

int HostLibrary::RemoveData(const HostQso& qso) const { return CallQso(removeData_, qso); }

int HostLibrary::ResetStats(const HostReset& r) const {
  KorvaneDate start = ToHostDate(r.start);
  KorvaneDate end = ToHostDate(r.end);
  return resetStats_(r.hostFolder, r.cabrillo, r.ownCall, &start, &end, "", "", "", "", "", "",
                     "", "", "", r.ownPrefix, 0, 0, 0, 0.0, 0.0, "", r.ownContinent, "");
}

}  // namespace korvane::replay
