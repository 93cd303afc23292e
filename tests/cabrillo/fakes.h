#ifndef KORVANE_TESTS_CABRILLO_FAKES_H
#define KORVANE_TESTS_CABRILLO_FAKES_H

#include <stdlib.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "../support/platform_fakes.h"
#include "cabrillo/cabrillo_form.h"
#include "platform/platform.h"

namespace korvane::testing {

// Shows what it was given and confirms with `typed` applied, or cancels.
class FakeForm : public CabrilloForm {
 public:
  std::optional<CabrilloFormFields> Run(const CabrilloFormFields& fields) override {
    shown.push_back(fields);
    if (cancel) return std::nullopt;
    CabrilloFormFields out = fields;
    for (const auto& [field, text] : typed) out.*field = text;
    return out;
  }
  bool cancel = false;
  std::vector<std::pair<std::string CabrilloFormFields::*, std::string>> typed;
  std::vector<CabrilloFormFields> shown;
};

class FakeProgramVersion : public ProgramVersion {
 public:
  std::optional<FileVersion> Read(const std::string& path) override {
    paths.push_back(path);
    const auto it = versions.find(path);
    if (it == versions.end()) return std::nullopt;
    return it->second;
  }
  std::map<std::string, FileVersion> versions;
  std::vector<std::string> paths;
};

// A fresh folder, removed with everything in it; its path ends in a separator.
class TempDir {
 public:
  TempDir() {
    char pattern[] = "/tmp/korvane-cabrillo-XXXXXX";
    if (mkdtemp(pattern) != nullptr) path_ = std::string(pattern) + "/";
  }
  ~TempDir() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace korvane::testing

#endif  // KORVANE_TESTS_CABRILLO_FAKES_H
