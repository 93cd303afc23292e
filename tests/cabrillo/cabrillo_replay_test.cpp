// Whole export sessions replayed by korvane-replay, which loads libStats.so as the host would.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

#include "fakes.h"

namespace korvane {
namespace {

const std::string kData = KORVANE_SOURCE_DIR "/tests/cabrillo/data/";

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

struct Session {
  const char* name;
  const char* session;
  const char* expectedLog;  // null: no Cabrillo file is written
  int messages;             // "Output" boxes shown
};
void PrintTo(const Session& row, std::ostream* os) { *os << row.name; }

class CabrilloReplayTest : public ::testing::TestWithParam<Session> {};

TEST_P(CabrilloReplayTest, WritesTheExpectedFile) {
  const Session& row = GetParam();
  testing::TempDir dir;
  ASSERT_FALSE(dir.path().empty());
  // The host's program file, found beside the plug-in's files for CREATED-BY (version 2.20.1.3).
  std::filesystem::copy_file(KORVANE_SOURCE_DIR "/tests/platform/data/telk_version.exe",
                             dir.path() + "Telk2.exe");
  const std::string command = std::string("'") + KORVANE_BINARY_DIR "/bin/korvane-replay' --out '" +
                              dir.path() + "' '" + kData + row.session + "' >'" + dir.path() +
                              "stdout.txt' 2>'" + dir.path() + "stderr.txt'";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;

  const std::string errors = Slurp(dir.path() + "stderr.txt");
  EXPECT_NE(errors.find(" 0 skipped"), std::string::npos) << errors;
  const std::string log = dir.path() + "DL1AAA_P.log";
  if (row.expectedLog == nullptr) {
    EXPECT_FALSE(std::filesystem::exists(log));
  } else {
    EXPECT_EQ(Slurp(log), Slurp(kData + row.expectedLog));
  }
  EXPECT_EQ(Count(errors, "[Output] File produced: DL1AAA_P.log\n"),
            static_cast<std::size_t>(row.messages))
      << errors;
}

INSTANTIATE_TEST_SUITE_P(
    Replay, CabrilloReplayTest,
    ::testing::Values(Session{"TwoResultsCalls", "export-session.txt", "export-expected.log", 2},
                      Session{"FormCancelled", "cancel-session.txt", nullptr, 0}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace korvane
