#ifndef KORVANE_ENGINE_FORMAT_H
#define KORVANE_ENGINE_FORMAT_H

#include <string>

namespace korvane {

// printf into a string of whatever length the values need.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Appends the formatted text to `out`.
void AppendFormat(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace korvane

#endif  // KORVANE_ENGINE_FORMAT_H
