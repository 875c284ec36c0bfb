// The one guard for long work: while a calculation, a back-test, an update run, the historical
// search or a sweep runs and lets the window act, every registered handler is run in its middle,
// and none may change a file in Home, the settings, the tip or hit list or an option; each one the
// guard does not let through says which work runs. Then the three faults found before: an import
// during a back-test, a delete during a calculation and a delete during an update run.
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "app/sweep_page.h"
#include "support/app_fixture.h"
#include "support/options_off.h"
#include "support/results_pages.h"

namespace numora {
namespace {

using test::generateHistory;

// Keno Atlantic, one draw a day: 60 draws stored, the site lists up to yesterday.
const DayCount kFirst = encodeDate(2023, 4, 1);
const DayCount kLastStored = kFirst + 59;
const DayCount kYesterday = encodeDate(2023, 6, 19);

// Counts what reaches the settings store.
class CountingSettings : public MemorySettingsStore {
 public:
  void writeInteger(const std::string& name, int value) override {
    ++writes;
    MemorySettingsStore::writeInteger(name, value);
  }
  void writeString(const std::string& name, const std::string& value) override {
    ++writes;
    MemorySettingsStore::writeString(name, value);
  }
  void writeDouble(const std::string& name, double value) override {
    ++writes;
    MemorySettingsStore::writeDouble(name, value);
  }
  int writes = 0;
};

enum class Work { Calculation, Backtest, UpdateRun, Search, Sweep };

struct WorkCase {
  Work work;
  const char* handler;
  const char* refusal;
};

const WorkCase kWork[] = {
    {Work::Calculation, "BitBtn19Click", "A calculation is running; press Stop or Esc first."},
    {Work::Backtest, "ErfolgstestClick", "A back-test is running; press Stop or Esc first."},
    {Work::UpdateRun, "BitBtn1Click", "An update run is running; press Stop reading or Esc first."},
    {Work::Search, "SpeedButton4Click", "A search is running; press Stop or Esc first."},
    {Work::Sweep, "SweepClick", "A sweep is running; press Stop or Esc first."},
};

// What no handler run in the middle of long work may change.
struct Snapshot {
  std::map<std::string, std::string> files;
  int settingsWrites = 0;
  std::vector<std::string> tips;
  std::vector<std::string> hits;
  std::string options;
  bool operator==(const Snapshot&) const = default;
};

// A main window on a Home with draws, tips and a file to import, with the long work's answers
// queued; `during` runs once, the first time the work lets the window process events.
class LongWorkWindow {
 public:
  explicit LongWorkWindow(Work work) : work_(work) {
    settings.writeInteger("Radio1", 0);  // Keno Atlantic
    draws = generateHistory(kFirst, kYesterday, false, 5);
    home.writeDraws("Kenoal.dat", std::vector<DrawRecord>(draws.begin(), draws.begin() + 60));
    home.writeBytes("tipps.txt", "01,02,03\r\n04,05,06\r\n");
    // An older draw than any stored: an import rewrites the draw file.
    std::string csv = "2023-03-31";
    for (int n = 1; n <= 20; ++n) csv += "," + std::to_string(n);
    home.writeBytes("import.csv", csv + "\n");
    platform.fixClock(encodeDate(2023, 6, 20) + 0.5);
    form1 = std::make_unique<TForm1>(platform, settings, home.home());
    auto site = std::make_unique<test::FakeResultsSite>();
    site->publish(false, draws);
    form1->setHttpClient(std::move(site));
    form1->FormCreate(TForm1::kClientHeight);
    form1->form.ResultsSiteEdit.setText("https://results.test");
    test::switchOffEveryOption(form1->form);
    form1->form.UpDown18.setPosition(3);
    form1->form.UpDown9.setPosition(2);
    form1->SpeedButton5Click();
    settings.writes = 0;
  }

  // Runs the work's handler as a click; `during` runs at its first event processing.
  void run(const char* handler, std::function<void()> during) {
    const auto once = [this, during = std::move(during)] {
      if (fired) return;
      fired = true;
      during();
    };
    platform.onProcessEvents = once;
    // The search processes no events of its own; its hit messages are where clicks come in.
    platform.report = [this, once](const std::string& line) {
      if (work_ == Work::Search && line.starts_with("message: A hit on")) once();
    };
    if (work_ == Work::Backtest) {
      (void)form1->form.DateTimePicker1.setDate(kFirst + 9);
      platform.queueInput("7");
    }
    if (work_ == Work::Search) platform.queueInput("0");
    if (work_ == Work::Sweep) {
      setSweepRow(form1->form, "UpDown18", "3,4");
      form1->form.SweepThreads.setPosition(1);
      platform.queueInput("7");
    }
    form1->handle(form1->handlers().at(handler));
  }

  // The answers a handler run in the middle may ask for.
  void queueAnswers() {
    platform.queueFile(home.file("import.csv").string());
    platform.queueInput("5");
    platform.queueChoice({ModalResult::Ok, {}});
  }

  Snapshot snapshot() const {
    Snapshot shot;
    for (const auto& entry : std::filesystem::directory_iterator(home.path())) {
      const std::string name = entry.path().filename().string();
      shot.files[name] = home.readBytes(name);
    }
    shot.settingsWrites = settings.writes;
    shot.tips = form1->form.ListBox1.lines();
    shot.hits = form1->form.ListBox2.lines();
    for (const Control* control : form1->form.registry.all()) {
      if (control->name() == "OddsAllSizesCheckBox") continue;  // a view, not an option
      if (const auto* box = dynamic_cast<const CheckBox*>(control)) {
        shot.options += control->name() + "=" + std::to_string(box->checked()) + " ";
      } else if (const auto* upDown = dynamic_cast<const UpDown*>(control)) {
        shot.options += control->name() + "=" + std::to_string(upDown->position()) + " ";
      } else if (const auto* combo = dynamic_cast<const ComboBox*>(control)) {
        shot.options += control->name() + "=" + std::to_string(combo->itemIndex()) + " ";
      } else if (const auto* radio = dynamic_cast<const RadioGroup*>(control)) {
        shot.options += control->name() + "=" + std::to_string(radio->itemIndex()) + " ";
      } else if (const auto* edit = dynamic_cast<const Edit*>(control);
                 edit && !dynamic_cast<const Memo*>(control)) {
        shot.options += control->name() + "=" + edit->text() + " ";
      }
    }
    return shot;
  }

  std::vector<DrawRecord> stored() const {
    return form1->drawReader().load(home.file("Kenoal.dat"))->records;
  }

  test::TempHome home;
  ScriptedPlatform platform;
  CountingSettings settings;
  std::unique_ptr<TForm1> form1;
  std::vector<DrawRecord> draws;
  bool fired = false;

 private:
  Work work_;
};

// The handlers that may run during long work, with why; every other one is refused.
const std::set<std::string> kLetThrough = {
    "SpeedButton8Click",  "StopUpdateButtonClick",       // stop the update run
    "PageControl1Change", "OddsAllSizesCheckBoxChange",  // views
    "ListBox1Click",      "ListBox2Click",  // the selection follows between tip and hit list
    "Label43Click",       "Label52Click",
    "Label53Click",       "Label54Click",
    "Label55Click",       "Label56Click",
    "Label59Click",  // open web addresses
    "FormClose",     // stops the work, saves when it has ended
    "StopClick",     // the one stop of whatever work runs (Esc)
};

bool letThrough(const std::string& handler, Work work) {
  if (kLetThrough.count(handler) || handler.ends_with("MouseEnter") ||
      handler.ends_with("MouseLeave")) {
    return true;
  }
  // The one stop of a calculation, a back-test or a sweep.
  if (handler == "BitBtn19Click") {
    return work == Work::Calculation || work == Work::Backtest || work == Work::Sweep;
  }
  if (handler == "SweepStopButtonClick") return work == Work::Sweep;
  // The budget, made to change while a calculation runs.
  return handler == "UpDown7Changing" && work == Work::Calculation;
}

TEST(LongWorkGuard, NoHandlerInTheMiddleOfLongWorkChangesAFileAListOrAnOption) {
  std::vector<std::string> names;
  {
    LongWorkWindow prototype(Work::Calculation);
    for (const auto& [name, handler] : prototype.form1->handlers()) names.push_back(name);
  }
  ASSERT_GT(names.size(), 60u);
  for (const WorkCase& c : kWork) {
    for (const std::string& name : names) {
      SCOPED_TRACE(std::string(c.handler) + " running, " + name + " clicked");
      LongWorkWindow window(c.work);
      std::vector<std::string> said;
      window.run(c.handler, [&] {
        window.queueAnswers();
        const Snapshot before = window.snapshot();
        const std::size_t messages = window.platform.messages().size();
        window.form1->handle(window.form1->handlers().at(name));
        EXPECT_TRUE(window.snapshot() == before);
        said.assign(window.platform.messages().begin() + static_cast<long>(messages),
                    window.platform.messages().end());
      });
      ASSERT_TRUE(window.fired) << "the work processed no events";
      const bool refused = std::count(said.begin(), said.end(), c.refusal) > 0;
      EXPECT_EQ(refused, !letThrough(name, c.work));
    }
  }
}

// The back-test's calculation sees only the draws up to its cycle: an import rewrote the file
// from that view, and every later draw was lost.
TEST(LongWorkGuard, AnImportDuringABacktestKeepsEveryDraw) {
  LongWorkWindow window(Work::Backtest);
  window.run("ErfolgstestClick", [&] {
    window.platform.queueFile(window.home.file("import.csv").string());
    window.form1->handle(window.form1->handlers().at("ImportClick"));
  });
  // The 60 stored draws, every one of them.
  EXPECT_EQ(window.stored(),
            std::vector<DrawRecord>(window.draws.begin(), window.draws.begin() + 60));
}

// "delete" deleted the draw the calculation's history filter looked at last.
TEST(LongWorkGuard, ADeleteDuringACalculationDeletesNothing) {
  LongWorkWindow window(Work::Calculation);
  window.form1->form.CheckBox9.setChecked(true);  // the history filter reads every draw
  const auto before = window.stored();
  window.run("BitBtn19Click",
             [&] { window.form1->handle(window.form1->handlers().at("BitBtn4Click")); });
  EXPECT_EQ(window.stored(), before);
}

// "delete" renamed a new file over the draw file while the run appended to the old one: every
// draw fetched afterwards was lost, and the run said nothing.
TEST(LongWorkGuard, ADeleteDuringAnUpdateRunLosesNoFetchedDraw) {
  LongWorkWindow window(Work::UpdateRun);
  window.run("BitBtn1Click",
             [&] { window.form1->handle(window.form1->handlers().at("BitBtn4Click")); });
  EXPECT_EQ(window.stored(), window.draws);
  EXPECT_EQ(window.platform.messages().front(),
            "An update run is running; press Stop reading or Esc first.");
}

// The close stops the work first; what the close saves is saved once the work has ended.
TEST(LongWorkGuard, ACloseDuringLongWorkStopsItThenSaves) {
  for (const WorkCase& c : kWork) {
    SCOPED_TRACE(c.handler);
    LongWorkWindow window(c.work);
    std::filesystem::remove(window.home.file("tipps.txt"));
    bool savedTooEarly = false;
    window.run(c.handler, [&] {
      window.form1->handle(window.form1->handlers().at("FormClose"));
      savedTooEarly =
          window.settings.writes > 0 || std::filesystem::exists(window.home.file("tipps.txt"));
    });
    EXPECT_FALSE(savedTooEarly);
    EXPECT_GT(window.settings.writes, 0);
    EXPECT_TRUE(std::filesystem::exists(window.home.file("tipps.txt")));
    EXPECT_FALSE(window.form1->longWork().running());
    // Stopped: no report of a back-test, no draw fetched after the stop.
    EXPECT_TRUE(window.platform.opened().empty());
    EXPECT_LT(window.stored().size(), window.draws.size());
  }
}

}  // namespace
}  // namespace numora
