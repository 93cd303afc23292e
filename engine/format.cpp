#include "engine/format.h"

#include <cstdarg>
#include <cstdio>

namespace korvane {
namespace {

void AppendV(std::string& out, const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  const int needed = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (needed <= 0) return;
  const std::size_t old = out.size();
  out.resize(old + static_cast<std::size_t>(needed) + 1);
  std::vsnprintf(&out[old], static_cast<std::size_t>(needed) + 1, format, args);
  out.resize(old + static_cast<std::size_t>(needed));
}

}  // namespace

std::string Format(const char* format, ...) {
  std::string out;
  va_list args;
  va_start(args, format);
  AppendV(out, format, args);
  va_end(args);
  return out;
}

void AppendFormat(std::string& out, const char* format, ...) {
  va_list args;
  va_start(args, format);
  AppendV(out, format, args);
  va_end(args);
}

}  // namespace korvane
