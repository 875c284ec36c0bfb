#include "evaluation/evaluation_report.h"

#include <gtest/gtest.h>

#include "form/scripted_platform.h"

namespace numora {
namespace {

struct ReportCase {
  int lottery;        // 0 Keno Atlantic, 1 Daily Keno
  int numbersPerTip;  // g
  std::vector<std::string> hits;
  int stake;
  std::string lines;  // between "you have \n" and "\nwithout guarantee"
};

// One tip in every class 0..10 priced by each table row, so each row shows all its classes.
std::vector<std::string> oneOfEach() {
  std::vector<std::string> hits;
  for (int k = 0; k <= 10; ++k) hits.push_back(std::to_string(k));
  return hits;
}

TEST(EvaluationReport, PricesEveryClassOfEveryTableRow) {
  const ReportCase cases[] = {
      {0, 10, oneOfEach(), 1,
       "1 x 10er \t250000\n1 x  9er \t5000\n1 x  8er \t200\n1 x  7er \t25\n1 x  6er \t5\n"
       "1 x  0er \t2\n"},
      {0, 9, oneOfEach(), 1,
       "1 x  9er \t50000\n1 x  8er \t1000\n1 x  7er \t100\n1 x  6er \t5\n1 x  5er \t2\n"},
      {0, 8, oneOfEach(), 1, "1 x  8er \t25000\n1 x  7er \t200\n1 x  6er \t10\n1 x  5er \t2\n"},
      {0, 7, oneOfEach(), 1, "1 x  7er \t5000\n1 x  6er \t100\n1 x  5er \t5\n"},
      {0, 6, oneOfEach(), 1, "1 x  6er \t1000\n1 x  5er \t15\n1 x  4er \t2\n"},
      {0, 5, oneOfEach(), 1, "1 x  5er \t250\n1 x  4er \t10\n"},
      {0, 4, oneOfEach(), 1, "1 x  4er \t75\n1 x  3er \t3\n"},
      {0, 3, oneOfEach(), 1, "1 x  3er \t25\n"},
      {0, 2, oneOfEach(), 1, "1 x  2er \t7\n"},
      {1, 10, oneOfEach(), 1,
       "1 x 10er \t250000\n1 x  9er \t5000\n1 x  8er \t200\n1 x  7er \t25\n1 x  0er \t2\n"},
      {1, 9, oneOfEach(), 1, "1 x  9er \t50000\n1 x  8er \t1000\n1 x  7er \t100\n1 x  6er \t5\n"},
      {1, 8, oneOfEach(), 1, "1 x  8er \t25000\n1 x  7er \t200\n1 x  6er \t10\n"},
      {1, 7, oneOfEach(), 1, "1 x  7er \t5000\n1 x  6er \t50\n1 x  5er \t5\n"},
      {1, 6, oneOfEach(), 1, "1 x  6er \t1000\n1 x  5er \t25\n"},
      {1, 5, oneOfEach(), 1, "1 x  5er \t250\n1 x  4er \t5\n"},
      {1, 4, oneOfEach(), 1, "1 x  4er \t100\n"},
      {1, 3, oneOfEach(), 1, "1 x  3er \t25\n"},
      {1, 2, oneOfEach(), 1, "1 x  2er \t7\n"},
      // The example of a Keno Atlantic six-number list at stake 2.
      {0, 6, {"5", "5", "4"}, 2, "2 x  5er \t60\n1 x  4er \t4\n"},
      {0, 10, {"10"}, 10, "1 x 10er \t2500000\n"},
      {1, 10, {"0", "0", "0"}, 5, "3 x  0er \t30\n"},
      // One-hit tips never win; empty lists and odd lines price nothing.
      {0, 10, {"1", "1"}, 1, ""},
      {1, 4, {"3"}, 1, ""},
      {0, 5, {}, 1, ""},
      {0, 5, {"5", "x", "", "11", "-1", " 5", "5"}, 1, "2 x  5er \t500\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.lottery) + "/" + std::to_string(c.numbersPerTip));
    Form form;
    form.RadioGroup1.setItemIndex(c.lottery);
    form.UpDown18.setPosition(c.numbersPerTip);
    form.ListBox2.setLines(c.hits);
    EXPECT_EQ(evaluationReport(form, c.stake).written(),
              "you have \n" + c.lines + "\nwithout guarantee");
  }
}

TEST(EvaluationReport, ShowsOneMessageBox) {
  Form form;
  ScriptedPlatform platform;
  form.UpDown18.setPosition(3);
  form.ListBox2.setLines({"3"});
  form.ComboBox1.setItemIndex(2);
  showEvaluationReport(form, platform);
  EXPECT_EQ(platform.messages(),
            (std::vector<std::string>{"you have \n1 x  3er \t125\n\nwithout guarantee"}));
}

}  // namespace
}  // namespace numora
