#ifndef KORVANE_PLATFORM_TEXT_FILE_H
#define KORVANE_PLATFORM_TEXT_FILE_H

// The plug-in's files are 8-bit text with CR LF line ends, written byte for byte.

#include <string>
#include <vector>

namespace korvane {

// Reads the lines of a file, each without its line end (LF, or CR LF); false when it does not
// open.
bool ReadTextLines(const std::string& path, std::vector<std::string>* lines);
// Appends bytes, creating the file when missing; false on any failure.
bool AppendToFile(const std::string& path, const std::string& bytes);
// Replaces the file's contents with `bytes`, truncating it; false on any failure.
bool WriteWholeFile(const std::string& path, const std::string& bytes);
// Writes `bytes` to a new file beside `path` that then takes its place, so a failure part-way
// leaves the old file whole.
bool ReplaceFileSafely(const std::string& path, const std::string& bytes);

}  // namespace korvane

#endif  // KORVANE_PLATFORM_TEXT_FILE_H
