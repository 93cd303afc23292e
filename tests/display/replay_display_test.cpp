// The display session lines, run through libStats.so as the replay tool loads it.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "tools/replay/host_library.h"
#include "tools/replay/session.h"
#include "tools/replay/session_runner.h"

namespace korvane::replay {
namespace {

std::string RunSession(const std::string& text, std::string* errors) {
  HostLibrary library;
  std::string error;
  if (!library.Load(KORVANE_BINARY_DIR "/bin/libStats.so", &error)) return "load: " + error;
  std::ostringstream out;
  SessionRunner runner(library, out);
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    SessionLine parsed;
    std::string why;
    if (!ParseSessionLine(line, ++number, &parsed, &why) || !runner.Run(parsed, &why)) {
      *errors += std::to_string(number) + ": " + why + "\n";
    }
  }
  return out.str();
}

TEST(ReplayDisplay, SessionLinesDriveTheHeadlessDisplay) {
  char folder[] = "/tmp/korvane-display-test-XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  std::filesystem::create_directories(std::string(folder) + "/Plugins");
  ASSERT_EQ(chdir(folder), 0);

  std::string errors;
  const std::string out = RunSession(
      "display print\n"
      "reset call=DL1AAA prefix=DL cont=EU start=2020-03-14 end=2020-03-15\n"
      "add call=JA1ABC time=2020-03-14T12:00 freq=14085000 band=20m nrs=001 nrr=012 prefix=JA "
      "cont=AS\n"
      "results\n"
      "display host call=JA1ABC freq=14080000\n"
      "display start\n"
      "display click area\n"
      "display click dxcc\n"
      "display pump\n"
      "display print\n"
      "display host fail=1\n"
      "check call=G4ABC band=20m prefix=G cont=EU\n"
      "display pump\n"
      "display host fail=0 call=\"\" freq=7040000\n"
      "check call=G4ABC band=40m prefix=G cont=EU\n"
      "display pump\n"
      "display close dxcc\n"
      "display refresh\n"
      "display print\n"
      "display stop\n"
      "display click ontop\n"
      "display close ontop\n"
      "display host band=20m\n"
      "display pump now\n",
      &errors);
  const std::string expected =
      "display not running\n"
      "reset DL1AAA -> 1\n"
      "add JA1ABC 20m -> 1 (stored)\n";
  ASSERT_EQ(out.substr(0, expected.size()), expected);
  const std::string rest = out.substr(out.find("display host call"));
  EXPECT_EQ(rest,
            "display host call \"JA1ABC\" freq 14080000 present 1 fail 0\n"
            "display start -> 1\n"
            "display click area -> 1\n"
            "display click dxcc -> 1\n"
            "display pump -> 3 cycles\n"
            "setup \"Setup KORVANE-2020\": DXCC 1, Ext DXCC 0, Call Area 1, on top 0\n"
            "call \"JA1ABC\", band 20m\n"
            "grid \"KORVANE-2020 worked with JA1ABC\"\n"
            "  JA1ABC\n"
            "  Band | Mode | Time | NR\n"
            "  80m |    - |    - |    -\n"
            "  80m |    - |    - |    -\n"
            "  40m |    - |    - |    -\n"
            " >20m | RTTY | 12:00 | 012\n"
            "  15m |    - |    - |    -\n"
            "  10m |    - |    - |    -\n"
            "areas \"Area on 20m\"\n"
            "  K  . . . . . . . . . .\n"
            "  VE . . . . . . . . . .\n"
            "  JA 1 . . . . . . . . .\n"
            "  VK . . . . . . . . . .\n"
            "display host call \"JA1ABC\" freq 14080000 present 1 fail 1\n"
            "check G4ABC 20m -> 2 (new multiplier)\n"
            "display pump -> 1 cycle\n"
            "display host call \"\" freq 7040000 present 1 fail 0\n"
            "check G4ABC 40m -> 2 (new multiplier)\n"
            "display pump -> 1 cycle\n"
            "display close dxcc -> 1\n"
            "display refresh -> 1 cycle\n"
            "setup \"Setup KORVANE-2020\": DXCC 0, Ext DXCC 0, Call Area 1, on top 0\n"
            "call \"\", band 40m\n"
            "areas \"Area on 40m\"\n"
            "  K  . . . . . . . . . .\n"
            "  VE . . . . . . . . . .\n"
            "  JA . . . . . . . . . .\n"
            "  VK . . . . . . . . . .\n"
            "display stop -> 1\n"
            "display click ontop -> 0\n");
  EXPECT_EQ(errors,
            "22: unknown window ontop for display close\n"
            "23: unknown field band for display host\n"
            "24: display pump takes no further words\n");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace korvane::replay
