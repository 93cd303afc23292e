#include "platform/text_file.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace korvane {
namespace {

bool WriteBytes(const std::string& path, const std::string& bytes, const char* mode) {
  std::FILE* file = std::fopen(path.c_str(), mode);
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = std::fclose(file) == 0;
  return written && closed;
}

}  // namespace

bool ReadTextLines(const std::string& path, std::vector<std::string>* lines) {
  lines->clear();
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  std::string content;
  char buffer[8192];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, n);
  std::fclose(file);
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    const bool lastLine = end == std::string::npos;
    if (lastLine) end = content.size();
    std::size_t stop = end;
    if (!lastLine && stop > start && content[stop - 1] == '\r') --stop;
    lines->emplace_back(content, start, stop - start);
    start = end + 1;
  }
  return true;
}

bool AppendToFile(const std::string& path, const std::string& bytes) {
  return WriteBytes(path, bytes, "ab");
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  return WriteBytes(path, bytes, "wb");
}

bool ReplaceFileSafely(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".new";
  if (!WriteWholeFile(temporary, bytes)) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  return true;
}

}  // namespace korvane
