// "Import from Text" through numora-cli: a first start with nothing but an exported file, the
// same file once more, and a file refused with its reason.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli_process.h"
#include "support/draw_fixtures.h"
#include "transcript.h"

namespace numora::test {
namespace {

// Puts a file of tests/data/import into Home.
void copyImportFile(const TempHome& home, const std::string& name) {
  std::ifstream in(testData("import/" + name), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  home.writeBytes(name, text.str());
}

std::string importScript(const TempHome& home, const std::string& file) {
  return "answer file " + home.home() + file + "\ncall ImportClick\n";
}

TEST(CliImport, AFirstStartGetsItsHistoryFromAnExportedFile) {
  TempHome home;
  copyImportFile(home, "export.txt");
  expectTranscript(home, importScript(home, "export.txt") +
                             R"(= message: 4 draws added, 0 already stored, 0 rejected
print Label29
= Label29: Wed 03.05.23    32  24  70  11  39  64  44  47  29  19  66  5  8  33  27  67  49  22  10  68
print Chart1.Hint
= Chart1.Hint: 
print DateTimePicker1
= DateTimePicker1: 03.05.2023
)" + importScript(home, "export.txt") +
                             "= message: 0 draws added, 4 already stored, 0 rejected\n");
}

// Which files are read and which refused, and why, are the draws layer's tables; here one
// refusal for the wiring of its message.
TEST(CliImport, DatesWrittenAsDayNumbersAreRefusedSayingSo) {
  TempHome home;
  copyImportFile(home, "day_serials.csv");
  expectTranscript(home, importScript(home, "day_serials.csv") +
                             "= message: Line 2: dates are written as numbers such as 45048; save "
                             "the sheet with a date format and import it again.\n");
  EXPECT_FALSE(std::filesystem::exists(home.file("Vuduro.dat")));
}

}  // namespace
}  // namespace numora::test
