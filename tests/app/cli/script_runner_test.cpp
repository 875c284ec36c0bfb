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

// A started main window with a runner on it, in a Home of its own.
struct Session {
  Session() {
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
  TForm1 form1{platform, settings, home.home()};
  std::ostringstream out;
  std::ostringstream err;
  ScriptRunner runner{form1, platform, out, err};
};

TEST(CliScriptRunner, AnswersReachInputBoxesInTheirOrder) {
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
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answers);
    Session session;
    std::vector<std::string> replies;
    session.runner.addHandler("AskTwiceStub", [&] {
      replies.push_back(session.platform.inputBox("Lucky number", "Which number?", "7"));
      replies.push_back(session.platform.inputBox("Lucky number", "Which number?", "7"));
    });
    session.run(std::string(c.answers) + "set ComboBox1 3\ncall AskTwiceStub\n");
    EXPECT_EQ(replies, c.replies);
    EXPECT_TRUE(session.out.str().starts_with("input: Lucky number\ninput: Lucky number\n"))
        << session.out.str();
    // The input boxes do not start the activation sequence again.
    EXPECT_EQ(session.out.str().find("message: First read the data of draws"), std::string::npos)
        << session.out.str();
    EXPECT_EQ(session.form1.form.ComboBox1.itemIndex(), 3);
  }
}

TEST(CliScriptRunner, FileAnswersReachFileDialogsWithoutReactivation) {
  Session session;
  std::vector<std::optional<std::string>> paths;
  session.runner.addHandler("PickFilesStub", [&] {
    paths.push_back(session.platform.openFileDialog({"Tipfile|*.hlt", "hlt", ""}));
    paths.push_back(session.platform.saveFileDialog({"Tipfile|*.hlt", "hlt", "Tipp.hlt"}));
    paths.push_back(session.platform.openFileDialog({"Tipfile|*.hlt", "hlt", ""}));
  });
  session.run(
      "answer file /tmp/my tips.hlt\nanswer file cancel\nset ComboBox1 3\n"
      "call PickFilesStub\n");
  const std::vector<std::optional<std::string>> expected = {"/tmp/my tips.hlt", std::nullopt,
                                                            std::nullopt};
  EXPECT_EQ(paths, expected);
  EXPECT_EQ(session.out.str(), "");
  EXPECT_EQ(session.form1.form.ComboBox1.itemIndex(), 3);
}

TEST(CliScriptRunner, AHandlerErrorBecomesAMessageAndTheScriptGoesOn) {
  Session session;
  session.runner.addHandler("FailingStub", [] { throw std::runtime_error("disk\tfull"); });
  session.run("call FailingStub\nprint UpDown18\n");
  EXPECT_EQ(session.out.str(), "message: disk\\tfull\nUpDown18: 10\n");
}

TEST(CliScriptRunner, LinesAreCountedAcrossCallsForErrorMessages) {
  Session session;
  EXPECT_TRUE(session.runner.runLine("# first"));
  EXPECT_TRUE(session.runner.runLine(""));
  EXPECT_FALSE(session.runner.runLine("bogus"));
  EXPECT_EQ(session.err.str(), "error: line 3: unknown command 'bogus'\n");
}

}  // namespace
}  // namespace numora
