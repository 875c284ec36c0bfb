#include "app/settings_persistence.h"

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <functional>

#include "support/app_fixture.h"

namespace numora {
namespace {

class SettingsTest : public test::AppTest {};

TEST_F(SettingsTest, StoredMaximumOfMatchesBelowTheMinimumIsRaised) {
  settings.writeInteger("UpDown1", 5);
  settings.writeInteger("UpDown3", 2);
  create();
  EXPECT_EQ(form().UpDown1.position(), 5);
  EXPECT_EQ(form().UpDown3.position(), 5);
}

TEST_F(SettingsTest, StatisticsStartBelowTheLimitLoadsAsTheLimit) {
  settings.writeInteger("Radio1", 0);  // Keno Atlantic: no draws before 22.10.2001
  settings.writeDouble("DateTimePicker2", encodeDate(2000, 1, 1));
  create();
  EXPECT_EQ(form().DateTimePicker2.date(), encodeDate(2001, 10, 22));
}

TEST_F(SettingsTest, AStatisticsStartThatIsNoDateLoadsAsTheLimit) {
  settings.writeInteger("Radio1", 0);
  settings.writeDouble("DateTimePicker2", std::nan(""));
  create();
  EXPECT_EQ(form().DateTimePicker2.date(), encodeDate(2001, 10, 22));
}

TEST_F(SettingsTest, ValuesOnlyTheStoreKeepsAreWrittenAsTheyAre) {
  create();
  form1->FormClose();
  EXPECT_EQ(settings.readBool("Plus5"), false);  // an option of a dialog never shown
  EXPECT_EQ(settings.readInteger("TippTop"), 39);
  EXPECT_EQ(settings.readInteger("Land"), 1);
  EXPECT_EQ(settings.readInteger("System"), -1);
}

TEST_F(SettingsTest, ValueOfAnotherKindReadsAsMissing) {
  settings.writeString("UpDown18", "six");
  settings.writeInteger("ProxyHostEdit", 3);
  create();
  EXPECT_EQ(form().UpDown18.position(), 10);
  EXPECT_EQ(form().ProxyHostEdit.text(), "");
}

TEST_F(SettingsTest, StatisticsStartIsSavedAsTheLimitWhenItIsRecent) {
  struct Case {
    int daysAgo;
    DayCount stored;
  };
  const DayCount today = encodeDate(2023, 6, 20);
  const Case cases[] = {{1, encodeDate(1996, 4, 29)}, {10, today - 10}, {5, today - 5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.daysAgo);
    create();
    ASSERT_TRUE(form().DateTimePicker2.setDate(today - c.daysAgo));
    form1->FormClose();
    EXPECT_EQ(settings.readDouble("DateTimePicker2"), c.stored);
  }
}

TEST_F(SettingsTest, EmptyProxyHostBringsThePortBackTo80) {
  create();
  form().ProxyPortEdit.setText("8080");
  form1->FormClose();
  EXPECT_EQ(settings.readString("ProxyPortEdit"), "8080");
  create();
  EXPECT_EQ(form().ProxyPortEdit.text(), "80");
}

TEST_F(SettingsTest, RoundTripThroughTheSettingsFile) {
  const std::string file = home.file("settings.ini").string();
  {
    FileSettingsStore store(file);
    TForm1 first(platform, store, home.home());
    first.FormCreate(TForm1::kClientHeight);
    first.form.UpDown18.setPosition(6);
    first.form.CheckBox28.setChecked(false);
    first.form.RadioGroup1.setItemIndex(0);
    first.form.ProxyHostEdit.setText("proxy.local");
    first.form.ProxyPortEdit.setText("3128");
    first.form.ComboBox1.setItemIndex(3);
    first.form.ListBox1.setLines({"01,02", "03,04"});
    first.FormClose();
  }
  FileSettingsStore store(file);
  TForm1 second(platform, store, home.home());
  second.FormCreate(TForm1::kClientHeight);
  EXPECT_EQ(second.form.UpDown18.position(), 6);
  EXPECT_FALSE(second.form.CheckBox28.checked());
  EXPECT_EQ(second.form.RadioGroup1.itemIndex(), 0);
  EXPECT_EQ(second.form.ZahlenFile, "KenoAl.dat");
  EXPECT_EQ(second.form.ProxyHostEdit.text(), "proxy.local");
  EXPECT_EQ(second.form.ProxyPortEdit.text(), "3128");
  EXPECT_EQ(second.form.System, 3);
  EXPECT_EQ(second.form.ListBox1.lines(), (std::vector<std::string>{"01,02", "03,04"}));
  EXPECT_EQ(home.readBytes("tipps.txt"), "01,02\r\n03,04\r\n");
}

TEST_F(SettingsTest, EmptyTipListIsSavedAsAnEmptyFile) {
  home.writeBytes("tipps.txt", "01,02\r\n");
  create();
  form().ListBox1.clear();
  form1->FormClose();
  EXPECT_EQ(home.readBytes("tipps.txt"), "");
  create();
  EXPECT_TRUE(form().ListBox1.lines().empty());
}

// A tip list that is there but cannot be read is kept aside before the empty list is saved,
// and the player is told why the list is empty.
TEST_F(SettingsTest, AnUnreadableTipListIsToldAndKeptBeforeTheFirstSave) {
  struct Case {
    const char* name;
    std::function<void(const std::filesystem::path&)> spoil;
    const char* reason;
  };
  const Case cases[] = {
      {"too large",
       [](const std::filesystem::path& file) {
         std::filesystem::resize_file(file, (16u << 20) + 1);
       },
       "It is too large."},
      {"not readable",
       [](const std::filesystem::path& file) {
         std::filesystem::permissions(file, std::filesystem::perms::none);
       },
       "Permission denied"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // The system's administrator reads any file.
    if (std::string(c.name) == "not readable" && ::geteuid() == 0) continue;
    test::TempHome other;
    other.writeBytes("tipps.txt", "01,02,03\r\n");
    c.spoil(other.file("tipps.txt"));
    const auto keptSize = std::filesystem::file_size(other.file("tipps.txt"));
    ScriptedPlatform told;
    TForm1 window(told, settings, other.home());
    window.FormCreate(TForm1::kClientHeight);
    ASSERT_EQ(told.messages().size(), 1u);
    const std::string& message = told.messages()[0];
    EXPECT_EQ(message.rfind("The tip list could not be read: ", 0), 0u) << message;
    EXPECT_NE(message.find(c.reason), std::string::npos) << message;
    EXPECT_NE(message.find("\nThe program starts with an empty list; the old file is kept as " +
                           other.file("tipps.txt~").string() + "."),
              std::string::npos)
        << message;
    EXPECT_TRUE(window.form.ListBox1.lines().empty());
    window.handle([&] { window.form.ListBox1.add("04,05,06"); });
    window.FormClose();
    EXPECT_EQ(other.readBytes("tipps.txt"), "04,05,06\r\n");
    std::filesystem::permissions(other.file("tipps.txt~"), std::filesystem::perms::owner_all);
    EXPECT_EQ(std::filesystem::file_size(other.file("tipps.txt~")), keptSize);
    EXPECT_EQ(other.readBytes("tipps.txt~").substr(0, 10), "01,02,03\r\n");
  }
}

// A list kept at an earlier start was once replaced by the next one that could not be read.
TEST_F(SettingsTest, AnUnreadableTipListNeverReplacesOneKeptBefore) {
  test::TempHome other;
  other.writeBytes("tipps.txt~", "01,02,03\r\n");
  other.writeBytes("tipps.txt", "04,05,06\r\n");
  std::filesystem::resize_file(other.file("tipps.txt"), (16u << 20) + 1);
  ScriptedPlatform told;
  TForm1 window(told, settings, other.home());
  window.FormCreate(TForm1::kClientHeight);
  ASSERT_EQ(told.messages().size(), 1u);
  EXPECT_NE(
      told.messages()[0].find("the old file is kept as " + other.file("tipps.txt~1").string()),
      std::string::npos)
      << told.messages()[0];
  EXPECT_EQ(other.readBytes("tipps.txt~"), "01,02,03\r\n");
  EXPECT_EQ(std::filesystem::file_size(other.file("tipps.txt~1")), (16u << 20) + 1);
}

// A store that breaks down half-way through the saving.
class BrokenStore : public MemorySettingsStore {
 public:
  void writeDouble(const std::string& name, double value) override {
    if (name == "Preis") throw std::runtime_error("disk full");
    MemorySettingsStore::writeDouble(name, value);
  }
};

TEST_F(SettingsTest, AFailedSavingIsReportedAndKeepsWhatWasWritten) {
  BrokenStore store;
  TForm1 form1(platform, store, home.home());
  form1.FormCreate(TForm1::kClientHeight);
  form1.form.UpDown18.setPosition(4);
  form1.FormClose();
  EXPECT_EQ(platform.messages(),
            (std::vector<std::string>{"The settings could not be saved: disk full"}));
  EXPECT_EQ(store.readInteger("UpDown18"), 4);
  EXPECT_FALSE(store.contains("ProxyHostEdit"));
}

// The settings and the tip list are saved each on its own; the message names what failed.
TEST_F(SettingsTest, EachPartIsSavedOnItsOwnAndEveryFailureIsNamed) {
  BrokenStore brokenStore;
  TForm1 form1(platform, brokenStore, home.home());
  form1.FormCreate(TForm1::kClientHeight);
  form1.form.ListBox1.setLines({"01,02"});
  form1.FormClose();
  EXPECT_EQ(home.readBytes("tipps.txt"), "01,02\r\n");

  // A folder in the tip file's place: the settings are still written.
  std::filesystem::create_directories(home.file("other") / "tipps.txt" / "x");
  form1.form.Home = (home.file("other") / "").string();
  form1.FormClose();
  ASSERT_EQ(platform.messages().size(), 2u);
  EXPECT_EQ(platform.messages()[1].rfind("The settings could not be saved: disk full\nThe tip "
                                         "list could not be saved: Cannot replace ",
                                         0),
            0u)
      << platform.messages()[1];

  TForm1 sound(platform, settings, home.home());
  sound.FormCreate(TForm1::kClientHeight);
  sound.form.Home = form1.form.Home;
  sound.form.UpDown18.setPosition(4);
  sound.FormClose();
  ASSERT_EQ(platform.messages().size(), 3u);
  EXPECT_EQ(platform.messages()[2].rfind("The tip list could not be saved: ", 0), 0u);
  EXPECT_EQ(settings.readInteger("UpDown18"), 4);
  EXPECT_FALSE(std::filesystem::exists(home.file("other") / "tipps.txt.new"));
}

}  // namespace
}  // namespace numora
