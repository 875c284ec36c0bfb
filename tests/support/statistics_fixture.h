// A form over a small hand-made draw history, with the chart read back as the statistics
// left it.
#pragma once

#include <string>
#include <vector>

#include "support/draw_test_fixture.h"

namespace numora::test {

class StatisticsTest : public DrawTest {
 protected:
  // Writes the draws and sets the statistics window from start to end.
  void window(const std::vector<DrawRecord>& draws, DayCount start, DayCount end) {
    home.writeDraws("Vuduro.dat", draws);
    form.DateTimePicker1.setMinDate(encodeDate(1996, 4, 29));
    form.DateTimePicker2.setMinDate(encodeDate(1996, 4, 29));
    ASSERT_TRUE(form.DateTimePicker1.setDate(end));
    ASSERT_TRUE(form.DateTimePicker2.setDate(start));
  }
  std::vector<double> barHeights() const {
    std::vector<double> heights;
    for (const auto& bar : form.Chart1.series(2).bars) heights.push_back(bar.y);
    return heights;
  }
  double bar(int x) const {
    for (const auto& b : form.Chart1.series(2).bars) {
      if (b.x == x) return b.y;
    }
    ADD_FAILURE() << "no bar at " << x;
    return -1;
  }
  const std::string& title() const { return form.Chart1.bottomTitle(); }
  std::pair<double, double> axis() const {
    EXPECT_FALSE(form.Chart1.leftAxis().automatic);
    return {form.Chart1.leftAxis().min, form.Chart1.leftAxis().max};
  }
  static std::vector<int> range(int from, int to) {
    std::vector<int> numbers;
    for (int n = from; n <= to; ++n) numbers.push_back(n);
    return numbers;
  }
};

}  // namespace numora::test
