#include "cabrillo/cabrillo_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

#include "cabrillo/cabrillo_exporter.h"
#include "engine/info.h"
#include "fakes.h"

namespace korvane {
namespace {

using testing::FakeFileSearch;
using testing::FakeProgramVersion;
using testing::TempDir;

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const OleDate kMarch14At1205{MakeOleDate(2020, 3, 14, 12, 5), DateStatus::kValid};

struct QsoLineCase {
  const char* name;
  int freqKHz;
  std::string mode, own, nrSent, call, nrRcvd;
  OleDate time;
  std::string want;
};
void PrintTo(const QsoLineCase& row, std::ostream* os) { *os << row.name; }

class QsoLineTest : public ::testing::TestWithParam<QsoLineCase> {};

TEST_P(QsoLineTest, Formats) {
  const QsoLineCase& row = GetParam();
  EXPECT_EQ(CabrilloQsoLine(row.own, row.freqKHz, row.mode, row.time, row.nrSent, row.call,
                            row.nrRcvd),
            row.want);
}

INSTANTIATE_TEST_SUITE_P(
    Cabrillo, QsoLineTest,
    ::testing::Values(
        QsoLineCase{"Rtty20m", 14085, "RY", "DL1AAA", "001", "K1ABC", "012", kMarch14At1205,
                    "QSO: 14085 RY 2020-03-14 1205 DL1AAA        599 001    K1ABC         599 012\r\n"},
        QsoLineCase{"BelowTenMegahertzPadded", 3585, "RY", "DL1AAA", "1", "JA1XYZ", "7",
                    kMarch14At1205,
                    "QSO:  3585 RY 2020-03-14 1205 DL1AAA        599 1      JA1XYZ        599 7\r\n"},
        QsoLineCase{"WiderValuesNotCut", 123456, "??", "OH/DL1AAA/QRP", "123456",
                    "VP2E/W1ABCDEFG", "99999", kMarch14At1205,
                    "QSO: 123456 ?? 2020-03-14 1205 OH/DL1AAA/QRP 599 123456  VP2E/W1ABCDEFG  599 "
                    "99999\r\n"},
        QsoLineCase{"NullTime", 7045, "RY", "DL1AAA", "", "UA9AA", "", OleDate{0, DateStatus::kNull},
                    "QSO:  7045 RY  DL1AAA        599        UA9AA         599 \r\n"}),
    [](const auto& row) { return std::string(row.param.name); });

struct VersionCase {
  const char* name;
  FileVersion version;
  std::string want;
};
void PrintTo(const VersionCase& row, std::ostream* os) { *os << row.name; }

class HostVersionTextTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(HostVersionTextTest, Shows) {
  EXPECT_EQ(HostVersionText(GetParam().version), GetParam().want);
}

INSTANTIATE_TEST_SUITE_P(
    Cabrillo, HostVersionTextTest,
    ::testing::Values(VersionCase{"MajorTwoShowsTwoParts", {0x00020012, 0x00000000}, "2.18"},
                      VersionCase{"MajorTwoDropsThirdPart", {0x00020014, 0x00050009}, "2.20"},
                      VersionCase{"OtherMajorShowsThreeParts", {0x00030001, 0x00050000}, "3.1.5"},
                      VersionCase{"FourthPartNeverShown", {0x00010000, 0x0000FFFF}, "1.0.0"},
                      VersionCase{"LargeParts", {0xFFFFFFFF, 0xFFFF0000}, "65535.65535.65535"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(FindHostVersion, FirstProgramNamedAfterTheHostDecides) {
  FakeFileSearch files;
  FakeProgramVersion versions;
  files.names = {"setup.exe", "telk.exe", "Telk2.exe", "Telk3.exe"};
  versions.versions["dir/Telk2.exe"] = {0x00020014, 0};
  versions.versions["dir/Telk3.exe"] = {0x00030000, 0};
  EXPECT_EQ(FindHostVersion("dir/", files, versions), std::optional<std::string>("2.20"));
  EXPECT_EQ(files.masks, std::vector<std::string>{"dir/*.exe"});
  EXPECT_EQ(versions.paths, std::vector<std::string>{"dir/Telk2.exe"});
}

TEST(FindHostVersion, UnreadableVersionCountsAsNotFound) {
  FakeFileSearch files;
  FakeProgramVersion versions;
  files.names = {"Telk2.exe", "Telk3.exe"};
  versions.versions["Telk3.exe"] = {0x00030000, 0};
  EXPECT_EQ(FindHostVersion("", files, versions), std::nullopt);
  files.names = {"other.exe"};
  EXPECT_EQ(FindHostVersion("", files, versions), std::nullopt);
}

class CabrilloWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data_.m_callsign = "DL1AAA/P";
    data_.m_categoryOperator = "SINGLE-OP";
    data_.m_categoryTransmitter = "ONE";
    data_.m_club = "Radio Club";
    data_.m_name = "Anna Beispiel";
    data_.m_address = "Hauptstr. 1";
    data_.m_addressCity = "Berlin";
    data_.m_addressPostalCode = "10115";
    data_.m_addressCountry = "Germany";
    data_.m_operators = "DL1AAA DL2BBB";
    data_.m_email = "anna@example.org";
    data_.m_soapbox = "line 1\r\nSOAPBOX: line 2";
    data_.m_fileBaseName = "DL1AAA_P";
    data_.m_qsoLines = {"QSO: one\r\n", "QSO: two\r\n"};
  }
  CCabrilloData data_;
};

TEST_F(CabrilloWriterTest, WritesHeaderQsoLinesAndEndMarker) {
  data_.m_categoryTime = "6-HOURS";
  data_.m_categoryOverlay = "WIRES";
  EXPECT_EQ(CabrilloLogText(data_, 1234, std::string("2.20")),
            "START-OF-LOG: 3.0\r\n"
            "CONTEST: KORVANE\r\n"
            "CALLSIGN: DL1AAA/P\r\n"
            "CATEGORY-OPERATOR: SINGLE-OP\r\n"
            "CATEGORY-TRANSMITTER: ONE\r\n"
            "CATEGORY-TIME: 6-HOURS\r\n"
            "CATEGORY-OVERLAY: WIRES\r\n"
            "CLAIMED-SCORE: 1234\r\n"
            "CLUB: Radio Club\r\n"
            "CREATED-BY: Telk 2.20\r\n"
            "NAME: Anna Beispiel\r\n"
            "ADDRESS: Hauptstr. 1\r\n"
            "ADDRESS-CITY: Berlin\r\n"
            "ADDRESS-POSTALCODE: 10115\r\n"
            "ADDRESS-COUNTRY: Germany\r\n"
            "OPERATORS: DL1AAA DL2BBB\r\n"
            "EMAIL: anna@example.org\r\n"
            "SOAPBOX: line 1\r\n"
            "SOAPBOX: line 2\r\n"
            "QSO: one\r\n"
            "QSO: two\r\n"
            "END-OF-LOG:\r\n");
}

TEST_F(CabrilloWriterTest, EmptyValuesKeepTheirLinesButTimeAndOverlayAreLeftOut) {
  data_ = CCabrilloData();
  EXPECT_EQ(CabrilloLogText(data_, -5, std::nullopt),
            "START-OF-LOG: 3.0\r\n"
            "CONTEST: KORVANE\r\n"
            "CALLSIGN: \r\n"
            "CATEGORY-OPERATOR: \r\n"
            "CATEGORY-TRANSMITTER: \r\n"
            "CLAIMED-SCORE: -5\r\n"
            "CLUB: \r\n"
            "CREATED-BY: Telk \r\n"
            "NAME: \r\n"
            "ADDRESS: \r\n"
            "ADDRESS-CITY: \r\n"
            "ADDRESS-POSTALCODE: \r\n"
            "ADDRESS-COUNTRY: \r\n"
            "OPERATORS: \r\n"
            "EMAIL: \r\n"
            "SOAPBOX: \r\n"
            "END-OF-LOG:\r\n");
}

TEST_F(CabrilloWriterTest, WritesTheFileByteForByteAndSaysSo) {
  TempDir dir;
  ASSERT_FALSE(dir.path().empty());
  FakeFileSearch files;
  FakeProgramVersion versions;
  files.names = {"Telk2.exe"};
  versions.versions[dir.path() + "Telk2.exe"] = {0x00030001, 0x00050007};
  std::ofstream(dir.path() + "DL1AAA_P.log") << "an older and much longer file that is replaced";

  EXPECT_EQ(WriteCabrilloLog(data_, 77, dir.path(), files, versions), "File produced: DL1AAA_P.log");
  EXPECT_EQ(Slurp(dir.path() + "DL1AAA_P.log"), CabrilloLogText(data_, 77, std::string("3.1.5")));
}

TEST_F(CabrilloWriterTest, FileThatCannotBeWrittenIsReportedAsNotProduced) {
  TempDir dir;
  FakeFileSearch files;
  FakeProgramVersion versions;
  EXPECT_EQ(WriteCabrilloLog(data_, 77, dir.path() + "missing-folder/", files, versions),
            "File not produced: DL1AAA_P.log");
  // A folder where the file should be: nothing can replace it.
  std::filesystem::create_directories(dir.path() + "DL1AAA_P.log/inside");
  EXPECT_EQ(WriteCabrilloLog(data_, 77, dir.path(), files, versions),
            "File not produced: DL1AAA_P.log");
}

CInfo Qso(const std::string& call, std::uint32_t kHz, const std::string& mode,
          const std::string& nrSent, const std::string& nrRcvd) {
  CInfo qso;
  qso.m_call = call;
  qso.m_freqKHz = kHz;
  qso.m_mode = mode;
  qso.m_nrSent = nrSent;
  qso.m_nrRcvd = nrRcvd;
  qso.m_rstSent = "579";  // the file always says 599
  qso.m_rstRcvd = "559";
  qso.m_time = kMarch14At1205;
  return qso;
}

// Each results call collects the lines of the whole log afresh.
TEST(CabrilloFileExporter, EveryResultsCallWritesEachQsoOnce) {
  TempDir dir;
  testing::FakeSettings settings;
  testing::FakeForm form;
  FakeFileSearch files;
  FakeProgramVersion versions;
  CabrilloFileExporter exporter({&settings, &files, &versions, &form}, dir.path());
  ASSERT_TRUE(exporter.OpenForm("DL1AAA"));

  const std::vector<CInfo> log = {Qso("K1ABC", 14085, "RTTY", "001", "012"),
                                  Qso("K1ABC", 14085, "RTTY", "002", "013"),
                                  Qso("UA9AA", 7045, "rtty", "003", "044")};
  EXPECT_EQ(exporter.ExportLog(log, 10), "File produced: DL1AAA.log");
  EXPECT_EQ(exporter.ExportLog(log, 20), "File produced: DL1AAA.log");
  const std::string file = Slurp(dir.path() + "DL1AAA.log");
  const std::string qsos =
      "QSO: 14085 RY 2020-03-14 1205 DL1AAA        599 001    K1ABC         599 012\r\n"
      "QSO: 14085 RY 2020-03-14 1205 DL1AAA        599 002    K1ABC         599 013\r\n"
      "QSO:  7045 ?? 2020-03-14 1205 DL1AAA        599 003    UA9AA         599 044\r\n"
      "END-OF-LOG:\r\n";
  ASSERT_GE(file.size(), qsos.size());
  EXPECT_EQ(file.substr(file.size() - qsos.size()), qsos);
  EXPECT_NE(file.find("CLAIMED-SCORE: 20\r\n"), std::string::npos);
  EXPECT_EQ(exporter.Data().m_qsoLines.size(), 3u);
}

TEST(CabrilloFileExporter, CancelledFormEndsTheExport) {
  testing::FakeSettings settings;
  testing::FakeForm form;
  form.cancel = true;
  FakeFileSearch files;
  FakeProgramVersion versions;
  CabrilloFileExporter exporter({&settings, &files, &versions, &form}, "");
  EXPECT_FALSE(exporter.OpenForm("DL1AAA"));
}

}  // namespace
}  // namespace korvane
