// Start-up, activation, resizing and closing of the main window.
#include <filesystem>

#include "app/daruvizo.h"
#include "app/settings_persistence.h"
#include "draws/lottery.h"
#include "generator/option_coupling.h"

namespace numora {

void TForm1::FormCreate(int windowHeight) {
  // The fixed date and number formats live in the conversion functions themselves.
  form.random.setSeed(platform_.tickCount());
  form.groesse = windowHeight;
  form.sortieren = false;
  const int lotteryIndex = loadSettings(form, platform_, settings_);
  applyRunBudget(form);
  if (form.ProxyHostEdit.text().empty()) form.ProxyPortEdit.setText("80");
  loadTipList(form, platform_);
  // The stored lottery is selected without the lottery switch: the pickers keep their design
  // lower limit until the user switches.
  // Daily Keno for the stored index 1 (the default); any other index selects Keno Atlantic.
  const bool daily = lotteryIndex == kDailyKeno;
  form.ZahlenFile = daily ? "VuduRO.dat" : "KenoAl.dat";
  form.RadioGroup1.setItemIndex(daily ? kDailyKeno : kKenoAtlantic);
  form.SoundName = form.Home + "yippee.wav";
  ResultsSiteEditChange();
  (void)form.DateTimePicker1.setDate(platform_.today());
  autosave_.start(form, platform_);
}

void TForm1::FormActivate() {
  // The start sequence runs once, when the window first shows: closing one of the program's own
  // dialogs later changes nothing but what that dialog did.
  if (activatedBefore_) return;
  activatedBefore_ = true;
  activating_ = true;
  runReportingErrors([this] {
    SpeedButton5Click();
    // Show by date has just reported a missing draw file; the chart waits for the draws.
    if (std::filesystem::exists(currentDrawFile(drawContext()))) SpeedButton2Click();
    form.ComboBox1.setItemIndex(form.System);
    ComboBox1Change();
    ZentorClick(UpdateTrigger::Activation);
  });
  activating_ = false;
}

std::optional<double> TForm1::FormResize(int windowHeight) {
  if (windowHeight == form.groesse || form.groesse <= 0) return std::nullopt;
  const double factor = static_cast<double>(windowHeight) / form.groesse;
  form.groesse = windowHeight;
  return factor;
}

void TForm1::FormClose() {
  form.closing = true;
  SpeedButton8Click();  // a running update stops after its current pass
  stopBackgroundTask();
  // Long work notices the close and stops; what the close saves is saved once it has.
  if (longWork_.running()) {
    closePending_ = true;
    return;
  }
  finishClose();
}

void TForm1::finishClose() {
  saveSettings(form, platform_, settings_);
}

}  // namespace numora
