// libStats.so as a host drives it: loaded with dlopen, called through its exported names, in a
// fresh current directory per test (the plug-in names its files relative to it).

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "../support/files.h"
#include "engine/ole_date.h"
#include "plugin/korvane_stats.h"

namespace korvane::testing {
namespace {

constexpr char kLibrary[] = KORVANE_BINARY_DIR "/bin/libStats.so";

// Positions the plug-in does not read get values it could not survive reading.
const char* const kJunk = reinterpret_cast<const char*>(std::uintptr_t{1});
KorvaneDate* const kJunkDate = reinterpret_cast<KorvaneDate*>(std::uintptr_t{1});
const double kNaN = std::nan("");

KorvaneDate HostDate(int y, int mo, int d, int h = 0, int mi = 0) {
  return KorvaneDate{MakeOleDate(y, mo, d, h, mi), KORVANE_DATE_VALID, 0};
}

class PluginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previousDir_ = std::filesystem::current_path();
    ASSERT_EQ(chdir(dir.Path().c_str()), 0);
    handle_ = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle_, nullptr) << dlerror();
    setVersion = Sym<KorvaneSetVersionFn>("setVersion");
    GetNumberOfSets = Sym<KorvaneGetNumberOfSetsFn>("GetNumberOfSets");
    GetSetName = Sym<KorvaneGetSetNameFn>("GetSetName");
    SetupSet0 = Sym<KorvaneSetupSetFn>("SetupSet0");
    GetExchgCount0 = Sym<KorvaneGetExchgCountFn>("GetExchgCount0");
    IsValidExchg0 = Sym<KorvaneIsValidExchgFn>("IsValidExchg0");
    CheckCall0 = Sym<KorvaneCheckCallFn>("CheckCall0");
    AddData0 = Sym<KorvaneQsoFn>("AddData0");
    RemoveData0 = Sym<KorvaneQsoFn>("RemoveData0");
    ResetStats0 = Sym<KorvaneResetStatsFn>("ResetStats0");
    GetResult0 = Sym<KorvaneGetResultFn>("GetResult0");
  }

  void TearDown() override {
    if (handle_ != nullptr) dlclose(handle_);
    std::filesystem::current_path(previousDir_);
  }

  template <class Fn>
  Fn Sym(const char* name) {
    void* symbol = dlsym(handle_, name);
    EXPECT_NE(symbol, nullptr) << name;
    return reinterpret_cast<Fn>(symbol);
  }

  void* Raw(const char* name) { return dlsym(handle_, name); }

  int Reset(const char* hostFolder, int cabrillo, const char* ownCall, KorvaneDate* start,
            KorvaneDate* end, const char* ownPrefix, const char* ownContinent) {
    return ResetStats0(hostFolder, cabrillo, ownCall, start, end, kJunk, kJunk, kJunk, kJunk, kJunk,
                       kJunk, kJunk, kJunk, kJunk, ownPrefix, -7, -7, -7, kNaN, kNaN, kJunk,
                       ownContinent, kJunk);
  }

  int StartSession() {
    KorvaneDate start = HostDate(2020, 3, 14, 12, 0);
    KorvaneDate end = HostDate(2020, 3, 15, 12, 0);
    return Reset("", 0, "DL1AAA", &start, &end, "DL", "EU");
  }

  struct Qso {
    const char* call;
    KorvaneDate time;
    unsigned freqHz;
    const char* band;
    const char* prefix;
    const char* continent;
    const char* mode = "RTTY";
    const char* nrSent = "001";
    const char* nrRcvd = "001";
    const char* ownCall = "DL1AAA";
    const char* area = nullptr;  // the call when null
  };

  int Send(KorvaneQsoFn fn, Qso q) {
    return fn(q.ownCall, q.call, &q.time, kJunkDate, kJunkDate, kJunkDate, 0xDEADBEEF, q.freqHz,
              q.mode, "599", "599", q.nrSent, q.nrRcvd, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk,
              kJunk, kJunk, q.area != nullptr ? q.area : q.call, q.prefix, -7, -7, -7, kNaN, kNaN,
              kJunk, q.continent, kJunk, q.band, kJunk);
  }
  int Add(const Qso& q) { return Send(AddData0, q); }
  int Remove(const Qso& q) { return Send(RemoveData0, q); }

  int Check(const char* call, const char* band, const char* prefix, const char* continent,
            const char* mode = "RTTY", const char* band2 = nullptr, char* out27 = nullptr,
            char* out28 = nullptr) {
    return CheckCall0(call, 0xDEADBEEF, 0xDEADBEEF, mode, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk,
                      kJunk, kJunk, call, prefix, -7, -7, -7, kNaN, kNaN, kJunk, continent, kJunk,
                      kJunk, kJunk, band, band2, out27, out28);
  }

  std::string Result() {
    int flag = 0;
    const char* text = GetResult0(&flag);
    EXPECT_EQ(flag, -1);
    return text != nullptr ? text : "<null>";
  }

  TempDir dir;
  KorvaneSetVersionFn setVersion = nullptr;
  KorvaneGetNumberOfSetsFn GetNumberOfSets = nullptr;
  KorvaneGetSetNameFn GetSetName = nullptr;
  KorvaneSetupSetFn SetupSet0 = nullptr;
  KorvaneGetExchgCountFn GetExchgCount0 = nullptr;
  KorvaneIsValidExchgFn IsValidExchg0 = nullptr;
  KorvaneCheckCallFn CheckCall0 = nullptr;
  KorvaneQsoFn AddData0 = nullptr;
  KorvaneQsoFn RemoveData0 = nullptr;
  KorvaneResetStatsFn ResetStats0 = nullptr;
  KorvaneGetResultFn GetResult0 = nullptr;

 private:
  std::filesystem::path previousDir_;
  void* handle_ = nullptr;
};

TEST_F(PluginTest, ExportsEveryFunctionUnderBothNames) {
  const char* const pairs[][2] = {
      {"setVersion", "setVersion"},         {"GetNumberOfSets", "GetNumberOfSets"},
      {"GetSetName", "GetSetName"},         {"SetupSet0", "SetupSet0"},
      {"GetExchgCount0", "StatsGetExchgCount0"}, {"IsValidExchg0", "StatsIsValidExchg0"},
      {"CheckCall0", "CheckCallFunc0"},     {"AddData0", "AddData0"},
      {"RemoveData0", "RemoveData0"},       {"ResetStats0", "ResetStats0"},
      {"GetResult0", "GetResult0"}};
  for (const auto& pair : pairs) {
    SCOPED_TRACE(pair[0]);
    ASSERT_NE(Raw(pair[0]), nullptr);
    EXPECT_EQ(Raw(pair[0]), Raw(pair[1]));
  }
  EXPECT_EQ(Raw("_ZN7korvane6PluginEv"), nullptr) << "only the entry points leave the library";
}

TEST_F(PluginTest, TrivialEntryPoints) {
  EXPECT_EQ(GetNumberOfSets(), 1);
  EXPECT_STREQ(GetSetName(0), "KORVANE (C)");
  EXPECT_STREQ(GetSetName(1), "");
  EXPECT_STREQ(GetSetName(-1), "");
  EXPECT_EQ(GetExchgCount0(nullptr, nullptr, nullptr), 1);
  EXPECT_EQ(GetExchgCount0(kJunk, kJunk, kJunk), 1);
  EXPECT_EQ(IsValidExchg0("0599", kJunk, kJunk, kJunk, -1, -1, -1), 1);
  EXPECT_EQ(IsValidExchg0("599", nullptr, nullptr, nullptr, 0, 0, 0), 0);
  EXPECT_EQ(IsValidExchg0(nullptr, kJunk, kJunk, kJunk, 0, 0, 0), 0);
  ::testing::internal::CaptureStderr();
  SetupSet0();
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "[] No additional setup for this plugin\n");
  EXPECT_TRUE(FolderEntries(dir.Path()).empty()) << "nothing written by these";
}

TEST_F(PluginTest, SetVersionSwitchesToHtmlForAnyText) {
  StartSession();
  EXPECT_EQ(Result().substr(0, 4), "\t   ");
  EXPECT_EQ(setVersion(nullptr), 0u);
  EXPECT_EQ(Result().substr(0, 12), "<html><head>");
  EXPECT_EQ(setVersion("2.20"), 0u);
  StartSession();
  EXPECT_EQ(Result().substr(0, 12), "<html><head>") << "a new session keeps HTML";
}

TEST_F(PluginTest, EachLoadStartsFromLoadState) {
  // The fixture loads the library afresh per test; HTML from an earlier load must not remain.
  StartSession();
  EXPECT_EQ(Result().substr(0, 4), "\t   ");
}

TEST_F(PluginTest, SessionEndToEnd) {
  std::filesystem::create_directory("Plugins");
  WriteBytes("Telk2.ini", "[Telk]\r\nTelk=2.19\r\n");
  ASSERT_EQ(StartSession(), 1);
  EXPECT_EQ(Check("K1ABC", "20m", "K", "NA"), 2);
  EXPECT_EQ(Add({"K1ABC", HostDate(2020, 3, 14, 12, 0), 14085000, "20m", "K", "NA"}), 1);
  EXPECT_EQ(Check("K1ABC", "20m", "K", "NA"), 0);
  EXPECT_EQ(Check("K2ABC", "20m", "K", "NA"), 3);
  EXPECT_EQ(Check("K2ABC", "160m", "K", "NA"), 1) << "host 2.19 gets 1 for a rule breach";
  EXPECT_EQ(Add({"JA1ZZ", HostDate(2020, 3, 14, 12, 5), 14086000, "20m", "JA", "AS"}), 1);
  EXPECT_EQ(Add({"K1ABC", HostDate(2020, 3, 14, 12, 10), 14087000, "20m", "K", "NA"}), 1);
  EXPECT_EQ(Add({"F5AAA", HostDate(2020, 3, 14, 12, 20), 1836500, "160m", "F", "EU"}), 0);
  EXPECT_EQ(Add({"VE3AA", HostDate(2020, 3, 14, 12, 30), 7040000, "40m", "VE", "NA"}), 1);
  EXPECT_EQ(Remove({"JA1ZZ", HostDate(2020, 3, 14, 12, 5), 14086000, "20m", "JA", "AS"}), 1);

  EXPECT_EQ(Result(),
            "\t   KORVANE Contest 14.03-15.03.2020 \r\n\t       Contestant: DL1AAA\r\n"
            "Band\tQSOs\tPoints\tDXCC\t K \tJA\tVE\tVK\r\n"
            "40m\t 1\t 15\t 1\t 0\t 0\t 1\t 0\r\n"
            "20m\t 1\t 15\t 1\t 1\t 0\t 0\t 0\r\n"
            "Total\t 2\t 30\t 2\t 1\t 0\t 1\t 0\r\n"
            "Dupe\t 1\r\nBad QSO\t 1\r\n\r\n"
            "Score: 30*(2+1+0+1+0) = 120\r\n\r\n"
            "Hourly (10min) QSO rate:     2 (6) QSOs/hour\r\n"
            "Hourly (10min) pts rate:    30 (90) points/hour\r\n\r\n"
            "Last QSO: 15 points\r\n\r\n"
            "KORVANE statistics plug-in");
  EXPECT_EQ(ReadBytes("BadQSO_StatsKRVN_15_03_2020.txt"),
            "KORVANE Contest UBN file\r\n"
            "QSO:  14087  RTTY  2020-03-14 1210  DL1AAA  599  001  K1ABC  599  001   DUPE !!!\r\n"
            "QSO:  1836  RTTY  2020-03-14 1220  DL1AAA  599  001  F5AAA  599  001   WRONG BAND !!!\r\n");
  EXPECT_EQ(ReadBytes("Plugins/KORVANE.ini"), "[Settings]\r\nStart=1\r\nClaimed=120\r\n");
  EXPECT_EQ(FolderEntries("."),
            (std::vector<std::string>{"BadQSO_StatsKRVN_15_03_2020.txt", "Plugins", "Telk2.ini"}));
}

TEST_F(PluginTest, OutputBuffersOfTheCallCheckStayUntouched) {
  StartSession();
  char out27[64];
  char out28[64];
  std::memset(out27, 0xAA, sizeof out27);
  std::memset(out28, 0x55, sizeof out28);
  for (const char* band : {"20m", "160m"}) {
    Check("K1ABC", band, "K", "NA", "RTTY", nullptr, out27, out28);
  }
  for (unsigned char c : out27) ASSERT_EQ(c, 0xAA);
  for (unsigned char c : out28) ASSERT_EQ(c, 0x55);
}

TEST_F(PluginTest, NullInEveryTextPosition) {
  EXPECT_EQ(ResetStats0(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0, nullptr,
                        nullptr, nullptr),
            1);
  EXPECT_EQ(CheckCall0(nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr),
            4);
  EXPECT_EQ(AddData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr,
                     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                     nullptr, nullptr),
            0);
  EXPECT_EQ(RemoveData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr,
                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0,
                        nullptr, nullptr, nullptr, nullptr, nullptr),
            1);
  EXPECT_EQ(Check("K1ABC", "20m", nullptr, nullptr), 1) << "a null prefix counts as empty";
  EXPECT_EQ(Add({"K1ABC", HostDate(2020, 3, 14, 12, 0), 14085000, "20m", "K", "NA", "RTTY", "001",
                 nullptr}),
            0)
      << "a null number counts as missing";
  const std::string report = Result();
  EXPECT_NE(report.find("Bad QSO\t 2\r\n"), std::string::npos) << report;
  GetResult0(nullptr);
  // A null end date names the journal after the empty text; null times print as nothing.
  EXPECT_EQ(ReadBytes("BadQSO_StatsKRVN_.txt"),
            "KORVANE Contest UBN file\r\nQSO:  0" + std::string(16, ' ') +
                "   WRONG BAND !!!\r\n"
            "QSO:  14085  RTTY  2020-03-14 1200  DL1AAA  599  001  K1ABC  599     NO RX NUMBER !!!\r\n");
}

TEST_F(PluginTest, EmptyTexts) {
  KorvaneDate start = HostDate(2020, 3, 14);
  KorvaneDate end = HostDate(2020, 3, 15);
  EXPECT_EQ(Reset("", 0, "", &start, &end, "", ""), 1);
  EXPECT_EQ(Check("", "", "", ""), 4);
  EXPECT_EQ(Check("", "20m", "", ""), 1);
  EXPECT_EQ(Add({"", HostDate(2020, 3, 14, 12, 0), 0, "20m", "", "", "RTTY", "1", "1", "", ""}), 1);
  EXPECT_EQ(Add({"", HostDate(2020, 3, 14, 12, 0), 0, "20m", "", "", "RTTY", "1", "1", "", ""}), 1);
  EXPECT_EQ(Remove({"", HostDate(2020, 3, 14, 12, 0), 0, "20m", "", "", "RTTY", "1", "1", "", ""}), 1);
  const std::string report = Result();
  EXPECT_NE(report.find("20m\t 0\t 0\t 0\t 0\t 0\t 0\t 0\r\nTotal\t 0\t 0\t 0\t 0\t 0\t 0\t 0\r\n"
                        "Dupe\t 0\r\nBad QSO\t 0\r\n"),
            std::string::npos)
      << "call-less QSOs count for nothing\n" << report;
}

TEST_F(PluginTest, LongTextsAndHighBytes) {
  StartSession();
  const std::string longCall(8192, 'W');
  const std::string high = "\xC4\xD6\xDC\xE4\xF6\xFC\xDF\x80\xFF";
  EXPECT_EQ(Check(longCall.c_str(), "20m", "K", "NA"), 2);
  EXPECT_EQ(Add({longCall.c_str(), HostDate(2020, 3, 14, 12, 0), 14085000, "20m", "K", "NA"}), 1);
  EXPECT_EQ(Add({longCall.c_str(), HostDate(2020, 3, 14, 12, 1), 14085000, "20m", "K", "NA"}), 1);
  EXPECT_EQ(Add({high.c_str(), HostDate(2020, 3, 14, 12, 2), 14085000, "20m", high.c_str(), "EU"}), 1);
  EXPECT_EQ(Check(high.c_str(), "20m", high.c_str(), "EU"), 0);
  EXPECT_EQ(IsValidExchg0(high.c_str(), kJunk, kJunk, kJunk, 0, 0, 0), 0);
  EXPECT_EQ(IsValidExchg0(longCall.c_str(), kJunk, kJunk, kJunk, 0, 0, 0), 0);
  const std::string longMode(5000, 'R');
  EXPECT_EQ(Add({"K1ABC", HostDate(2020, 3, 14, 12, 3), 14085000, "20m", "K", "NA", longMode.c_str()}), 0);

  EXPECT_EQ(ReadBytes("BadQSO_StatsKRVN_15_03_2020.txt"),
            "KORVANE Contest UBN file\r\n"
            "QSO:  14085  RTTY  2020-03-14 1201  DL1AAA  599  001  " + longCall + "  599  001   DUPE !!!\r\n"
            "QSO:  14085  " + longMode + "  2020-03-14 1203  DL1AAA  599  001  K1ABC  599  001   WRONG MODE !!!\r\n");
  EXPECT_EQ(Remove({longCall.c_str(), HostDate(2020, 3, 14, 12, 1), 14085000, "20m", "K", "NA"}), 1);
  EXPECT_EQ(ReadBytes("BadQSO_StatsKRVN_15_03_2020.txt"),
            "KORVANE Contest UBN file\r\n"
            "QSO:  14085  " + longMode + "  2020-03-14 1203  DL1AAA  599  001  K1ABC  599  001   WRONG MODE !!!\r\n");
  const std::string report = Result();
  EXPECT_NE(report.find("Total\t 2\t 25\t 2\t 0\t 0\t 0\t 0\r\n"), std::string::npos) << report;
}

TEST_F(PluginTest, MissingFoldersOnlySkipTheWrites) {
  // No Plugins folder: the INI reads as empty and no write creates anything.
  StartSession();
  EXPECT_EQ(Add({"K1ABC", HostDate(2020, 3, 14, 12, 0), 14085000, "20m", "K", "NA"}), 1);
  Result();
  EXPECT_FALSE(std::filesystem::exists("Plugins"));

  // A journal that cannot be opened: every result as before, nothing written.
  std::filesystem::remove("BadQSO_StatsKRVN_15_03_2020.txt");
  std::filesystem::create_directory("BadQSO_StatsKRVN_15_03_2020.txt");
  EXPECT_EQ(Add({"K1ABC", HostDate(2020, 3, 14, 12, 1), 14085000, "20m", "K", "NA"}), 1);
  EXPECT_EQ(Add({"K1ABC", HostDate(2020, 3, 14, 12, 2), 14085000, "160m", "K", "NA"}), 0);
  EXPECT_EQ(Remove({"K1ABC", HostDate(2020, 3, 14, 12, 1), 14085000, "20m", "K", "NA"}), 1);
  const std::string report = Result();
  EXPECT_NE(report.find("Total\t 1\t 15\t 1\t 1\t 0\t 0\t 0\r\nDupe\t 0\r\nBad QSO\t 0\r\n"),
            std::string::npos)
      << report;
  EXPECT_EQ(FolderEntries("."), std::vector<std::string>{"BadQSO_StatsKRVN_15_03_2020.txt"});
}

TEST_F(PluginTest, IniThatCannotBeWritten) {
  std::filesystem::create_directories("Plugins/KORVANE.ini");  // a folder where the file belongs
  EXPECT_EQ(StartSession(), 1);
  EXPECT_EQ(Add({"K1ABC", HostDate(2020, 3, 14, 12, 0), 14085000, "20m", "K", "NA"}), 1);
  EXPECT_NE(Result().find("Score: 15*(1+1+0+0+0) = 30\r\n"), std::string::npos);
  EXPECT_EQ(FolderEntries("Plugins"), std::vector<std::string>{"KORVANE.ini"});
  EXPECT_TRUE(std::filesystem::is_directory("Plugins/KORVANE.ini"));
}

TEST_F(PluginTest, CallsBeforeAnySessionWriteNothing) {
  EXPECT_EQ(Add({"K1ABC", HostDate(2020, 3, 14, 12, 0), 14085000, "160m", "K", "NA"}), 0);
  EXPECT_EQ(Add({"K1ABC", HostDate(2020, 3, 14, 12, 0), 14085000, "20m", "K", "NA"}), 1);
  EXPECT_EQ(Check("K1ABC", "20m", "K", "NA"), 0);
  EXPECT_EQ(Remove({"K1ABC", HostDate(2020, 3, 14, 12, 0), 14085000, "20m", "K", "NA"}), 1);
  EXPECT_TRUE(FolderEntries(".").empty());
}

}  // namespace
}  // namespace korvane::testing
