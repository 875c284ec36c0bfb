// The update run through numora-cli against a real HTTPS results site on 127.0.0.1 that serves
// the fixture month pages (May and June 2023). The draw files start with part of the
// fixture histories; after a run they must hold exactly the fixture's records. One site serves
// the whole suite: starting it costs more than the runs themselves.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "cli_process.h"
#include "fixture_draws.h"
#include "support/draw_fixtures.h"
#include "support/results_site.h"
#include "transcript.h"

namespace numora::test {
namespace {

constexpr const char* kEvening11June = "11.06.2023 20:00";
constexpr const char* kToKenoAtlantic = "set RadioGroup1 0\ncall RadioGroup1Click\n";

std::vector<FixtureDraw> drawsBefore(const std::vector<FixtureDraw>& draws, int day) {
  std::vector<FixtureDraw> before;
  for (const auto& draw : draws) {
    if (draw.day < day) before.push_back(draw);
  }
  return before;
}

std::string numbersOf(const FixtureDraw& draw) {
  std::string text;
  for (const int number : draw.numbers) text += (text.empty() ? "" : " ") + std::to_string(number);
  return text;
}

std::string tipText(std::vector<int> numbers) {
  std::sort(numbers.begin(), numbers.end());
  std::string tip;
  for (const int n : numbers) {
    tip += (tip.empty() ? "" : ",") + std::string(n < 10 ? "0" : "") + std::to_string(n);
  }
  return tip;
}

std::size_t fileSize(const std::string& fixture) {
  return std::filesystem::file_size(testData(fixture));
}

class CliUpdateRun : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { site_ = std::make_unique<ResultsSite>(); }
  static void TearDownTestSuite() { site_.reset(); }
  void SetUp() override { site().normal(); }

  static ResultsSite& site() { return *site_; }
  static std::string useSite(bool anyCertificate = true) {
    return "set ResultsSiteEdit " + site().url() + "\nset AnyCertificateCheckBox " +
           (anyCertificate ? "1" : "0") + "\n";
  }
  // The requests the site has seen so far, to tell those of one run from the earlier ones.
  static std::size_t requestsSoFar() { return site().requests().size(); }
  static std::vector<SiteRequest> requestsSince(std::size_t before) {
    const auto all = site().requests();
    return std::vector<SiteRequest>(all.begin() + static_cast<std::ptrdiff_t>(before), all.end());
  }
  static std::vector<int> monthsOf(const std::vector<SiteRequest>& requests) {
    std::vector<int> months;
    for (const auto& request : requests) months.push_back(request.year * 100 + request.month);
    return months;
  }

  TempHome home;
  const std::vector<FixtureDraw> atlantic = readFixtureDraws(kKenoAtlanticFixture);
  const std::vector<FixtureDraw> daily = readFixtureDraws(kDailyKenoFixture);

 private:
  static inline std::unique_ptr<ResultsSite> site_;
};

TEST_F(CliUpdateRun, KenoAtlanticFetchesEachMonthOnceStoresEveryDrawAndEvaluatesTheTips) {
  home.writeBytes("Kenoal.dat", recordBytes(drawsBefore(atlantic, fixtureDay(2023, 5, 1))));
  // Two tips scored against the newest draw: seven of its numbers with three others, and ten
  // numbers it does not hold.
  const FixtureDraw& newest = atlantic.back();
  std::vector<int> others;
  for (int n = 1; n <= 70 && others.size() < 10; ++n) {
    if (!newest.contains(n)) others.push_back(n);
  }
  std::vector<int> sevenHits(newest.numbers.begin(), newest.numbers.begin() + 7);
  sevenHits.insert(sevenHits.end(), others.begin(), others.begin() + 3);

  const std::size_t before = requestsSoFar();
  expectTranscript(home,
                   std::string(kToKenoAtlantic) +
                       "print DateTimePicker1\n"
                       "= DateTimePicker1: 30.04.2023\n" +
                       useSite() + "print Label54\n= Label54: " + site().url() +
                       "/canada/atlantic-keno-numbers\n"
                       "add ListBox1 " +
                       tipText(sevenHits) + "\nadd ListBox1 " + tipText(others) +
                       // Keno Atlantic, 10 numbers a tip, stake 1: 7 hits win 25, none 2.
                       R"(
call BitBtn1Click
= message: 40 draws added, 01.05.2023 – 10.06.2023\n\nyou have \n1 x  7er \t25\n1 x  0er \t2\n\nwithout guarantee
print ListBox2
= ListBox2.count: 2
= ListBox2[0]: 7
= ListBox2[1]: 0
print DateTimePicker1
= DateTimePicker1: 10.06.2023
print Zahl
= Zahl: )" + numbersOf(newest) +
                       R"(
print StatusBar1
= StatusBar1.count: 2
= StatusBar1[0]: Max Win:  7x
= StatusBar1[1]: Not guarantee the accuracy of the figures!
print Memo1
= Memo1.length: )" + std::to_string(fileSize("kenoatlantic-2023-06.html")) +
                       R"(
print SpeedButton8.visible
= SpeedButton8.visible: 0
print BitBtn1.enabled
= BitBtn1.enabled: 1
print SpeedButton10.enabled
= SpeedButton10.enabled: 1
)",
                   {"--now", kEvening11June});

  EXPECT_EQ(home.readBytes("Kenoal.dat"), fixtureBytes(kKenoAtlanticFixture));
  const auto requests = requestsSince(before);
  EXPECT_EQ(monthsOf(requests), (std::vector<int>{202305, 202306}));
  for (const auto& request : requests) EXPECT_EQ(request.ig, "Keno Atlantic");
}

TEST_F(CliUpdateRun, DailyKenoStartsWithTheEveningDrawDueAfterAStoredMiddayDraw) {
  // The history up to the midday draw of 05.05.2023.
  const auto midday = std::find_if(daily.begin(), daily.end(), [](const FixtureDraw& draw) {
    return draw.day == fixtureDay(2023, 5, 5) && draw.midday;
  });
  ASSERT_NE(midday, daily.end());
  home.writeBytes("Vuduro.dat", recordBytes({daily.begin(), midday + 1}));

  const std::size_t before = requestsSoFar();
  expectTranscript(home,
                   "call SpeedButton5Click\nprint DateTimePicker1\n"
                   "= DateTimePicker1: 05.05.2023\n" +
                       useSite() + R"(call SpeedButton10Click
= message: 71 draws added, 05.05.2023 – 10.06.2023\n\nyou have \n\nwithout guarantee
print DateTimePicker1
= DateTimePicker1: 10.06.2023
print Zahl
= Zahl: )" + numbersOf(daily.back()) +
                       "\n",
                   {"--now", kEvening11June});

  EXPECT_EQ(home.readBytes("Vuduro.dat"), fixtureBytes(kDailyKenoFixture));
  const auto requests = requestsSince(before);
  EXPECT_EQ(monthsOf(requests), (std::vector<int>{202305, 202306}));
  for (const auto& request : requests) EXPECT_EQ(request.ig, "dailykeno-numbers");
}

TEST_F(CliUpdateRun, AFailedMonthKeepsTheDrawsBeforeItAndTheNextRunResumes) {
  home.writeBytes("Kenoal.dat", recordBytes(drawsBefore(atlantic, fixtureDay(2023, 5, 1))));
  const auto untilMay = drawsBefore(atlantic, fixtureDay(2023, 6, 1));
  site().failMonth(2023, 6);
  std::size_t before = requestsSoFar();
  // The run ends with the error: no evaluation, the buttons back as before the run, and the
  // picker on the day that failed, which the next run fetches again.
  expectTranscript(home, std::string(kToKenoAtlantic) + useSite() + R"(call BitBtn1Click
= message: The requested URL returned error: 500
print SpeedButton8.visible
= SpeedButton8.visible: 0
print BitBtn1.enabled
= BitBtn1.enabled: 1
print SpeedButton10.enabled
= SpeedButton10.enabled: 1
print DateTimePicker1
= DateTimePicker1: 01.06.2023
)",
                   {"--now", kEvening11June});
  EXPECT_EQ(home.readBytes("Kenoal.dat"), recordBytes(untilMay));
  EXPECT_EQ(monthsOf(requestsSince(before)), (std::vector<int>{202305, 202306}));

  site().normal();
  before = requestsSoFar();
  expectTranscript(home, std::string(kToKenoAtlantic) + useSite() + R"(call BitBtn1Click
= message: 10 draws added, 01.06.2023 – 10.06.2023\n\nyou have \n\nwithout guarantee
)",
                   {"--now", kEvening11June});
  EXPECT_EQ(home.readBytes("Kenoal.dat"), fixtureBytes(kKenoAtlanticFixture));
  EXPECT_EQ(monthsOf(requestsSince(before)), (std::vector<int>{202306}));
}

// A month page cut off without a length gives no draws: the run ends with a message, stores
// nothing behind the hole, and the next run completes the file. Which pages end a run is the
// update run's table, an answer without end the HTTP client's; here one over the real site.
TEST_F(CliUpdateRun, ABadMonthPageEndsTheRunAndTheNextRunCompletesTheFile) {
  struct Case {
    const char* name;
    std::function<void()> fault;
    std::string message;
  };
  const std::string again =
      " The update stopped at 01.05.2023; the draws before it are kept and the next update "
      "fetches that day again.";
  const Case cases[] = {
      {"cut without a length", [] { site().cutPage(0.5); },
       "The results page for May 2023 arrived incomplete." + again},
  };
  const std::string april = recordBytes(drawsBefore(atlantic, fixtureDay(2023, 5, 1)));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    home.writeBytes("Kenoal.dat", april);
    c.fault();
    expectTranscript(home,
                     std::string(kToKenoAtlantic) + useSite() + "call BitBtn1Click\n= message: " +
                         c.message + "\nprint DateTimePicker1\n= DateTimePicker1: 01.05.2023\n",
                     {"--now", kEvening11June});
    EXPECT_EQ(home.readBytes("Kenoal.dat"), april);

    site().normal();
    expectTranscript(home, std::string(kToKenoAtlantic) + useSite() + R"(call BitBtn1Click
= message: 40 draws added, 01.05.2023 – 10.06.2023\n\nyou have \n\nwithout guarantee
)",
                     {"--now", kEvening11June});
    EXPECT_EQ(home.readBytes("Kenoal.dat"), fixtureBytes(kKenoAtlanticFixture));
  }
}

// An update run killed at any moment after it stored a draw leaves a whole-record prefix of the
// full history holding that draw, and the next run completes it exactly. Each kill waits for the
// first stored draw, then a random while; the site answers slowly so that the kills fall into
// the run.
TEST_F(CliUpdateRun, AKilledRunLeavesAWholeRecordPrefixAndTheNextRunCompletesIt) {
  const std::string full = fixtureBytes(kDailyKenoFixture);
  const std::string april = recordBytes(drawsBefore(daily, fixtureDay(2023, 5, 1)));
  std::mt19937 random(20231210);
  std::uniform_int_distribution<int> delayMs(0, 700);
  for (int round = 0; round < 6; ++round) {
    const int delay = delayMs(random);
    SCOPED_TRACE("killed " + std::to_string(delay) + " ms after the first stored draw");
    home.writeBytes("Vuduro.dat", april);
    site().trickle(3, 100);
    const auto drawFile = home.file("Vuduro.dat");
    const auto drawStored = [&] {
      std::error_code error;
      const auto size = std::filesystem::file_size(drawFile, error);
      return !error && size >= april.size() + 40;
    };
    (void)runScript(home, useSite() + "call BitBtn1Click\n", {"--now", kEvening11June},
                    std::chrono::milliseconds(delay), drawStored);
    const std::string left = home.readBytes("Vuduro.dat");
    ASSERT_EQ(left.size() % 40, 0u);
    ASSERT_GT(left.size(), april.size()) << "the draws stored before the kill are kept";
    ASSERT_EQ(left, full.substr(0, left.size()));

    site().normal();
    const CliResult result =
        runScript(home, useSite() + "call BitBtn1Click\n", {"--now", kEvening11June});
    // The report shows only when the run added the draws the kill left out.
    const std::size_t missing = (full.size() - left.size()) / 40;
    if (missing == 0) {
      EXPECT_EQ(result.out, "") << result.err;
    } else {
      const std::string added =
          std::to_string(missing) + (missing == 1 ? " draw added, " : " draws added, ");
      EXPECT_EQ(result.out.rfind("message: " + added, 0), 0u) << result.out;
      EXPECT_TRUE(result.out.ends_with("you have \\n\\nwithout guarantee\n")) << result.out;
    }
    EXPECT_EQ(home.readBytes("Vuduro.dat"), full);
  }
}

// A named pipe or a device in the draw file's place is refused at once instead of blocking the
// program for ever.
TEST_F(CliUpdateRun, ADrawFileThatIsNoRegularFileIsRefused) {
  const std::string refused =
      "\" is not a regular file (a folder, a pipe or a device), so it cannot hold the draws. "
      "Remove it or rename it; the update then starts a new draw file.";
  for (const bool pipe : {true, false}) {
    SCOPED_TRACE(pipe ? "named pipe" : "device");
    TempHome home;
    const auto path = home.file("Kenoal.dat");
    if (pipe) {
      ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    } else {
      std::filesystem::create_symlink("/dev/zero", path);
    }
    const std::size_t before = requestsSoFar();
    const CliResult result =
        runScript(home, std::string(kToKenoAtlantic) + useSite() + "call BitBtn1Click\n",
                  {"--now", kEvening11June}, std::chrono::seconds(20));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::string message = "message: \"" + path.string() + refused + "\n";
    EXPECT_EQ(result.out, message + message);
    EXPECT_EQ(requestsSince(before).size(), 0u);
  }
}

TEST_F(CliUpdateRun, ASelfSignedSiteIsRefusedUnlessAnyCertificateIsAccepted) {
  const std::string april = recordBytes(drawsBefore(atlantic, fixtureDay(2023, 5, 1)));
  home.writeBytes("Kenoal.dat", april);
  const std::size_t before = requestsSoFar();
  const CliResult result = runScript(
      home,
      std::string(kToKenoAtlantic) + useSite(false) + "call BitBtn1Click\nprint DateTimePicker1\n",
      {"--now", kEvening11June});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_TRUE(result.out.starts_with("message: SSL certificate problem")) << result.out;
  EXPECT_TRUE(result.out.ends_with("\nDateTimePicker1: 01.05.2023\n")) << result.out;
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 2) << result.out;
  EXPECT_EQ(home.readBytes("Kenoal.dat"), april);
  EXPECT_EQ(requestsSince(before).size(), 0u) << "no request got through";
}

// Without a results site nothing is requested at all.
class CliUpdateWithoutSite : public ::testing::Test {
 protected:
  void SetUp() override { copyFixture(home, kDailyKenoFixture, "Vuduro.dat"); }
  TempHome home;
};

TEST_F(CliUpdateWithoutSite, AnUpdateAsksForTheResultsSiteAndChangesNothing) {
  for (const char* site : {"", "   ", " / "}) {
    SCOPED_TRACE(std::string("site '") + site + "'");
    expectTranscript(home, std::string("set ResultsSiteEdit ") + site + R"(
call SpeedButton5Click
call BitBtn1Click
= message: Please enter the address of the results site on the Internet-Options tab.
print DateTimePicker1
= DateTimePicker1: 10.06.2023
print SpeedButton8.visible
= SpeedButton8.visible: 0
print BitBtn1.enabled
= BitBtn1.enabled: 1
print Label53
= Label53: /canada/dailykeno-numbers
)");
    EXPECT_EQ(home.readBytes("Vuduro.dat"), fixtureBytes(kDailyKenoFixture));
  }
}

TEST_F(CliUpdateWithoutSite, AtActivationTheMissingSiteIsShownInTheHintLine) {
  expectTranscript(home, R"(call FormActivate
print StatusBar1[1]
= StatusBar1[1]: Please enter the address of the results site on the Internet-Options tab.
print DateTimePicker1
= DateTimePicker1: 10.06.2023
)");
  EXPECT_EQ(home.readBytes("Vuduro.dat"), fixtureBytes(kDailyKenoFixture));
}

TEST_F(CliUpdateWithoutSite, ResultsPageAddressesFollowTheResultsSite) {
  expectTranscript(home, R"(set ResultsSiteEdit https://results.example/
print Label53
= Label53: https://results.example/canada/dailykeno-numbers
print Label54
= Label54: https://results.example/canada/atlantic-keno-numbers
set ResultsSiteEdit results.example:8443
print Label53
= Label53: https://results.example:8443/canada/dailykeno-numbers
set ResultsSiteEdit 
print Label54
= Label54: /canada/atlantic-keno-numbers
)");
}

TEST_F(CliUpdateWithoutSite, StopReadingWhileNoUpdateRunsChangesNothing) {
  const std::string state =
      "print SpeedButton8.visible\nprint BitBtn1.enabled\nprint SpeedButton10.enabled\n"
      "print DateTimePicker1\nprint StatusBar1\nprint Label29\nprint Memo1\n";
  const CliResult result =
      runScript(home, "call SpeedButton5Click\n" + state + "call SpeedButton8Click\n" + state);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  const std::string first = result.out.substr(0, result.out.size() / 2);
  EXPECT_EQ(result.out, first + first);
  EXPECT_TRUE(first.starts_with("SpeedButton8.visible: 0\nBitBtn1.enabled: 1\n")) << first;
  EXPECT_EQ(home.readBytes("Vuduro.dat"), fixtureBytes(kDailyKenoFixture));
}

// Without a draw file and without a results site, an update must neither leave an empty draw
// file behind (the next show-by-date would no longer ask for the draws) nor move the picked date
// to the lottery's first draw date. Enabled once the update run checks the site before it
// touches the file and puts the picker back on failure.
TEST(CliUpdateWithoutSiteOrDraws, AnUpdateLeavesNoEmptyDrawFileAndKeepsThePickedDate) {
  TempHome home;
  expectTranscript(home, R"(call BitBtn1Click
= message: Please enter the address of the results site on the Internet-Options tab.
print DateTimePicker1
= DateTimePicker1: 15.06.2023
call SpeedButton5Click
= message: First read the data of draws
)");
  EXPECT_TRUE(std::filesystem::is_empty(home.path()));
}

}  // namespace
}  // namespace numora::test
