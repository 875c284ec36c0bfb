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

// A settings file that cannot be written must not cost the tips: the tip list is saved on its
// own and the message names the part that was not saved.
TEST(CliSettings, TheTipListIsSavedWhenTheSettingsCannotBe) {
  TempHome home;
  TempHome user;
  user.writeBytes("file", "");  // a file where the settings folder would be
  const std::string settings = user.file("file").string() + "/VuduRo.ini";
  const CliResult result =
      runScript(home, "add ListBox1 01,02,03\nadd ListBox1 04,05\ncall FormClose\n",
                {"--settings", settings});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_TRUE(result.out.starts_with("message: The settings could not be saved: ")) << result.out;
  EXPECT_EQ(result.out.find("tip list"), std::string::npos) << result.out;
  EXPECT_EQ(home.readBytes("tipps.txt"), "01,02,03\r\n04,05\r\n");
}

// A tip list saved by an editor with a byte-order mark reads as the same tips, and is written
// back as UTF-8 without one.
TEST(CliSettings, ATipListWithAByteOrderMarkIsReadAsItsTips) {
  const std::string text = "01,25\r\n70\r\n";
  std::string le = "\xFF\xFE";
  std::string be = "\xFE\xFF";
  for (const char c : text) {
    le += std::string{c, '\0'};
    be += std::string{'\0', c};
  }
  const std::pair<const char*, std::string> files[] = {
      {"UTF-8", "\xEF\xBB\xBF" + text},
      {"UTF-16 little endian", le},
      {"UTF-16 big endian", be},
  };
  for (const auto& [name, bytes] : files) {
    SCOPED_TRACE(name);
    TempHome home;
    home.writeBytes("tipps.txt", bytes);
    expectTranscript(home, R"(print ListBox1
= ListBox1.count: 2
= ListBox1[0]: 01,25
= ListBox1[1]: 70
call FormClose
)");
    EXPECT_EQ(home.readBytes("tipps.txt"), "01,25\r\n70\r\n");
  }
}

}  // namespace
}  // namespace numora::test
