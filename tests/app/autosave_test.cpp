// The tip list and the settings are written when they change, not only at closing; a part that
// cannot be written costs no other part, is told once, and a pipe in a file's place is refused
// without waiting.
#include "app/autosave.h"

#include <filesystem>
#include <stdexcept>

#include "support/app_fixture.h"
#include "support/fifo_guard.h"

namespace numora::test {
namespace {

class AutosaveTest : public AppTest {
 protected:
  void addTipAndTick(const std::string& tip) {
    form1->handle([&] {
      form().ListBox1.add(tip);
      form().CheckBox5.setChecked(!form().CheckBox5.checked());
    });
  }
};

TEST_F(AutosaveTest, AChangeIsWrittenAfterTheHandlerThatMadeIt) {
  create();
  const bool ticked = !form().CheckBox5.checked();
  addTipAndTick("01,02,03");
  EXPECT_EQ(home.readBytes("tipps.txt"), "01,02,03\r\n");
  EXPECT_EQ(settings.readBool("Chekcbox5"), ticked);
  // Nothing changed: nothing is written again.
  home.writeBytes("tipps.txt", "written by hand\r\n");
  form1->handle([] {});
  EXPECT_EQ(home.readBytes("tipps.txt"), "written by hand\r\n");
  EXPECT_FALSE(std::filesystem::exists(home.file("tipps.txt.new")));
}

class UnwritableStore : public MemorySettingsStore {
 public:
  void flush() override { throw std::runtime_error("read-only file"); }
};

TEST_F(AutosaveTest, ASettingsFileThatCannotBeWrittenCostsNoTipsAndIsToldOnce) {
  UnwritableStore store;
  form1 = std::make_unique<TForm1>(platform, store, home.home());
  form1->FormCreate(TForm1::kClientHeight);
  addTipAndTick("01,02,03");
  addTipAndTick("04,05,06");
  EXPECT_EQ(home.readBytes("tipps.txt"), "01,02,03\r\n04,05,06\r\n");
  EXPECT_EQ(platform.messages(),
            std::vector<std::string>{"The settings could not be saved: read-only file"});
}

TEST_F(AutosaveTest, APipeInTheTipListsOrItsScratchFilesPlaceIsRefusedWithoutWaiting) {
  for (const char* pipe : {"tipps.txt.new", "tipps.txt"}) {
    SCOPED_TRACE(pipe);
    TempHome other;
    if (std::string(pipe) == "tipps.txt.new") other.writeBytes("tipps.txt", "01,02,03\r\n");
    makeFifo(other.file(pipe));
    ScriptedPlatform quiet;
    quiet.fixClock(encodeDate(2023, 6, 20) + 0.5);
    TForm1 window(quiet, settings, other.home());
    EXPECT_TRUE(endsWithoutBlocking(
        [&] {
          window.FormCreate(TForm1::kClientHeight);
          window.handle([&] { window.form.ListBox1.add("04,05,06"); });
        },
        {other.file(pipe)}));
    ASSERT_EQ(quiet.messages().size(), 1u);
    EXPECT_EQ(quiet.messages()[0].rfind("The tip list could not be saved: ", 0), 0u)
        << quiet.messages()[0];
    EXPECT_EQ(std::filesystem::status(other.file(pipe)).type(), std::filesystem::file_type::fifo);
    if (std::string(pipe) == "tipps.txt.new") {
      EXPECT_EQ(other.readBytes("tipps.txt"), "01,02,03\r\n");
    }
  }
}

}  // namespace
}  // namespace numora::test
