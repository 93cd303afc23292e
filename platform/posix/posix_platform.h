#ifndef KORVANE_PLATFORM_POSIX_POSIX_PLATFORM_H
#define KORVANE_PLATFORM_POSIX_POSIX_PLATFORM_H

#include <string>
#include <vector>

#include "platform/platform.h"

namespace korvane {

// "Plugins\KORVANE.ini" below a folder; on POSIX the backslash is a folder separator.
class IniFileSettings : public Settings {
 public:
  // `folder` is empty (the current directory) or ends in a separator.
  explicit IniFileSettings(std::string folder, std::string section = "Settings");
  std::string Read(const std::string& key, const std::string& fallback) override;
  void Write(const std::string& key, const std::string& value) override;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  std::string section_;
};

// Names in the mask's folder matching its last part, ignoring letter case as Windows does,
// sorted by name.
class DirectoryFileSearch : public FileSearch {
 public:
  std::vector<std::string> Find(const std::string& mask) override;
};

// Writes the caption and text to standard error and returns at once.
class StderrMessageDialog : public MessageDialog {
 public:
  void Show(const std::string& caption, const std::string& text, MessageIcon icon) override;
};

}  // namespace korvane

#endif  // KORVANE_PLATFORM_POSIX_POSIX_PLATFORM_H
