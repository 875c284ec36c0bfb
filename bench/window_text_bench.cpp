// The window's French text of a model text, as every refresh asks for it: a status line that
// no pattern fits (the calculation writes one per candidate) and a message of nested patterns.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTranslator>
#include <string>

#include "app/qt/language_choice.h"
#include "app/qt/window_text.h"
#include "draws/damaged_records.h"

namespace numora {
namespace {

// The application and the window's French translation, once for every benchmark.
bool frenchInstalled() {
  static int argc = 1;
  static char name[] = "numora_bench";
  static char* argv[] = {name, nullptr};
  // Never destroyed: the benchmarks end with the process.
  static const auto* application = new QCoreApplication(argc, argv);
  (void)application;
  static const bool installed = [] {
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : translationFolders()) {
      if (translator->load(QStringLiteral("numora_fr"), folder)) {
        return QCoreApplication::installTranslator(translator);
      }
    }
    return false;
  }();
  return installed;
}

void BM_WindowText(benchmark::State& state, const std::string& text) {
  if (!frenchInstalled()) {
    state.SkipWithError("the French translation is not built");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(windowText(text));
}

BENCHMARK_CAPTURE(BM_WindowText, statusLine,
                  std::string("12.Tip:   3 17 25 33 41 52 60 68 CS: 299"));
BENCHMARK_CAPTURE(BM_WindowText, damagedRecords,
                  damagedRecordsMessage("Kenoal.dat", DrawFileCheck{{3, 4}, 2}, 5));

}  // namespace
}  // namespace numora
