#ifndef KORVANE_PLATFORM_PLATFORM_H
#define KORVANE_PLATFORM_PLATFORM_H

// What the portable core asks of the operating system. Each service has a POSIX and a Win32
// implementation; tests hand in small fakes that record what was asked.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

// One section of the plug-in's INI file ("Settings" of Plugins\KORVANE.ini), with the semantics
// of the Windows private-profile functions.
class Settings {
 public:
  virtual ~Settings() = default;
  // A missing file or key gives `fallback`; a value is cut to 99 bytes (the 100-byte buffer).
  virtual std::string Read(const std::string& key, const std::string& fallback) = 0;
  // Replaces the key's line or adds it; a failure is ignored.
  virtual void Write(const std::string& key, const std::string& value) = 0;
};

// File names (without folder) matching a mask such as "C:\Telk\*.ini", in a stable order.
class FileSearch {
 public:
  virtual ~FileSearch() = default;
  virtual std::vector<std::string> Find(const std::string& mask) = 0;
};

enum class MessageIcon { kNone, kInformation };

// A modal message box with an OK button; returns when the user has closed it.
class MessageDialog {
 public:
  virtual ~MessageDialog() = default;
  // An empty caption means the system's default caption.
  virtual void Show(const std::string& caption, const std::string& text, MessageIcon icon) = 0;
};

// The fixed file version of a program file's version resource: the most and least significant
// 32 bits (major.minor and third.fourth).
struct FileVersion {
  std::uint32_t ms = 0;
  std::uint32_t ls = 0;
};

class ProgramVersion {
 public:
  virtual ~ProgramVersion() = default;
  // Nothing when the file is missing or has no readable version resource.
  virtual std::optional<FileVersion> Read(const std::string& path) = 0;
};

}  // namespace korvane

#endif  // KORVANE_PLATFORM_PLATFORM_H
