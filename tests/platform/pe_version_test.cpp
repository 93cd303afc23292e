#include "platform/posix/pe_version.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>

namespace korvane {
namespace {

const std::string kData = KORVANE_SOURCE_DIR "/tests/platform/data/";

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct ShippedProgram {
  const char* name;
  const char* file;
  std::uint32_t ms;
  std::uint32_t ls;
};
void PrintTo(const ShippedProgram& row, std::ostream* os) { *os << row.name; }

class ShippedProgramTest : public ::testing::TestWithParam<ShippedProgram> {};

// The file version, not the product version (9.8.7.6) the resource also holds.
TEST_P(ShippedProgramTest, ReadsTheFixedFileVersion) {
  const ShippedProgram& row = GetParam();
  PeProgramVersion reader;
  const std::optional<FileVersion> version = reader.Read(kData + row.file);
  ASSERT_TRUE(version.has_value());
  EXPECT_EQ(version->ms, row.ms);
  EXPECT_EQ(version->ls, row.ls);
}

INSTANTIATE_TEST_SUITE_P(
    Pe, ShippedProgramTest,
    ::testing::Values(ShippedProgram{"Pe32Plus", "telk_version.exe", 0x00020014, 0x00010003},
                      ShippedProgram{"Pe32", "telk32_version.exe", 0x00030001, 0x00050007}),
    [](const auto& row) { return std::string(row.param.name); });

struct NoVersion {
  const char* name;
  std::string bytes;
};
void PrintTo(const NoVersion& row, std::ostream* os) { *os << row.name; }

class NoVersionTest : public ::testing::TestWithParam<NoVersion> {};

TEST_P(NoVersionTest, GivesNothing) { EXPECT_FALSE(ReadPeFileVersion(GetParam().bytes)); }

std::string WithoutResourceDirectory() {
  // The resource entry of the optional header's data directories, zeroed.
  std::string image = Slurp(kData + "telk32_version.exe");
  const std::size_t pe = static_cast<unsigned char>(image[0x3C]) |
                         static_cast<unsigned char>(image[0x3D]) << 8;
  image.replace(pe + 24 + 96 + 16, 8, std::string(8, '\0'));
  return image;
}

std::string SignatureWithoutPe() {
  // The fixed-info signature in a file that is no program.
  std::string bytes(64, 'x');
  bytes += std::string("\xBD\x04\xEF\xFE", 4) + std::string(60, '\x01');
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Pe, NoVersionTest,
    ::testing::Values(NoVersion{"Empty", ""}, NoVersion{"DosStubOnly", "MZ"},
                      NoVersion{"Text", "Telk=2.20\r\n"},
                      NoVersion{"SignatureWithoutPe", SignatureWithoutPe()},
                      NoVersion{"WithoutResourceDirectory", WithoutResourceDirectory()},
                      NoVersion{"CutBeforeTheResources",
                                Slurp(kData + "telk_version.exe").substr(0, 1024)}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PeProgramVersion, MissingFileOrFolderGivesNothing) {
  PeProgramVersion reader;
  EXPECT_FALSE(reader.Read(kData + "no-such-program.exe"));
  EXPECT_FALSE(reader.Read(kData));
}

// Every cut and every single damaged byte of a real program file: the reader never leaves the
// bytes (this test runs under AddressSanitizer), and it finds either nothing or the true version
// unless the damage hits the version itself.
TEST(ReadPeFileVersion, CutOrDamagedFilesGiveNothingOrTheTrueVersion) {
  for (const char* file : {"telk_version.exe", "telk32_version.exe"}) {
    const std::string image = Slurp(kData + file);
    const std::optional<FileVersion> whole = ReadPeFileVersion(image);
    ASSERT_TRUE(whole.has_value()) << file;
    const std::size_t versionAt = image.find(std::string("\xBD\x04\xEF\xFE", 4)) + 8;
    const auto nothingOrTrue = [&whole](const std::optional<FileVersion>& found) {
      return !found || (found->ms == whole->ms && found->ls == whole->ls);
    };
    for (std::size_t size = 0; size < image.size(); ++size) {
      EXPECT_TRUE(nothingOrTrue(ReadPeFileVersion(image.substr(0, size))))
          << file << " cut to " << size;
    }
    for (std::size_t at = 0; at < image.size(); ++at) {
      if (at >= versionAt && at < versionAt + 8) continue;
      for (char damage : {'\xFF', '\x00', '\x7F'}) {
        std::string damaged = image;
        damaged[at] = damage;
        EXPECT_TRUE(nothingOrTrue(ReadPeFileVersion(damaged)))
            << file << " damaged at " << at << " with " << int(damage);
      }
    }
  }
}

}  // namespace
}  // namespace korvane
