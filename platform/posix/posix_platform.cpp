#include "platform/posix/posix_platform.h"

#include <fnmatch.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/ini_file.h"
#include "platform/text_file.h"

namespace korvane {
namespace {

constexpr std::size_t kValueBuffer = 100;

bool ReadWhole(const std::string& path, std::string* text) {
  std::vector<std::string> lines;
  if (!ReadTextLines(path, &lines)) return false;
  text->clear();
  for (const std::string& line : lines) *text += line + "\r\n";
  return true;
}

}  // namespace

IniFileSettings::IniFileSettings(std::string folder, std::string section)
    : path_(std::move(folder) + "Plugins/KORVANE.ini"), section_(std::move(section)) {}

std::string IniFileSettings::Read(const std::string& key, const std::string& fallback) {
  std::string text;
  std::string value = ReadWhole(path_, &text) ? IniLookup(text, section_, key, fallback) : fallback;
  if (value.size() > kValueBuffer - 1) value.resize(kValueBuffer - 1);
  return value;
}

void IniFileSettings::Write(const std::string& key, const std::string& value) {
  std::string text;
  if (!ReadWhole(path_, &text)) text.clear();
  ReplaceFileSafely(path_, IniAssign(text, section_, key, value));
}

std::vector<std::string> DirectoryFileSearch::Find(const std::string& mask) {
  std::vector<std::string> names;
  const std::size_t slash = mask.find_last_of("/\\");
  // A host folder written the Windows way ("Telk\") names the same folder here.
  std::string folder = slash == std::string::npos ? "." : mask.substr(0, slash + 1);
  std::replace(folder.begin(), folder.end(), '\\', '/');
  const std::string pattern = slash == std::string::npos ? mask : mask.substr(slash + 1);
  std::error_code error;
  std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error);
  if (error) return names;
  for (const auto& entry : it) {
    const std::string name = entry.path().filename().string();
    if (fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD | FNM_PERIOD) == 0) {
      names.push_back(name);
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

void StderrMessageDialog::Show(const std::string& caption, const std::string& text,
                               MessageIcon /*icon*/) {
  std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
}

}  // namespace korvane
