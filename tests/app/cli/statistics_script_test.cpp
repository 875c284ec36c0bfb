// The statistics through numora-cli on the Daily Keno fixture history (102 draws from
// 20.04.2023 to 10.06.2023, a midday and an evening draw a date): what each statistic leaves in
// Chart1, in the statistics window and on the page control. The expected charts are tallied here
// from the fixture's records.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "cli_process.h"
#include "fixture_draws.h"
#include "transcript.h"

namespace numora::test {
namespace {

constexpr int kNumbers = 70;
constexpr int kChartPage = 2;

bool isRedNumber(int number) {
  static constexpr std::array kRed = {1,  2,  3,  5,  7,  11, 13, 17, 19, 23,
                                      29, 31, 37, 41, 43, 47, 53, 59, 61, 67};
  return std::find(kRed.begin(), kRed.end(), number) != kRed.end();
}

std::string primeColour(int number) {
  return isRedNumber(number) ? "#ff0000" : "#008000";
}

// sum / count rounded to the nearest integer, an exact half to the even neighbour.
long long roundedAverage(long long sum, long long count) {
  const long long quotient = sum / count;
  const long long twice = 2 * (sum % count);
  if (twice > count || (twice == count && quotient % 2 != 0)) return quotient + 1;
  return quotient;
}

struct ExpectedChart {
  struct Bar {
    int x;
    int y;
    std::string colour;
  };
  std::vector<Bar> bars;
  bool fixedAxis = true;
  std::string title;

  std::string lines() const {
    std::string text =
        "Chart1.Series1.active: 0\nChart1.Series2.active: 1\nChart1.Series2.count: " +
        std::to_string(bars.size()) + "\n";
    int smallest = 0;
    int largest = 0;
    for (std::size_t i = 0; i < bars.size(); ++i) {
      const Bar& bar = bars[i];
      text += "Chart1.Series2[" + std::to_string(i) + "]: " + std::to_string(bar.x) + " " +
              std::to_string(bar.y) + " " + bar.colour + "\n";
      smallest = i == 0 ? bar.y : std::min(smallest, bar.y);
      largest = i == 0 ? bar.y : std::max(largest, bar.y);
    }
    text += "Chart1.LeftAxis: " +
            (fixedAxis ? std::to_string(smallest) + " " + std::to_string(largest) : "auto") + "\n";
    return text + "Chart1.BottomAxis.Title: " + title + "\n";
  }
};

using Draws = std::vector<FixtureDraw>;

Draws inWindow(const Draws& draws, int start, int end, bool includesStart) {
  Draws window;
  for (const auto& draw : draws) {
    if ((includesStart ? draw.day >= start : draw.day > start) && draw.day <= end) {
      window.push_back(draw);
    }
  }
  return window;
}

ExpectedChart numberDistribution(const Draws& window) {
  std::array<int, kNumbers + 1> counts{};
  long long crossSums = 0;
  for (const auto& draw : window) {
    for (const int number : draw.numbers) ++counts[static_cast<std::size_t>(number)];
    crossSums += draw.crossSum();
  }
  ExpectedChart chart;
  for (int n = 1; n <= kNumbers; ++n) {
    chart.bars.push_back({n, counts[static_cast<std::size_t>(n)], primeColour(n)});
  }
  const long long drawCount = static_cast<long long>(window.size());
  // Without a draw the title says 0 draws, never the title of the statistic before.
  chart.title = "number distribution     draw: " + std::to_string(drawCount) + "    cross sum: " +
                (window.empty() ? "0" : std::to_string(roundedAverage(crossSums, drawCount)));
  return chart;
}

ExpectedChart crossSumDistribution(const Draws& window) {
  std::vector<int> sums;
  for (const auto& draw : window) sums.push_back(draw.crossSum());
  ExpectedChart chart;
  chart.fixedAxis = false;
  const auto [smallest, largest] = std::minmax_element(sums.begin(), sums.end());
  for (int sum = *smallest; sum <= *largest; ++sum) {
    chart.bars.push_back(
        {sum, static_cast<int>(std::count(sums.begin(), sums.end(), sum)), "series"});
  }
  long long total = 0;
  for (const int sum : sums) total += sum;
  chart.title = "Cross-sum distribution     Draws: " + std::to_string(sums.size()) +
                "    Cross-sum: " + std::to_string(roundedAverage(total, sums.size()));
  return chart;
}

// Runs of `size` consecutive numbers drawn together, counted at their first number.
ExpectedChart groupSearch(const Draws& window, int size) {
  const int lastFirst = size == 2 ? 69 : 68;
  const int barCount = size == 4 ? 70 : lastFirst;
  std::vector<int> counts(kNumbers + 1, 0);
  int found = 0;
  for (const auto& draw : window) {
    for (int first = 1; first <= lastFirst; ++first) {
      bool all = true;
      for (int k = 0; k < size; ++k) all = all && draw.contains(first + k);
      if (all) {
        ++counts[static_cast<std::size_t>(first)];
        ++found;
      }
    }
  }
  ExpectedChart chart;
  for (int x = 1; x <= barCount; ++x) {
    chart.bars.push_back({x, counts[static_cast<std::size_t>(x)], "series"});
  }
  chart.fixedAxis = size != 4;
  const std::string n = std::to_string(window.size());
  const std::string m = std::to_string(found);
  if (size == 2) chart.title = "at " + n + " draws was found " + m + " pairs !";
  if (size == 3) chart.title = "at " + n + " draws was found  " + m + " three!";
  if (size == 4) chart.title = "at " + n + "  draws was found " + m + " four!";
  return chart;
}

// How many window draws have passed since each number was last drawn, plus one.
ExpectedChart overdueNumbers(const Draws& window) {
  ExpectedChart chart;
  for (int n = 1; n <= kNumbers; ++n) {
    int gap = static_cast<int>(window.size()) + 1;
    for (std::size_t i = 0; i < window.size(); ++i) {
      if (window[i].contains(n)) gap = static_cast<int>(window.size() - i);
    }
    chart.bars.push_back({n, gap, primeColour(n)});
  }
  chart.title = "Which number is overdue, as was not since as many draws held?";
  return chart;
}

std::string numbersOf(const FixtureDraw& draw) {
  std::string text;
  for (const int number : draw.numbers) text += (text.empty() ? "" : " ") + std::to_string(number);
  return text;
}

struct WindowCase {
  const char* what;
  std::string setup;
  int start;  // the statistics window after the one-year fallback
  int end;
};

class CliStatistics : public ::testing::Test {
 protected:
  void SetUp() override { copyFixture(home, kDailyKenoFixture, "Vuduro.dat"); }
  TempHome home;
  const Draws draws = readFixtureDraws(kDailyKenoFixture);
};

// How the window falls back when its start is after the picked date is the statistics layer's
// table; here every statistic's handler over the whole history and over a bounded window,
// tallied from the fixture's records, which only these cases check end to end.
TEST_F(CliStatistics, EachStatisticChartsItsWindow) {
  const std::vector<WindowCase> cases = {
      {"the whole history (start 29.04.1996, picked date today)", "", fixtureDay(1996, 4, 29),
       fixtureDay(2023, 6, 15)},
      {"a May window: its first date counts for the number distribution only",
       "set DateTimePicker2 05.05.2023\nset DateTimePicker1 20.05.2023\n", fixtureDay(2023, 5, 5),
       fixtureDay(2023, 5, 20)},
  };
  for (const WindowCase& c : cases) {
    SCOPED_TRACE(c.what);
    const Draws withStart = inWindow(draws, c.start, c.end, true);
    const Draws window = inWindow(draws, c.start, c.end, false);
    ASSERT_FALSE(window.empty());
    const std::string start = fixtureDate(c.start);
    std::string script = c.setup;
    std::string expected;
    // Each statistic: the handler, then what it leaves behind.
    auto statistic = [&](const std::string& handler, const ExpectedChart& chart, int page) {
      script += "set PageControl1 0\ncall " + handler +
                "\nprint Chart1\nprint aktDatum\nprint DateTimePicker2\nprint PageControl1\n";
      expected += chart.lines() + "aktDatum: " + start + "\nDateTimePicker2: " + start +
                  "\nPageControl1: " + std::to_string(page) + "\n";
    };
    statistic("SpeedButton2Click", numberDistribution(withStart), 0);
    statistic("SpeedButton9Click", crossSumDistribution(window), 0);
    // The group searches and the overdue numbers show the "Chart" tab; the buttons of that tab
    // run the same searches as those of the "Database" tab.
    const std::pair<const char*, const char*> searches[] = {{"Button2Click", "SpeedButton1Click"},
                                                            {"Button3Click", "SpeedButton3Click"},
                                                            {"Button4Click", "SpeedButton17Click"}};
    for (int size = 2; size <= 4; ++size) {
      const ExpectedChart chart = groupSearch(window, size);
      for (const char* handler : {searches[size - 2].first, searches[size - 2].second}) {
        statistic(handler, chart, kChartPage);
      }
    }
    // A search leaves the window's last draw in Zahl.
    script += "print Zahl\n";
    expected += "Zahl: " + numbersOf(window.back()) + "\n";
    statistic("Button5Click", overdueNumbers(window), kChartPage);
    statistic("SpeedButton19Click", overdueNumbers(window), kChartPage);

    const CliResult result = runScript(home, script);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    expectLines(result.out, expected);
  }
}

// The triple and four-group searches count the runs in the draws, whatever tip size is set.
TEST_F(CliStatistics, TheGroupSearchesCountWhateverTheTipSize) {
  const Draws window = inWindow(draws, fixtureDay(2001, 10, 22), fixtureDay(2023, 6, 15), false);
  for (const char* numbersPerTip : {"2", "3", "10"}) {
    SCOPED_TRACE(numbersPerTip);
    std::string script = std::string("set UpDown18 ") + numbersPerTip + "\n";
    std::string expected;
    for (int size = 2; size <= 4; ++size) {
      script += std::string("call Button") + std::to_string(size) + "Click\nprint Chart1\n";
      expected += groupSearch(window, size).lines();
    }
    const CliResult result = runScript(home, script);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    expectLines(result.out, expected);
  }
}

TEST(CliStatisticsWithoutFile, EveryStatisticAsksForTheDrawsAndLeavesTheChart) {
  TempHome home;
  for (const char* handler : {"SpeedButton2Click", "SpeedButton9Click", "Button2Click",
                              "Button3Click", "Button4Click", "Button5Click"}) {
    SCOPED_TRACE(handler);
    expectTranscript(home, "call " + std::string(handler) + R"(
= message: First read the data of draws
print Chart1
= Chart1.Series1.active: 1
= Chart1.Series2.active: 1
= Chart1.Series2.count: 0
= Chart1.LeftAxis: auto
= Chart1.BottomAxis.Title: 
print PageControl1
= PageControl1: 0
print aktDatum
= aktDatum: 30.12.1899
)");
  }
}

}  // namespace
}  // namespace numora::test
