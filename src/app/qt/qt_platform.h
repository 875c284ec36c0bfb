// The Platform port on Qt: real message boxes, input boxes, file dialogs and the number-choice
// dialog, the event loop, the wait cursor, the desktop's "open" action, sound and the system
// clock and locale.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <functional>
#include <list>
#include <memory>
#include <thread>

#include "app/qt/sound_player.h"
#include "form/platform.h"

class QPrinter;

namespace numora {

class TForm6;

class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  // The window the dialogs belong to (the main window once it exists).
  void setDialogParent(QWidget* parent) { dialogParent_ = parent; }
  // The model of the number-choice dialog (the main window's Form6); without one the dialog
  // cannot be shown and counts as cancelled.
  void setNumberChoiceDialog(TForm6* model) { numberChoice_ = model; }
  // How a repaint request reaches the view: it shows the form model again and repaints.
  void setRepaintHandler(std::function<void()> handler) { repaintHandler_ = std::move(handler); }

  void showMessage(const PatternText& text) override;
  std::string inputBox(const std::string& caption, const std::string& prompt,
                       const std::string& preset) override;
  std::optional<std::string> openFileDialog(const FileDialogRequest& request) override;
  std::optional<std::string> saveFileDialog(const FileDialogRequest& request) override;
  ModalResult showNumberChoiceDialog() override;
  void processEvents() override;
  // The computation on a worker thread; its progress shown from a timer and its end applied on
  // the window's thread, as queued events of the event loop.
  void startWork(BackgroundWork work) override;
  void repaint() override;
  void setWaitCursor(bool on) override;
  void shellOpen(const std::string& target) override;
  void playSound(const std::string& path) override;
  std::optional<PaperSize> choosePrinter() override;
  void printDocument(const PrintDocument& document) override;
  void writePdf(const PrintDocument& document, const std::string& path) override;
  PaperSize defaultPaper() override;
  std::optional<ImageSize> askImageSize(ImageSize preset) override;
  void saveChartImage(const Chart& chart, const std::string& path, ImageSize size) override;
  DayCount now() override;
  std::uint32_t tickCount() override;
  WeekdayNames shortDayNames() override;
  WeekdayNames longDayNames() override;

 private:
  std::optional<std::string> fileDialog(const FileDialogRequest& request, bool save);

  QPointer<QWidget> dialogParent_;
  TForm6* numberChoice_ = nullptr;
  std::function<void()> repaintHandler_;
  SoundPlayer sound_;
  std::shared_ptr<QPrinter> printer_;  // the printer chosen last, kept for the next print
  bool waitCursor_ = false;
  std::chrono::steady_clock::time_point lastEvents_{};
  std::chrono::steady_clock::time_point lastRepaint_{};
  // What the work's timer and its end are delivered to; destroyed after the workers have joined.
  QObject workEvents_;
  // One thread per work that has not ended yet (long work, and the comparison with chance a
  // stopped back-test leaves behind), with a flag set when it has.
  struct Worker {
    std::shared_ptr<std::atomic<bool>> ended;
    std::jthread thread;
  };
  std::list<Worker> workers_;
};

}  // namespace numora
