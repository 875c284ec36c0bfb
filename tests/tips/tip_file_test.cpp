// Tip files: reading with and without byte-order marks, the saved bytes, loading in place of the
// tip list, and a file that cannot be read keeping the list.
#include "tips/tip_file.h"

#include "support/draw_test_fixture.h"
#include "support/fifo_guard.h"

namespace numora {
namespace {

using Lines = std::vector<std::string>;

TEST(DecodeTextLines, SplitsAtBothLineEndsAfterTheByteOrderMark) {
  struct Case {
    const char* name;
    std::string bytes;
    Lines lines;
  };
  const std::string utf16le(
      "\xFF\xFE"
      "0\0001\0,\0000\0002\0\r\0\n\0"
      "7\0000\0",
      20);
  const Case cases[] = {
      {"CR LF", "01,02\r\n03,04\r\n", {"01,02", "03,04"}},
      {"LF only", "01,02\n03,04", {"01,02", "03,04"}},
      {"UTF-8 mark",
       "\xEF\xBB\xBF"
       "01,02\r\n",
       {"01,02"}},
      {"UTF-16 LE mark", utf16le, {"01,02", "70"}},
      {"empty line kept", "01\r\n\r\n02\r\n", {"01", "", "02"}},
      {"empty file", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(decodeTextLines(c.bytes), c.lines);
  }
}

TEST(ProposedTipFileName, IsTheDayAfterThePickedDate) {
  EXPECT_EQ(proposedTipFileName(encodeDate(2023, 5, 5)), "20230506.hlt");
  EXPECT_EQ(proposedTipFileName(encodeDate(2023, 12, 31)), "20240101.hlt");
  EXPECT_EQ(proposedTipFileName(encodeDate(2024, 2, 28)), "20240229.hlt");
}

class TipFileTest : public test::DrawTest {
 protected:
  void SetUp() override {
    home.writeDraws("Vuduro.dat",
                    test::generateHistory(encodeDate(2023, 5, 3), encodeDate(2023, 5, 5), true));
    form.DateTimePicker1.setMinDate(encodeDate(1996, 4, 29));
    ASSERT_TRUE(form.DateTimePicker1.setDate(encodeDate(2023, 5, 4)));
    form.ListBox1.setLines({"01,02,03", "10,20,30"});
  }
  std::string path(const std::string& name) { return home.file(name).string(); }
};

TEST_F(TipFileTest, SaveWritesEachTipWithCrLfAndNoByteOrderMark) {
  platform.queueFile(path("tips.hlt"));
  saveTipFile(form, platform);
  EXPECT_EQ(home.readBytes("tips.hlt"), "01,02,03\r\n10,20,30\r\n");
  ASSERT_TRUE(platform.lastFileRequest());
  EXPECT_EQ(platform.lastFileRequest()->filter, "Tipfile|*.hlt");
  EXPECT_EQ(platform.lastFileRequest()->defaultExtension, "hlt");
  EXPECT_EQ(platform.lastFileRequest()->proposedName, "20230505.hlt");
  EXPECT_FALSE(std::filesystem::exists(home.file("tips.hlt~"))) << "no scratch file left";
}

TEST_F(TipFileTest, SaveCancelledWritesNothingAndAFailedWriteIsAnError) {
  platform.queueFile(std::nullopt);
  saveTipFile(form, platform);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.path()), {}), 1);
  platform.queueFile(path("no such folder/tips.hlt"));
  EXPECT_THROW(saveTipFile(form, platform), std::runtime_error);
}

TEST_F(TipFileTest, LoadReplacesTheListSetsTotalTipsAndScoresIt) {
  struct Case {
    int lines;
    int totalTips;
  };
  for (const Case c : {Case{3, 3}, Case{0, 1}, Case{130, 120}}) {
    SCOPED_TRACE(c.lines);
    std::string bytes;
    for (int i = 0; i < c.lines; ++i) bytes += "05,0" + std::to_string(i % 10) + "\r\n";
    home.writeBytes("in.hlt", bytes);
    platform.queueFile(path("in.hlt"));
    loadTipFile(context());
    EXPECT_EQ(form.ListBox1.count(), static_cast<std::size_t>(c.lines)) << "every line kept";
    EXPECT_EQ(form.totalTips(), c.totalTips);
    EXPECT_EQ(form.Edit1.text(), std::to_string(c.totalTips));
    EXPECT_EQ(form.ListBox2.count(), form.ListBox1.count()) << "the full check ran";
    EXPECT_EQ(form.Position, 2) << "the draw of the picked date is shown";
  }
}

TEST_F(TipFileTest, SavedFileLoadsBackUnchanged) {
  form.ListBox1.setLines({"01,02,03", " 4, 5", "", "x"});
  platform.queueFile(path("round.hlt"));
  saveTipFile(form, platform);
  form.ListBox1.clear();
  form.sortieren = false;  // the full check would drop the empty line
  platform.queueFile(path("round.hlt"));
  loadTipFile(context());
  EXPECT_EQ(form.ListBox1.lines(), (Lines{"01,02,03", " 4, 5", "", "x"}));
}

TEST_F(TipFileTest, AFileThatCannotBeReadKeepsTheListAndSaysWhy) {
  std::filesystem::create_directory(home.file("folder.hlt"));
  for (const std::string name : {"missing.hlt", "folder.hlt"}) {
    SCOPED_TRACE(name);
    platform.queueFile(path(name));
    loadTipFile(context());
    EXPECT_EQ(form.ListBox1.lines(), (Lines{"01,02,03", "10,20,30"}));
    ASSERT_FALSE(platform.messages().empty());
    EXPECT_NE(platform.messages().back().find(name), std::string::npos)
        << platform.messages().back();
    EXPECT_EQ(form.ListBox2.count(), 2u) << "show by date still ran";
  }
}

// Saving with a pipe in the tip file's or its scratch file's place, and loading a pipe, are
// refused at once; the file and the list stay as they were.
TEST_F(TipFileTest, APipeIsRefusedWithoutWaitingAndNothingIsLost) {
  struct Case {
    const char* pipe;
    bool save;
  };
  for (const Case c : {Case{"tips.hlt~", true}, Case{"tips.hlt", true}, Case{"tips.hlt", false}}) {
    SCOPED_TRACE(std::string(c.pipe) + (c.save ? " on saving" : " on loading"));
    std::filesystem::remove(home.file("tips.hlt"));
    std::filesystem::remove(home.file("tips.hlt~"));
    if (std::string(c.pipe) != "tips.hlt") home.writeBytes("tips.hlt", "07,08\r\n");
    test::makeFifo(home.file(c.pipe));
    platform.queueFile(path("tips.hlt"));
    bool refused = false;
    EXPECT_TRUE(test::endsWithoutBlocking(
        [&] {
          try {
            if (c.save) {
              saveTipFile(form, platform);
            } else {
              loadTipFile(context());
              refused = platform.messages().back().find("no regular file") != std::string::npos;
            }
          } catch (const std::runtime_error& error) {
            refused = std::string(error.what()).find("no regular file") != std::string::npos;
          }
        },
        {home.file(c.pipe)}));
    EXPECT_TRUE(refused);
    EXPECT_EQ(std::filesystem::status(home.file(c.pipe)).type(), std::filesystem::file_type::fifo);
    if (std::string(c.pipe) != "tips.hlt") {
      EXPECT_EQ(home.readBytes("tips.hlt"), "07,08\r\n");
    }
    EXPECT_EQ(form.ListBox1.lines(), (Lines{"01,02,03", "10,20,30"}));
  }
}

TEST_F(TipFileTest, LoadCancelledKeepsTheListAndStillShowsByDate) {
  platform.queueFile(std::nullopt);
  loadTipFile(context());
  EXPECT_EQ(form.ListBox1.count(), 2u);
  EXPECT_EQ(form.ListBox2.count(), 2u);
  EXPECT_EQ(form.Position, 2);
  EXPECT_TRUE(platform.messages().empty());
}

}  // namespace
}  // namespace numora
