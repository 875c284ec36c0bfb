// What numora-cli does with a script it cannot run and with a wrong command line, and where it
// reads the script from.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_process.h"
#include "transcript.h"

namespace numora::test {
namespace {

TEST(CliErrors, AFailingLineStopsTheScriptWithAnErrorOnStandardError) {
  struct Case {
    const char* line;
    const char* message;  // after "error: line 2: "
  };
  const std::vector<Case> cases = {
      {"frobnicate UpDown18", "unknown command 'frobnicate'"},
      {"Print UpDown18", "unknown command 'Print'"},
      {" print UpDown18", "unknown command ''"},
      {"print Nope", "unknown name 'Nope'"},
      {"print UpDown18.nope", "unknown name 'UpDown18.nope'"},
      {"print CheckBox28.min", "unknown name 'CheckBox28.min'"},
      {"print Zahl.count", "unknown name 'Zahl.count'"},
      {"print ListBox1[0]", "ListBox1 has no line 0"},
      {"print StatusBar1[2]", "StatusBar1 has no panel 2"},
      {"print Label13[0]", "Label13 has no items"},
      {"print ListBox1[x]", "unknown name 'ListBox1[x]'"},
      {"set Nope 1", "unknown name 'Nope'"},
      {"set Position 3", "Position can only be printed"},
      {"set Label13 text", "Label13 cannot be set"},
      {"set ListBox1 text", "ListBox1 is a list: use add, clear or select"},
      {"set UpDown18 ten", "expected an integer from -2147483648 to 2147483647, got 'ten'"},
      {"set UpDown18 6 ", "expected an integer from -2147483648 to 2147483647, got '6 '"},
      {"set CheckBox28 yes", "expected 1 or 0, got 'yes'"},
      {"set DateTimePicker1 31.02.2023", "expected a date dd.mm.yyyy, got '31.02.2023'"},
      {"set ComboBox1 4", "expected an integer from -1 to 3, got '4'"},
      {"set RadioGroup1 2", "expected an integer from -1 to 1, got '2'"},
      {"set RandSeed 4294967296",
       "expected an integer from -2147483648 to 4294967295, got "
       "'4294967296'"},
      {"set Zahl 1 2 3", "expected 20 numbers, got 3"},
      {"select ListBox1 0", "ListBox1 has no line 0"},
      {"select ListBox1 first", "expected an integer from -1 to 2147483647, got 'first'"},
      {"add Label13 1,2", "Label13 is no list"},
      {"clear Nope", "unknown name 'Nope'"},
      {"call Nope", "unknown handler 'Nope'"},
      {"call speedbutton5click", "unknown handler 'speedbutton5click'"},
      {"now tomorrow", "expected a time dd.mm.yyyy hh:nn, got 'tomorrow'"},
      {"now 16.06.2023", "expected a time dd.mm.yyyy hh:nn, got '16.06.2023'"},
      {"answer choice", "expected ok, abort, retry or cancel, got ''"},
      {"answer choice yes +4", "expected ok, abort, retry or cancel, got 'yes'"},
      {"answer choice OK", "expected ok, abort, retry or cancel, got 'OK'"},
      {"answer choice +4 ok", "expected ok, abort, retry or cancel, got '+4'"},
      {"answer choice ok +71", "expected a box number from 1 to 70 in '+71'"},
      {"answer choice ok +4 -0", "expected a box number from 1 to 70 in '-0'"},
      {"answer choice ok ++5", "expected a box number from 1 to 70 in '++5'"},
      {"answer choice ok +-5", "expected a box number from 1 to 70 in '+-5'"},
      {"answer choice ok +", "expected a box number from 1 to 70 in '+'"},
      {"answer choice ok =3", "expected a box number from 1 to 70 in '=3'"},
      {"answer choice ok 5", "expected +N, -N, N=WEIGHT, random, tick, date= or midday=, got '5'"},
      {"answer choice ok Random",
       "expected +N, -N, N=WEIGHT, random, tick, date= or midday=, got 'Random'"},
      {"answer choice ok +4,+5", "expected a box number from 1 to 70 in '+4,+5'"},
      {"answer choice ok date=31.02.2023", "expected date=dd.mm.yyyy, got 'date=31.02.2023'"},
      {"answer choice ok midday=yes", "expected midday=1 or midday=0, got 'midday=yes'"},
      {"print TForm6[0]", "TForm6 has no box 0"},
      {"print TForm6[71]", "TForm6 has no box 71"},
      {"print TForm6.BitBtn5", "unknown name 'TForm6.BitBtn5'"},
      {"print Chart1.Series2[0]", "Chart1.Series2 has no bar 0"},
      {"print Chart1.Series3.count", "unknown name 'Chart1.Series3.count'"},
  };
  TempHome home;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const CliResult result =
        runScript(home, std::string("print UpDown18\n") + c.line + "\nprint CheckBox28\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "UpDown18: 10\n");
    EXPECT_EQ(result.err, std::string("error: line 2: ") + c.message + "\n");
  }
}

TEST(CliErrors, AWrongCommandLineShowsTheUsage) {
  TempHome home;
  const std::string folder = home.path().string();
  const std::vector<std::vector<std::string>> commandLines = {
      {},
      {"--home", folder},
      {"--home"},
      {"--now", "15.06.2023", "script"},
      {"--now", "15.06.2023 25:00", "script"},
      {"--bogus", "script"},
      {"script", "a.txt", "b.txt"},
      {"--home", folder + "/missing", "script"},
      {"--wait-lock", "soon", "script"},
      {"--wait-lock", "-1", "script"},
  };
  for (const auto& arguments : commandLines) {
    SCOPED_TRACE(::testing::PrintToString(arguments));
    const CliResult result = runNumoraCli(arguments, "print UpDown18\n");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(result.err.starts_with("error: ")) << result.err;
    EXPECT_NE(result.err.find("usage: numora-cli"), std::string::npos) << result.err;
  }
}

TEST(CliCommandLine, HelpAndVersionAnswerWithoutAScript) {
  const CliResult help = runNumoraCli({"--help"}, "");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.starts_with("usage: numora-cli [--home DIR]")) << help.out;
  EXPECT_NE(help.out.find("--version"), std::string::npos);
  EXPECT_NE(help.out.find("print Odds"), std::string::npos);
  EXPECT_NE(help.out.find("--wait-lock SECONDS"), std::string::npos);
  EXPECT_EQ(help.err, "");

  const CliResult version = runNumoraCli({"--version"}, "");
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, std::string("numora-cli ") + NUMORA_VERSION + "\n");
  EXPECT_EQ(version.err, "");
}

TEST(CliErrors, AMissingScriptFileIsReported) {
  TempHome home;
  const std::string missing = home.file("missing.txt").string();
  const CliResult result =
      runNumoraCli({"--home", home.path().string(), "script", missing}, "print UpDown18\n");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "error: cannot open the script '" + missing + "'\n");
}

TEST(CliScriptSource, TheScriptComesFromAFileOrStandardInput) {
  TempHome home;
  const std::string script = "print UpDown18\nset UpDown18 4\nprint UpDown18\n";
  const std::string expected = "UpDown18: 10\nUpDown18: 4\n";
  home.writeBytes("script.txt", script);
  const std::string folder = home.path().string();
  const std::vector<std::vector<std::string>> commandLines = {
      {"--home", folder, "script", "-"},
      {"--home", folder, "script"},
      {"--home", folder, "script", home.file("script.txt").string()},
  };
  for (const auto& arguments : commandLines) {
    SCOPED_TRACE(::testing::PrintToString(arguments));
    // Standard input holds another script, so reading the wrong source shows.
    const CliResult result = runNumoraCli(
        arguments,
        arguments.back() == "script" || arguments.back() == "-" ? script : "print Home\n");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, expected);
  }
}

TEST(CliScriptSource, CommentsBlankLinesAndWindowsLineEndsAreSkipped) {
  TempHome home;
  const CliResult result = runScript(home,
                                     "# a comment\r\n"
                                     "\r\n"
                                     "   \n"
                                     "set ProxyHostEdit host\r\n"
                                     "print ProxyHostEdit\r\n"
                                     "#print UpDown18\n"
                                     "print UpDown18");  // no line end at the very end
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "ProxyHostEdit: host\nUpDown18: 10\n");
}

TEST(CliScriptSource, TheClockMovesWithNow) {
  TempHome home;
  expectTranscript(home, R"(now 01.03.2024 08:30
set RadioGroup1 0
call RadioGroup1Click
= message: First read the data of draws
print DateTimePicker1
= DateTimePicker1: 01.03.2024
)");
}

}  // namespace
}  // namespace numora::test
