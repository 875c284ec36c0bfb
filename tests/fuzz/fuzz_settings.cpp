// A settings file of any bytes, read at start as the program reads it, followed by the handlers
// of the activation that use what was read. Every control ends within its limits.
#include <cmath>
#include <cstdint>
#include <string>

#include "app/daruvizo.h"
#include "app/settings_store.h"
#include "draws/lottery.h"
#include "form/scripted_platform.h"
#include "fuzz/fuzz_support.h"

namespace {

using namespace numora;
using fuzz::require;

void checkControls(TForm1& form1, bool activated) {
  Form& form = form1.form;
  for (int n = 1; n <= 30; ++n) {
    const UpDown* upDown = form.upDown(n);
    if (!upDown) continue;
    require(upDown->position() >= upDown->min() && upDown->position() <= upDown->max(),
            "an up-down outside its limits");
  }
  require(form.UpDown3.position() >= form.UpDown1.position(),
          "the maximum of matches is below the minimum");
  for (const ComboBox* box : {&form.ComboBox1, &form.ComboBox2, &form.ComboBox3}) {
    require(box->itemIndex() >= -1 && box->itemIndex() < static_cast<int>(box->items().size()),
            "a combo box selects an item it does not have");
  }
  require(
      form.RadioGroup1.itemIndex() == kKenoAtlantic || form.RadioGroup1.itemIndex() == kDailyKeno,
      "no lottery selected");
  for (const DatePicker* picker : {&form.DateTimePicker1, &form.DateTimePicker2}) {
    require(std::isfinite(picker->date()) && picker->date() >= picker->minDate(),
            "a date picker holds no date or one below its limit");
  }
  // The cost read at start is worked out afresh by the activation.
  if (activated) require(std::isfinite(form.Preis), "the cost is no number");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The reader keeps a file it read in memory and reads it again when its time stamp changes.
  const auto path = fuzz::scratchFolder() / "VuduRo.ini";
  fuzz::writeFile(path, fuzz::asText(data, size));
  const auto home = fuzz::scratchFolder() / "home";
  std::filesystem::create_directories(home);
  {
    FileSettingsStore settings(path.string());
    ScriptedPlatform platform;
    platform.fixClock(fuzz::fuzzNow());
    TForm1 form1(platform, settings, home.string() + "/");
    form1.FormCreate(TForm1::kClientHeight);
    checkControls(form1, false);
    // What the activation does with the settings read, short of the update run.
    form1.form.ComboBox1.setItemIndex(form1.form.System);
    form1.handle([&] { form1.ComboBox1Change(); });
    form1.handle([&] { form1.Edit1Exit(); });
    form1.form.PageControl1.setActivePage(kOddsPage);
    form1.handle([&] { form1.PageControl1Change(); });
    checkControls(form1, true);
  }
  std::filesystem::remove(path);
  return 0;
}
