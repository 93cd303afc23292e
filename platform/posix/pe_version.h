#ifndef KORVANE_PLATFORM_POSIX_PE_VERSION_H
#define KORVANE_PLATFORM_POSIX_PE_VERSION_H

// The fixed file version of a Windows program file, read straight from its version resource.

#include <optional>
#include <string>

#include "platform/platform.h"

namespace korvane {

// The VS_FIXEDFILEINFO of the first version resource of a PE image held in `image`; nothing when
// the bytes are no PE image, have no version resource, or any offset leads outside them.
std::optional<FileVersion> ReadPeFileVersion(const std::string& image);

class PeProgramVersion : public ProgramVersion {
 public:
  std::optional<FileVersion> Read(const std::string& path) override;
};

}  // namespace korvane

#endif  // KORVANE_PLATFORM_POSIX_PE_VERSION_H
