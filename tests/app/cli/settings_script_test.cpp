// --settings: FormClose writes the settings file and the tip list, the next run reads both back.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli_process.h"
#include "transcript.h"

namespace numora::test {
namespace {

TEST(CliSettings, FormCloseWritesWhatTheNextRunReads) {
  TempHome home;
  TempHome user;
  const std::string settings = user.file("VuduRo.ini").string();
  expectTranscript(home, R"(set UpDown18 6
set CheckBox28 0
set RadioGroup1 0
set ProxyHostEdit proxy.example
set ProxyPortEdit 3128
set DateTimePicker2 01.01.2020
add ListBox1 01,02,03
add ListBox1 04,05,06
call FormClose
)",
                   {"--settings", settings});
  ASSERT_TRUE(std::filesystem::exists(settings));
  ASSERT_TRUE(std::filesystem::exists(home.file("tipps.txt")));

  expectTranscript(home, R"(print UpDown18
= UpDown18: 6
print CheckBox28
= CheckBox28: 0
print RadioGroup1
= RadioGroup1: 0
print ZahlenFile
= ZahlenFile: KenoAl.dat
print ProxyHostEdit
= ProxyHostEdit: proxy.example
print ProxyPortEdit
= ProxyPortEdit: 3128
print DateTimePicker2
= DateTimePicker2: 01.01.2020
print ListBox1
= ListBox1.count: 2
= ListBox1[0]: 01,02,03
= ListBox1[1]: 04,05,06
)",
                   {"--settings", settings});
}

TEST(CliSettings, WithoutASettingsFileEveryRunStartsFromTheDesignState) {
  TempHome home;
  expectTranscript(home, "set UpDown18 6\nadd ListBox1 07,08\ncall FormClose\n");
  // The tip list lives in Home, not in the settings store, so it still comes back.
  expectTranscript(home, R"(print UpDown18
= UpDown18: 10
print RadioGroup1
= RadioGroup1: 1
print ListBox1
= ListBox1.count: 1
= ListBox1[0]: 07,08
)");
}

}  // namespace
}  // namespace numora::test
