// The replay tool drives libStats.so from a session file; its transcript, the journal and the
// INI file it leaves are compared with files kept beside this test.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "../support/files.h"

namespace korvane::testing {
namespace {

constexpr char kReplay[] = KORVANE_BINARY_DIR "/bin/korvane-replay";
constexpr char kData[] = KORVANE_SOURCE_DIR "/tests/plugin/data/";

// Runs a command and returns its standard output and exit status.
std::string RunCommand(const std::string& command, int* status) {
  std::string out;
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  *status = pclose(pipe);
  return out;
}

TEST(ReplayTest, ContestHourTranscriptJournalAndSettings) {
  TempDir out;
  int status = -1;
  const std::string transcript =
      RunCommand(std::string(kReplay) + " --out '" + out.Path() + "' '" + kData + "contest-hour.txt' 2>/dev/null", &status);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(transcript, ReadBytes(std::string(kData) + "contest-hour.expected").value_or("<missing>"));
  EXPECT_EQ(ReadBytes(out.Slash() + "BadQSO_StatsKRVN_15_03_2020.txt"),
            ReadBytes(std::string(kData) + "contest-hour.journal").value_or("<missing>"));
  EXPECT_EQ(ReadBytes(out.Slash() + "Plugins/KORVANE.ini"), "[Settings]\r\nStart=1\r\nClaimed=3420\r\n");
}

TEST(ReplayTest, ReportOnlyPrintsTheReports) {
  TempDir out;
  const std::string session = out.Slash() + "session.txt";
  WriteBytes(session,
             "reset call=DL1AAA prefix=DL cont=EU start=2020-03-14 end=2020-03-15\n"
             "add call=K1ABC time=2020-03-14T14:12 freq=14085000 band=20m nrs=1 nrr=2 prefix=K cont=NA\n"
             "results\n");
  int status = -1;
  const std::string transcript = RunCommand(std::string(kReplay) + " --report-only --out '" + out.Path() +
                                         "' '" + session + "' 2>/dev/null",
                                     &status);
  EXPECT_EQ(transcript,
            "\t   KORVANE Contest 14.03-15.03.2020 \r\n\t       Contestant: DL1AAA\r\n"
            "Band\tQSOs\tPoints\tDXCC\t K \tJA\tVE\tVK\r\n"
            "20m\t 1\t 15\t 1\t 1\t 0\t 0\t 0\r\n"
            "Total\t 1\t 15\t 1\t 1\t 0\t 0\t 0\r\nDupe\t 0\r\nBad QSO\t 0\r\n\r\n"
            "Score: 15*(1+1+0+0+0) = 30\r\n\r\n"
            "Hourly (10min) QSO rate:     1 (6) QSOs/hour\r\n"
            "Hourly (10min) pts rate:    15 (90) points/hour\r\n\r\n"
            "Last QSO: 15 points\r\n\r\n"
            "KORVANE statistics plug-in\n");
}

}  // namespace
}  // namespace korvane::testing
