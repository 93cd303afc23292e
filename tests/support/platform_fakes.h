#ifndef KORVANE_TESTS_SUPPORT_PLATFORM_FAKES_H
#define KORVANE_TESTS_SUPPORT_PLATFORM_FAKES_H

// Fakes of the platform seam that remember what they were asked.

#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace korvane::testing {

// An INI section in memory. `calls` holds every read and write in order ("read Start",
// "write Start=1"); `writes` the writes alone ("Start=1").
class FakeSettings : public Settings {
 public:
  std::string Read(const std::string& key, const std::string& fallback) override {
    calls.push_back("read " + key);
    const auto it = values.find(key);
    return it != values.end() ? it->second : fallback;
  }
  void Write(const std::string& key, const std::string& value) override {
    calls.push_back("write " + key + "=" + value);
    writes.push_back(key + "=" + value);
    values[key] = value;
  }
  std::map<std::string, std::string> values;
  std::vector<std::string> calls;
  std::vector<std::string> writes;
};

class FakeFileSearch : public FileSearch {
 public:
  std::vector<std::string> Find(const std::string& mask) override {
    masks.push_back(mask);
    return names;
  }
  std::vector<std::string> names;
  std::vector<std::string> masks;
};

}  // namespace korvane::testing

#endif  // KORVANE_TESTS_SUPPORT_PLATFORM_FAKES_H
