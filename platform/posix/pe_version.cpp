#include "platform/posix/pe_version.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace korvane {
namespace {

constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr std::uint32_t kVersionResourceType = 16;
constexpr std::size_t kFixedInfoSize = 52;
constexpr std::uint32_t kSubdirectory = 0x80000000u;
// A program file larger than this is not read at all.
constexpr long kLargestImage = 256L * 1024 * 1024;

// Little-endian reads that refuse to leave the image.
class Image {
 public:
  explicit Image(const std::string& bytes) : bytes_(bytes) {}

  bool Fits(std::uint64_t offset, std::uint64_t length) const {
    return offset <= bytes_.size() && length <= bytes_.size() - offset;
  }
  bool U16(std::uint64_t offset, std::uint32_t* out) const {
    if (!Fits(offset, 2)) return false;
    *out = Byte(offset) | Byte(offset + 1) << 8;
    return true;
  }
  bool U32(std::uint64_t offset, std::uint32_t* out) const {
    if (!Fits(offset, 4)) return false;
    *out = Byte(offset) | Byte(offset + 1) << 8 | Byte(offset + 2) << 16 |
           static_cast<std::uint32_t>(Byte(offset + 3)) << 24;
    return true;
  }

 private:
  std::uint32_t Byte(std::uint64_t offset) const {
    return static_cast<unsigned char>(bytes_[static_cast<std::size_t>(offset)]);
  }
  const std::string& bytes_;
};

struct Section {
  std::uint32_t virtualAddress = 0;
  std::uint32_t rawSize = 0;
  std::uint32_t rawOffset = 0;
};

class PeFile {
 public:
  explicit PeFile(const std::string& bytes) : image_(bytes) {}

  bool ParseHeaders() {
    std::uint32_t magic = 0;
    std::uint32_t peOffset = 0;
    if (!image_.U16(0, &magic) || magic != 0x5A4D || !image_.U32(0x3C, &peOffset)) return false;
    std::uint32_t signature = 0;
    if (!image_.U32(peOffset, &signature) || signature != 0x00004550) return false;
    const std::uint64_t coff = static_cast<std::uint64_t>(peOffset) + 4;
    std::uint32_t sectionCount = 0;
    std::uint32_t optionalSize = 0;
    if (!image_.U16(coff + 2, &sectionCount) || !image_.U16(coff + 16, &optionalSize)) return false;
    const std::uint64_t optional = coff + 20;
    std::uint32_t optionalMagic = 0;
    if (!image_.U16(optional, &optionalMagic)) return false;
    std::uint64_t directoryCountAt = 0;
    if (optionalMagic == 0x10B) {
      directoryCountAt = 92;
    } else if (optionalMagic == 0x20B) {
      directoryCountAt = 108;
    } else {
      return false;
    }
    std::uint32_t directoryCount = 0;
    if (!image_.U32(optional + directoryCountAt, &directoryCount) || directoryCount < 3) {
      return false;
    }
    const std::uint64_t resourceEntry = directoryCountAt + 4 + 2 * 8;
    if (resourceEntry + 8 > optionalSize) return false;
    if (!image_.U32(optional + resourceEntry, &resourceRva_) ||
        !image_.U32(optional + resourceEntry + 4, &resourceSize_) || resourceRva_ == 0) {
      return false;
    }
    const std::uint64_t table = optional + optionalSize;
    for (std::uint32_t i = 0; i < sectionCount; ++i) {
      const std::uint64_t at = table + 40ull * i;
      Section section;
      if (!image_.U32(at + 12, &section.virtualAddress) || !image_.U32(at + 16, &section.rawSize) ||
          !image_.U32(at + 20, &section.rawOffset)) {
        return false;
      }
      sections_.push_back(section);
    }
    return true;
  }

  // The file offset of `length` bytes at `rva`, when they lie in one section's data in the file.
  bool Offset(std::uint64_t rva, std::uint64_t length, std::uint64_t* out) const {
    for (const Section& s : sections_) {
      if (rva < s.virtualAddress) continue;
      const std::uint64_t into = rva - s.virtualAddress;
      if (into > s.rawSize || length > s.rawSize - into) continue;
      const std::uint64_t offset = s.rawOffset + into;
      if (!image_.Fits(offset, length)) return false;
      *out = offset;
      return true;
    }
    return false;
  }

  bool ResourceU32(std::uint64_t offsetInResources, std::uint32_t* out) const {
    if (offsetInResources + 4 > resourceSize_) return false;
    std::uint64_t at = 0;
    return Offset(resourceRva_ + offsetInResources, 4, &at) && image_.U32(at, out);
  }

  // The entry of a resource directory with `id`, or its first entry when `id` is negative.
  bool DirectoryEntry(std::uint32_t directory, long id, std::uint32_t* target) const {
    std::uint32_t counts = 0;
    if (!ResourceU32(directory + 12, &counts)) return false;
    const std::uint32_t entries = (counts & 0xFFFF) + (counts >> 16);
    for (std::uint32_t i = 0; i < entries; ++i) {
      const std::uint64_t entry = directory + 16 + 8ull * i;
      std::uint32_t name = 0;
      if (!ResourceU32(entry, &name) || !ResourceU32(entry + 4, target)) return false;
      if (id < 0 || ((name & kSubdirectory) == 0 && name == static_cast<std::uint32_t>(id))) {
        return true;
      }
    }
    return false;
  }

  std::optional<FileVersion> VersionResource() const {
    // Type, then name, then language: the first of each below the version type.
    std::uint32_t names = 0;
    std::uint32_t languages = 0;
    std::uint32_t leaf = 0;
    if (!DirectoryEntry(0, kVersionResourceType, &names) || (names & kSubdirectory) == 0 ||
        !DirectoryEntry(names & ~kSubdirectory, -1, &languages) ||
        (languages & kSubdirectory) == 0 ||
        !DirectoryEntry(languages & ~kSubdirectory, -1, &leaf) || (leaf & kSubdirectory) != 0) {
      return std::nullopt;
    }
    std::uint32_t dataRva = 0;
    std::uint32_t dataSize = 0;
    std::uint64_t data = 0;
    if (!ResourceU32(leaf, &dataRva) || !ResourceU32(leaf + 4, &dataSize) ||
        !Offset(dataRva, dataSize, &data)) {
      return std::nullopt;
    }
    // VS_VERSIONINFO puts its fixed part after a header and a UTF-16 key, on a 4-byte boundary.
    for (std::uint64_t i = 0; i + kFixedInfoSize <= dataSize; i += 4) {
      std::uint32_t signature = 0;
      if (!image_.U32(data + i, &signature) || signature != kFixedInfoSignature) continue;
      FileVersion version;
      if (!image_.U32(data + i + 8, &version.ms) || !image_.U32(data + i + 12, &version.ls)) {
        return std::nullopt;
      }
      return version;
    }
    return std::nullopt;
  }

 private:
  Image image_;
  std::uint32_t resourceRva_ = 0;
  std::uint32_t resourceSize_ = 0;
  std::vector<Section> sections_;
};

}  // namespace

std::optional<FileVersion> ReadPeFileVersion(const std::string& image) {
  PeFile file(image);
  if (!file.ParseHeaders()) return std::nullopt;
  return file.VersionResource();
}

std::optional<FileVersion> PeProgramVersion::Read(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  std::size_t n = 0;
  bool tooLarge = false;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    bytes.append(buffer, n);
    if (bytes.size() > static_cast<std::size_t>(kLargestImage)) {
      tooLarge = true;
      break;
    }
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed || tooLarge) return std::nullopt;
  return ReadPeFileVersion(bytes);
}

}  // namespace korvane
