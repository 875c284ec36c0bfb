// How long the window goes without answering while long work runs: the real window on the real
// platform (offscreen), a 10 ms timer on the window's thread, and the longest gap between two of
// its ticks from the click that starts the work until the work's end is applied. Each run also
// gives the time from a Stop to the end of the work where the operation is stopped.
//   0: a per-draw back-test over ten years of Keno Atlantic, stopped after 1 s;
//   1: a calculation that can never find its tips (budget ten million), stopped after 0.5 s;
//   2: the first visit to the "Odds" tab after a per-draw test over ten years;
//   3: the second visit.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "app/daruvizo.h"
#include "app/qt/main_window_view.h"
#include "app/qt/qt_platform.h"
#include "app/settings_store.h"
#include "evaluation/odds_page.h"
#include "support/draw_fixtures.h"
#include "support/temp_home.h"

namespace numora {
namespace {

constexpr DayCount kToday = 46366;  // 10.12.2026
constexpr DayCount kFirst = kToday - 3652;

// The real platform with a fixed clock, the lucky number's proposal taken and message boxes
// noted instead of waiting for a click.
class BenchPlatform : public QtPlatform {
 public:
  void showMessage(const PatternText&) override {}
  std::string inputBox(const std::string&, const std::string&, const std::string&) override {
    return "4711";
  }
  DayCount now() override { return kToday + 0.9; }
};

QApplication& application() {
  static int argc = 1;
  static char name[] = "numora_window_bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: the benchmarks end with the process.
  static auto* app = new QApplication(argc, argv);
  return *app;
}

struct RealWindow {
  RealWindow() {
    home.writeDraws("Kenoal.dat", test::generateHistory(kFirst, kToday - 1, false));
    settings.writeInteger("Radio1", 0);
    form1 = std::make_unique<TForm1>(platform, settings, home.home());
    form1->handle([this] { form1->FormCreate(TForm1::kClientHeight); });
    view = std::make_unique<MainWindowView>(*form1);
    platform.setDialogParent(view.get());
    platform.setRepaintHandler([this] { view->refresh(); });
    view->show();
    QCoreApplication::processEvents();
    (void)form1->form.DateTimePicker1.setDate(kFirst);
    form1->form.sortieren = true;
  }

  // Clicks a handler as the window does; the longest gap between ticks of a 10 ms timer until
  // the work has ended, and the time from the stop (after `stopAfterMs`, none when 0) to the end.
  std::pair<double, double> measure(const char* handler, int stopAfterMs) {
    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    QTimer ticks;
    ticks.setInterval(10);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
      const qint64 now = clock.elapsed();
      longestGap = std::max(longestGap, now - lastTick);
      lastTick = now;
    });
    QElapsedTimer sinceStop;
    // Owned here: work that ends before its stop is due leaves no stop behind for the next.
    QTimer stopTimer;
    stopTimer.setSingleShot(true);
    QObject::connect(&stopTimer, &QTimer::timeout, [&] {
      if (!form1->backgroundWorkRunning()) return;
      sinceStop.start();
      view->forward(form1->handlers().at("StopClick"));
    });
    if (stopAfterMs > 0) stopTimer.start(stopAfterMs);
    clock.start();
    ticks.start();
    view->forward(form1->handlers().at(handler));
    QEventLoop loop;
    QTimer done;
    QObject::connect(&done, &QTimer::timeout, [&] {
      if (!form1->backgroundWorkRunning()) loop.quit();
    });
    done.start(1);
    loop.exec();
    const double stopMs = sinceStop.isValid() ? static_cast<double>(sinceStop.elapsed()) : 0;
    // The tick after the end closes the last gap.
    QCoreApplication::processEvents();
    longestGap = std::max(longestGap, clock.elapsed() - lastTick);
    return {static_cast<double>(longestGap), stopMs};
  }

  test::TempHome home;
  BenchPlatform platform;
  MemorySettingsStore settings;
  std::unique_ptr<TForm1> form1;
  std::unique_ptr<MainWindowView> view;
};

void BM_WindowLatencyDuringWork(benchmark::State& state) {
  (void)application();
  const auto operation = state.range(0);
  double gap = 0;
  double stop = 0;
  double cycles = -1;
  for (auto _ : state) {
    RealWindow window;
    if (operation == 0) {
      std::tie(gap, stop) = window.measure("ErfolgstestClick", 1000);
      if (window.form1->lastBacktest()) {
        cycles = static_cast<double>(window.form1->lastBacktest()->cycles);
      }
    } else if (operation == 1) {
      Form& form = window.form1->form;
      form.UpDown18.setPosition(3);
      form.CheckBox22.setChecked(true);
      form.UpDown10.setPosition(6);
      form.UpDown7.setPosition(10000);
      std::tie(gap, stop) = window.measure("BitBtn19Click", 500);
      state.counters["candidates"] =
          static_cast<double>(window.form1->calculationState().rejections.candidates);
    } else {
      (void)window.measure("ErfolgstestClick", 0);
      if (window.form1->lastBacktest()) {
        cycles = static_cast<double>(window.form1->lastBacktest()->cycles);
      }
      window.form1->form.PageControl1.setActivePage(kOddsPage);
      if (operation == 3) (void)window.measure("PageControl1Change", 0);
      std::tie(gap, stop) = window.measure("PageControl1Change", 0);
    }
  }
  state.counters["longest_gap_ms"] = gap;
  if (stop > 0) state.counters["stop_ms"] = stop;
  if (cycles >= 0) state.counters["cycles"] = cycles;
}

BENCHMARK(BM_WindowLatencyDuringWork)
    ->ArgName("operation")
    ->DenseRange(0, 3)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

}  // namespace
}  // namespace numora
