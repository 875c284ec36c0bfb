#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "app/home_folder.h"
#include "draws/lottery.h"
#include "support/app_fixture.h"

namespace numora {
namespace {

class StartupTest : public test::AppTest {};

TEST_F(StartupTest, FirstStartWithAnEmptyStoreSelectsDailyKenoAndTheDesignState) {
  create();
  EXPECT_EQ(form().RadioGroup1.itemIndex(), 1);
  EXPECT_EQ(form().ZahlenFile, "VuduRO.dat");
  EXPECT_EQ(form().ProxyPortEdit.text(), "80");
  EXPECT_EQ(form().ProxyHostEdit.text(), "");
  EXPECT_TRUE(form().sortieren);
  EXPECT_EQ(form().LaufMax, 10000);
  EXPECT_EQ(form().SoundName, home.home() + "yippee.wav");
  EXPECT_EQ(form().groesse, TForm1::kClientHeight);
  EXPECT_EQ(form().DateTimePicker1.date(), encodeDate(2023, 6, 20));
  // Daily Keno's own limits and first draw, not the form's design limits.
  EXPECT_EQ(form().DateTimePicker1.minDate(), encodeDate(1996, 4, 29));
  EXPECT_EQ(form().DateTimePicker2.minDate(), encodeDate(1996, 4, 29));
  EXPECT_EQ(form().DateTimePicker2.date(), encodeDate(1996, 4, 29));
  EXPECT_EQ(form().DateTimePicker3.date(), encodeDate(2023, 6, 21));
  EXPECT_EQ(form().ComboBox3.itemIndex(), 2);
  EXPECT_EQ(form().UpDown18.position(), 10);
  EXPECT_TRUE(form().CheckBox28.checked());
  EXPECT_TRUE(form().ListBox1.lines().empty());
}

TEST_F(StartupTest, StoredKenoAtlanticUsesTheStartUpSpellingAndItsOwnLimit) {
  settings.writeInteger("Radio1", 0);
  create();
  EXPECT_EQ(form().RadioGroup1.itemIndex(), 0);
  EXPECT_EQ(form().ZahlenFile, "KenoAl.dat");
  EXPECT_EQ(form().DateTimePicker1.minDate(), encodeDate(2001, 10, 22));
  EXPECT_EQ(form().DateTimePicker2.minDate(), encodeDate(2001, 10, 22));
}

// The selected lottery's limits apply first; the saved statistics start date then comes back
// when that lottery allows it.
TEST_F(StartupTest, TheSavedStatisticsStartIsRestoredWithinTheLotterysLimit) {
  const struct {
    const char* what;
    int lottery;
    DayCount saved;
    DayCount start;
  } cases[] = {
      {"Daily Keno, a start in its first years", 1, encodeDate(1998, 3, 1), encodeDate(1998, 3, 1)},
      {"Daily Keno, a later start", 1, encodeDate(2010, 1, 4), encodeDate(2010, 1, 4)},
      {"Keno Atlantic, a start before its first draw", 0, encodeDate(1998, 3, 1),
       encodeDate(2001, 10, 22)},
      {"Keno Atlantic, a later start", 0, encodeDate(2010, 1, 4), encodeDate(2010, 1, 4)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    settings.writeInteger("Radio1", c.lottery);
    settings.writeDouble("DateTimePicker2", c.saved);
    create();
    EXPECT_EQ(form().DateTimePicker2.date(), c.start);
    EXPECT_TRUE(form().DateTimePicker1.setDate(lottery(c.lottery).firstDrawDate));
  }
}

TEST_F(StartupTest, AStoredLotteryIndexOtherThanDailyKenoSelectsKenoAtlantic) {
  settings.writeInteger("Radio1", 5);
  create();
  EXPECT_EQ(form().ZahlenFile, "KenoAl.dat");
  EXPECT_EQ(form().RadioGroup1.itemIndex(), 0);
}

TEST_F(StartupTest, LoadsTheSavedTipList) {
  home.writeBytes("tipps.txt", "01,02,03\r\n04,05,06\r\n");
  create();
  EXPECT_EQ(form().ListBox1.lines(), (std::vector<std::string>{"01,02,03", "04,05,06"}));
}

TEST_F(StartupTest, SeedsTheRandomGeneratorFromTheClock) {
  create();
  const auto first = form().random.state();
  test::TempHome otherHome;
  TForm1 other(platform, settings, otherHome.home());
  other.FormCreate(TForm1::kClientHeight);
  EXPECT_NE(first, other.form.random.state());
}

TEST_F(StartupTest, ResizeScalesOnAHeightChangeOnly) {
  create();
  EXPECT_FALSE(form1->FormResize(TForm1::kClientHeight).has_value());
  const auto factor = form1->FormResize(TForm1::kClientHeight * 4 / 3);
  ASSERT_TRUE(factor.has_value());
  EXPECT_NEAR(*factor, 4.0 / 3, 0.01);
  EXPECT_FALSE(form1->FormResize(TForm1::kClientHeight * 4 / 3).has_value());
}

TEST_F(StartupTest, HintLineAndAddressLabels) {
  create();
  form1->handle(form1->handlers().at("SpeedButton10MouseEnter"));
  EXPECT_EQ(form().StatusBar1.panel(1), "Updating the lottery numbers from the Internet");
  form1->handle(form1->handlers().at("Label52Click"));
  form1->handle(form1->handlers().at("Label43Click"));
  EXPECT_EQ(platform.opened().size(), 2u);
  EXPECT_EQ(platform.opened()[0], form().Label52.caption());
}

// The users' data folder lies in a temporary XDG_DATA_HOME, so no test creates folders in the
// real home.
class HomeFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* before = std::getenv("XDG_DATA_HOME")) saved_ = before;
    ::setenv("XDG_DATA_HOME", dataHome.path().c_str(), 1);
  }
  void TearDown() override {
    if (saved_) {
      ::setenv("XDG_DATA_HOME", saved_->c_str(), 1);
    } else {
      ::unsetenv("XDG_DATA_HOME");
    }
  }
  bool insideDataHome(const std::string& folder) const {
    return folder.rfind(dataHome.path().string() + "/", 0) == 0;
  }

  test::TempHome dataHome;

 private:
  std::optional<std::string> saved_;
};

TEST_F(HomeFolder, ProgramFolderWhenWritableElseTheUsersDataFolder) {
  test::TempHome folder;
  EXPECT_EQ(determineHome(folder.path().string()), folder.path().string() + "/");
  EXPECT_EQ(determineHome(folder.home()), folder.home());
  const std::string fallback = determineHome("/nonexistent/numora");
  EXPECT_NE(fallback, "/nonexistent/numora/");
  EXPECT_EQ(fallback.back(), '/');
  EXPECT_TRUE(std::filesystem::is_directory(fallback));
  EXPECT_TRUE(insideDataHome(fallback)) << fallback;
}

TEST_F(HomeFolder, AnInstalledProgramKeepsItsFilesInTheUsersDataFolder) {
  // A writable <prefix>/bin (as for root) with the installed metainfo beside it.
  test::TempHome prefix;
  const auto bin = prefix.path() / "bin";
  const auto metainfo = prefix.path() / "share" / "metainfo";
  std::filesystem::create_directories(bin);
  std::filesystem::create_directories(metainfo);
  EXPECT_EQ(determineHome(bin.string()), bin.string() + "/");
  std::ofstream(metainfo / (std::string(kDesktopId) + ".metainfo.xml")) << "<component/>";
  EXPECT_TRUE(isInstalledProgram(bin.string()));
  EXPECT_EQ(determineHome(bin.string()), determineHome("/nonexistent/numora"));
  EXPECT_TRUE(insideDataHome(determineHome(bin.string())));
}

}  // namespace
}  // namespace numora
