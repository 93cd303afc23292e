#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../support/files.h"
#include "platform/posix/posix_platform.h"
#include "platform/text_file.h"

namespace korvane::testing {
namespace {

using Names = std::vector<std::string>;

class FileSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"Telk2.ini", "b.ini", "A.INI", "notes.txt", "x.ini.bak", "Telk2.ini.txt"}) {
      WriteBytes(dir.Slash() + name, "");
    }
  }
  TempDir dir;
  DirectoryFileSearch search;
};

TEST_F(FileSearchTest, MatchesTheMaskInAStableOrder) {
  EXPECT_EQ(search.Find(dir.Slash() + "*.ini"), (Names{"A.INI", "Telk2.ini", "b.ini"}));
  EXPECT_EQ(search.Find(dir.Slash() + "Telk2*"), (Names{"Telk2.ini", "Telk2.ini.txt"}));
}

TEST_F(FileSearchTest, MissingFolderFindsNothing) {
  EXPECT_TRUE(search.Find(dir.Slash() + "missing/*.ini").empty());
}

TEST_F(FileSearchTest, MaskWithoutFolderSearchesCurrentDirectory) {
  const auto before = std::filesystem::current_path();
  ASSERT_EQ(chdir(dir.Path().c_str()), 0);
  const Names found = search.Find("*.ini");
  std::filesystem::current_path(before);
  EXPECT_EQ(found, (Names{"A.INI", "Telk2.ini", "b.ini"}));
}

TEST_F(FileSearchTest, BackslashSeparatesFolders) {
  EXPECT_EQ(search.Find(dir.Path() + "\\*.txt"), (Names{"Telk2.ini.txt", "notes.txt"}));
}

struct LinesCase {
  const char* name;
  const char* bytes;
  Names lines;
};
void PrintTo(const LinesCase& row, std::ostream* os) { *os << row.name; }

class ReadLinesTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(ReadLinesTest, SplitsAtLineEnds) {
  TempDir dir;
  WriteBytes(dir.Slash() + "f", GetParam().bytes);
  Names lines = {"stale"};
  ASSERT_TRUE(ReadTextLines(dir.Slash() + "f", &lines));
  EXPECT_EQ(lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadLinesTest,
    ::testing::Values(LinesCase{"Empty", "", {}},
                      LinesCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                      LinesCase{"LineFeeds", "a\nb\n", {"a", "b"}},
                      LinesCase{"LastLineWithoutEnd", "a\r\nb", {"a", "b"}},
                      LinesCase{"EmptyLines", "\r\n\r\nx\r\n", {"", "", "x"}},
                      LinesCase{"HighBytes", "\xC4\xFF\r\n", {"\xC4\xFF"}}),
    CaseName<LinesCase>);

TEST(TextFileTest, MissingFileDoesNotOpen) {
  TempDir dir;
  Names lines = {"stale"};
  EXPECT_FALSE(ReadTextLines(dir.Slash() + "missing", &lines));
  EXPECT_TRUE(lines.empty());
}

TEST(TextFileTest, SafeReplaceLeavesOnlyTheNewFile) {
  TempDir dir;
  const std::string path = dir.Slash() + "journal.txt";
  WriteBytes(path, "old\r\n");
  EXPECT_TRUE(ReplaceFileSafely(path, "new\r\n"));
  EXPECT_EQ(ReadBytes(path), "new\r\n");
  EXPECT_EQ(FolderEntries(dir.Path()), Names{"journal.txt"});
  EXPECT_FALSE(ReplaceFileSafely(dir.Slash() + "missing/journal.txt", "x"));
  EXPECT_EQ(FolderEntries(dir.Path()), Names{"journal.txt"});
}

TEST(MessageDialogTest, WritesCaptionAndTextToStandardError) {
  StderrMessageDialog dialog;
  ::testing::internal::CaptureStderr();
  dialog.Show("Output", "Cabrillo file written", MessageIcon::kInformation);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "[Output] Cabrillo file written\n");
}

}  // namespace
}  // namespace korvane::testing
