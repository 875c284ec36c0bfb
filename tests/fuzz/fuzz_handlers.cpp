// The main window's handlers on a draw file of any bytes, as a user clicks them: show by date,
// steps back and forward, and a short back-test. The run has a time limit per input, so a replay
// or a step that never ends shows as a timeout. No handler may write the draw file, and a
// back-test counts no more cycles than the file has records.
#include <cstdint>
#include <functional>
#include <string>

#include "app/daruvizo.h"
#include "app/settings_store.h"
#include "draws/draw_file.h"
#include "draws/lottery.h"
#include "form/scripted_platform.h"
#include "fuzz/fuzz_support.h"

namespace {

using namespace numora;
using fuzz::require;

constexpr std::size_t kControlBytes = 4;
// A short back-test: a longer file is cut to this many records.
constexpr std::size_t kMostRecords = 150;

void (TForm1::*const kBacktests[])() = {
    &TForm1::Button7Click,  &TForm1::Button8Click,  &TForm1::Button9Click,
    &TForm1::Button10Click, &TForm1::Button11Click, &TForm1::BitBtn9Click,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Byte 0: the lottery and the back-test; byte 1: the steps; bytes 2, 3: the picked date.
  if (size < kControlBytes) return 0;
  const std::uint8_t choice = data[0];
  const std::uint8_t steps = data[1];
  const int pickedOffset = data[2] | data[3] << 8;
  std::string file(fuzz::asText(data + kControlBytes, size - kControlBytes));
  file.resize(std::min(file.size(), kMostRecords * DrawRecord::kSize));
  const std::size_t records = file.size() / DrawRecord::kSize;

  const int index = choice & 1 ? kDailyKeno : kKenoAtlantic;
  const Lottery& chosen = lottery(index);
  const auto home = fuzz::scratchFolder() / "handlers";
  std::filesystem::remove_all(home);
  std::filesystem::create_directories(home);
  fuzz::writeFile(home / chosen.drawFile, file);

  ScriptedPlatform platform;
  platform.fixClock(fuzz::fuzzNow());
  MemorySettingsStore settings;
  settings.writeInteger("Radio1", index);
  TForm1 form1(platform, settings, home.string() + "/");
  form1.FormCreate(TForm1::kClientHeight);
  Form& form = form1.form;
  form.ListBox1.setLines({"01,02,03,04,05,06,07,08,09,10", "11,22,33,44,55,66,70"});
  // The smallest calculation budget keeps a calculation inside a back-test short.
  form.UpDown7.setPosition(form.UpDown7.min());
  form1.UpDown7Changing();
  form.sortieren = true;

  (void)form.DateTimePicker1.setDate(chosen.firstDrawDate + pickedOffset % 10000);
  form1.handle([&] { form1.SpeedButton5Click(); });
  for (int bits = steps; bits > 1; bits >>= 1) {
    form1.handle([&] { bits & 1 ? form1.SpeedButton7Click() : form1.SpeedButton6Click(); });
  }
  const std::size_t test = (choice >> 1) % (std::size(kBacktests) + 1);
  if (test < std::size(kBacktests)) {
    (void)form.DateTimePicker1.setDate(chosen.firstDrawDate + pickedOffset % 10000);
    form1.handle([&] { (form1.*kBacktests[test])(); });
    if (const auto& totals = form1.lastBacktest()) {
      require(totals->cycles >= 0 && static_cast<std::size_t>(totals->cycles) <= records,
              "a back-test counted more cycles than the file has draws");
    }
  }
  require(fuzz::readFile(home / chosen.drawFile) == file, "a handler changed the draw file");
  return 0;
}
