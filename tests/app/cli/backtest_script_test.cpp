// The back-tests through numora-cli: each handler runs from a script, the lucky-number prompt
// is answered with "answer", and the opened report prints "open: PATH".
#include <gtest/gtest.h>

#include <string>

#include "cli_process.h"
#include "transcript.h"

namespace numora::test {
namespace {

class CliBacktest : public ::testing::Test {
 protected:
  void SetUp() override { copyFixture(home, kKenoAtlanticFixture, "Kenoal.dat"); }
  TempHome home;
};

constexpr const char* kKenoAtlantic = "set RadioGroup1 0\ncall RadioGroup1Click\n";

TEST_F(CliBacktest, ARecurrenceTestWritesItsReportAndOpensIt) {
  expectTranscript(home, std::string(kKenoAtlantic) +
                             "set UpDown18 6\n"
                             "set DateTimePicker1 07.06.2023\n"
                             "call Button7Click\n"
                             "= open: {HOME}Analyse.txt\n"
                             "print UpDown18\n= UpDown18: 10\n"
                             "print DateTimePicker1\n= DateTimePicker1: 10.06.2023\n");
  const std::string report = home.readBytes("Analyse.txt");
  EXPECT_EQ(report.substr(0, 25), "Current setting brought\r\n");
  EXPECT_NE(report.find("\r\nat 3 draw\r\n"), std::string::npos) << report;
}

TEST_F(CliBacktest, TheTipTestsAskForTheLuckyNumber) {
  expectTranscript(home, std::string(kKenoAtlantic) +
                             "set UpDown9 2\n"
                             "set DateTimePicker1 08.06.2023\n"
                             "answer 4711\n"
                             "call ErfolgstestClick\n"
                             "= input: your lucky number (1-99999999)?\n"
                             "= open: {HOME}Analyse.txt\n"
                             "print DateTimePicker1\n= DateTimePicker1: 10.06.2023\n"
                             "set DateTimePicker1 08.06.2023\n"
                             "answer abc\n"
                             "call BitBtn9Click\n"
                             "= input: Your lucky number (1-99999999)?\n"
                             "= message: Error - lucky number\n");
  EXPECT_NE(home.readBytes("Analyse.txt").find("\r\nat 2 draws\r\n"), std::string::npos);
}

}  // namespace
}  // namespace numora::test
