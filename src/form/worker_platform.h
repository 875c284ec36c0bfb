// The platform of a form copy that long work computes on, on a worker thread: no window and no
// dialog (an input box takes its preset, the number-choice dialog counts as cancelled), the
// clock and day names of the moment the work was prepared. The messages the work gives wait
// for the window's thread; a stop request reaches the work as the closing of its window, where
// the work looks for events; what the window shows of the work (the progress bar, the replay's
// progress label, the status line) is published for the window's thread to take.
#pragma once

#include <array>
#include <chrono>
#include <mutex>
#include <stop_token>
#include <string>
#include <vector>

#include "form/background_work.h"
#include "form/form.h"
#include "form/platform.h"

namespace numora {

// What the window shows of work on a form copy while it runs.
struct FormProgress {
  bool barVisible = false;
  int position = 0;
  int maximum = 0;
  PatternText barCaption;
  PatternText replayCaption;
  std::array<std::string, StatusBar::kPanels> panels;
  // A calculation's tips as they are found, and its pair option, dropped at half the budget.
  std::vector<std::string> tips;
  bool pairRequired = false;

  static FormProgress of(const Form& form);
  // Puts it on the window's form.
  void showOn(Form& form) const;
};

// The clock and the day names, taken on the window's thread when the work is prepared.
struct PlatformMoment {
  DayCount now = 0;
  WeekdayNames shortNames;
  WeekdayNames longNames;

  static PlatformMoment of(Platform& platform);
};

class WorkerPlatform : public Platform {
 public:
  WorkerPlatform(Form& form, PlatformMoment moment, std::stop_token stop, const WorkPoints& points,
                 LatestValue<FormProgress>& progress);

  // The messages the work gave, each text once, in the order first given.
  std::vector<PatternText> messages() const;
  // The lines that explain a short outcome, for the window's platform.
  std::vector<std::string> details() const;
  // Publishes what the form shows now.
  void publishProgress();

  void showMessage(const PatternText& text) override;
  std::string inputBox(const std::string&, const std::string&, const std::string& preset) override {
    return preset;
  }
  std::optional<std::string> openFileDialog(const FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<std::string> saveFileDialog(const FileDialogRequest&) override {
    return std::nullopt;
  }
  ModalResult showNumberChoiceDialog() override { return ModalResult::Cancel; }
  void processEvents() override;
  void repaint() override;
  bool wantsProgress() override;
  void setWaitCursor(bool) override {}
  void shellOpen(const std::string&) override {}
  void reportDetails(const std::vector<std::string>& lines) override;
  // Kept, not played: the window plays the last one when the work's end is applied.
  void playSound(const std::string& path) override;
  std::optional<std::string> lastSound() const;
  DayCount now() override { return moment_.now; }
  std::uint32_t tickCount() override { return 0; }
  WeekdayNames shortDayNames() override { return moment_.shortNames; }
  WeekdayNames longDayNames() override { return moment_.longNames; }

 private:
  void lookForStop();

  Form& form_;
  PlatformMoment moment_;
  std::stop_token stop_;
  const WorkPoints& points_;
  LatestValue<FormProgress>& progress_;
  std::chrono::steady_clock::time_point lastPublished_{};
  mutable std::mutex mutex_;
  std::vector<PatternText> messages_;
  std::vector<std::string> details_;
  std::optional<std::string> lastSound_;
};

}  // namespace numora
