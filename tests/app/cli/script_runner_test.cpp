// The script runner in-process: queued answers to input boxes and file dialogs reach the
// handler that asks, and an input box re-runs the activation sequence after its handler.
#include "app/cli/script_runner.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/settings_store.h"
#include "support/temp_home.h"

namespace numora {
namespace {

class ScriptRunnerTest : public ::testing::Test {
 protected:
  ScriptRunnerTest() : form1(platform, settings, home.home()), runner(form1, platform, out, err) {
    platform.fixClock(*parseDateTime("15.06.2023 12:00"));
    form1.FormCreate(TForm1::kClientHeight);
  }

  void run(const std::string& script) {
    std::istringstream in(script);
    ASSERT_EQ(runner.run(in), 0) << err.str();
  }

  test::TempHome home;
  ScriptedPlatform platform;
  MemorySettingsStore settings;
  TForm1 form1;
  std::ostringstream out;
  std::ostringstream err;
  ScriptRunner runner;
};

TEST_F(ScriptRunnerTest, AnswersReachInputBoxesInTheirOrder) {
  struct Case {
    const char* answers;
    std::vector<std::string> replies;  // to two input boxes with the preset "7"
  };
  const std::vector<Case> cases = {
      {"answer 42\nanswer 43\n", {"42", "43"}},
      {"answer cancel\nanswer 5\n", {"7", "5"}},
      {"answer \n", {"", "7"}},
      {"answer  two  blanks \n", {" two  blanks ", "7"}},
      {"", {"7", "7"}},
      // A file answer does not reply to an input box.
      {"answer file /tmp/tips.hlt\nanswer 9\n", {"9", "7"}},
  };
  std::vector<std::string> replies;
  runner.addHandler("AskTwiceStub", [&] {
    replies.push_back(platform.inputBox("Lucky number", "Which number?", "7"));
    replies.push_back(platform.inputBox("Lucky number", "Which number?", "7"));
  });
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answers);
    replies.clear();
    out.str("");
    run(std::string(c.answers) + "call AskTwiceStub\n");
    EXPECT_EQ(replies, c.replies);
    // The input boxes are reported; afterwards the main window is active again, and the
    // activation sequence shows the draw of the picked date (there is no draw file).
    EXPECT_EQ(out.str(),
              "input: Lucky number\ninput: Lucky number\nmessage: First read the data of draws\n");
    // Left-over file answers do not leak into the next case.
    while (platform.openFileDialog({})) {
    }
  }
}

TEST_F(ScriptRunnerTest, FileAnswersReachFileDialogsWithoutReactivation) {
  std::vector<std::optional<std::string>> paths;
  runner.addHandler("PickFilesStub", [&] {
    paths.push_back(platform.openFileDialog({"Tipfile|*.hlt", "hlt", ""}));
    paths.push_back(platform.saveFileDialog({"Tipfile|*.hlt", "hlt", "Tipp.hlt"}));
    paths.push_back(platform.openFileDialog({"Tipfile|*.hlt", "hlt", ""}));
  });
  run("answer file /tmp/my tips.hlt\nanswer file cancel\ncall PickFilesStub\n");
  const std::vector<std::optional<std::string>> expected = {"/tmp/my tips.hlt", std::nullopt,
                                                            std::nullopt};
  EXPECT_EQ(paths, expected);
  EXPECT_EQ(out.str(), "");
}

TEST_F(ScriptRunnerTest, AHandlerErrorBecomesAMessageAndTheScriptGoesOn) {
  runner.addHandler("FailingStub", [] { throw std::runtime_error("disk\tfull"); });
  run("call FailingStub\nprint UpDown18\n");
  EXPECT_EQ(out.str(), "message: disk\\tfull\nUpDown18: 10\n");
}

TEST_F(ScriptRunnerTest, LinesAreCountedAcrossRunsForErrorMessages) {
  EXPECT_TRUE(runner.runLine("# first"));
  EXPECT_TRUE(runner.runLine(""));
  EXPECT_FALSE(runner.runLine("bogus"));
  EXPECT_EQ(err.str(), "error: line 3: unknown command 'bogus'\n");
}

}  // namespace
}  // namespace numora
