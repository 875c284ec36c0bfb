// numora-cli during long work: a handler, set, add, clear or select that "after" runs in the
// middle of a calculation is refused with the running work's message and changes nothing; the
// stop button and the run budget still reach the calculation.
#include <gtest/gtest.h>

#include <string>

#include "cli_process.h"
#include "transcript.h"

namespace numora::test {
namespace {

constexpr const char* kRefused = "= message: A calculation is running; press Stop or Esc first.\n";

TEST(CliLongWork, WhatCouldDisturbARunningCalculationIsRefused) {
  TempHome home;
  copyFixture(home, kDailyKenoFixture, "Vuduro.dat");
  expectTranscript(home, std::string("set DateTimePicker1 10.06.2023\ncall SpeedButton5Click\n"
                                     "set CheckBox28 0\nadd ListBox1 01,02,03\nset CheckBox9 1\n"
                                     "after 1 set CheckBox9 0\n"
                                     "after 1 add ListBox1 04,05,06\n"
                                     "after 1 clear ListBox1\n"
                                     "after 1 set DateTimePicker1 01.06.2023\n"
                                     "after 1 call SpeedButton11Click\n"
                                     "after 1 call BitBtn4Click\n"
                                     "after 1 select ListBox1 0\n"
                                     "call BitBtn19Click\n") +
                             kRefused + kRefused + kRefused + kRefused + kRefused + kRefused +
                             "print CheckBox9\n= CheckBox9: 1\n"
                             "print DateTimePicker1\n= DateTimePicker1: 10.06.2023\n"
                             "print ListBox1[0]\n= ListBox1[0]: 01,02,03\n");
}

}  // namespace
}  // namespace numora::test
