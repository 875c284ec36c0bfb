// A platform without a screen: dialogs are answered from queues filled in advance, message
// boxes and input boxes are reported as lines of text, the clock can be fixed. numora-cli runs
// the form model on it, and the tests use it as their fake.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "form/platform.h"

namespace numora {

class ScriptedPlatform : public Platform {
 public:
  // The queued reply to the next number-choice dialog: the steps the user takes while it is
  // open, then the button that closes it.
  struct ChoiceAnswer {
    ModalResult result = ModalResult::Cancel;
    std::vector<std::string> steps;
  };

  // Each line the platform reports ("message: ...", "input: ...").
  std::function<void(const std::string&)> report;
  // Carries out the steps of a choice answer on the dialog's model.
  std::function<void(const std::vector<std::string>&)> applyChoiceSteps;
  // Paint a PDF file and a chart image; without them both are refused as unavailable.
  std::function<void(const PrintDocument&, const std::string&)> pdfWriter;
  std::function<void(const Chart&, const std::string&, ImageSize)> chartWriter;
  // Called once per processEvents, so a script can act while a long operation runs.
  std::function<void()> onProcessEvents;

  void queueInput(std::optional<std::string> answer) { inputs_.push_back(std::move(answer)); }
  void queueFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
  void queueChoice(ChoiceAnswer answer) { choices_.push_back(std::move(answer)); }
  void fixClock(DayCount now) { fixedNow_ = now; }
  // The reply to the next image-size question; without one the proposed size is taken.
  void queueImageSize(std::optional<ImageSize> size) { imageSizes_.push_back(size); }
  // The paper of the print dialog and of PDF files.
  void setPaper(PaperSize paper) { paper_ = paper; }
  // The documents sent to the printer.
  const std::vector<PrintDocument>& printed() const { return printed_; }

  const std::vector<std::string>& messages() const { return messages_; }
  const std::vector<std::string>& soundsPlayed() const { return sounds_; }
  const std::vector<std::string>& opened() const { return opened_; }
  const std::optional<FileDialogRequest>& lastFileRequest() const { return lastFileRequest_; }
  int processEventsCalls() const { return processEventsCalls_; }
  bool waitCursor() const { return waitCursor_; }

  void showMessage(const PatternText& text) override;
  std::string inputBox(const std::string& caption, const std::string& prompt,
                       const std::string& preset) override;
  std::optional<std::string> openFileDialog(const FileDialogRequest& request) override;
  std::optional<std::string> saveFileDialog(const FileDialogRequest& request) override;
  ModalResult showNumberChoiceDialog() override;
  void processEvents() override;
  // Runs the work to its end here, a progress point (and the hook) wherever the work sets one.
  void startWork(BackgroundWork work) override;
  void repaint() override {}
  void setWaitCursor(bool on) override { waitCursor_ = on; }
  void shellOpen(const std::string& target) override;
  void playSound(const std::string& path) override { sounds_.push_back(path); }
  std::optional<PaperSize> choosePrinter() override;
  void printDocument(const PrintDocument& document) override;
  void writePdf(const PrintDocument& document, const std::string& path) override;
  PaperSize defaultPaper() override { return paper_; }
  std::optional<ImageSize> askImageSize(ImageSize preset) override;
  void saveChartImage(const Chart& chart, const std::string& path, ImageSize size) override;
  // "detail: TEXT", a line each.
  void reportDetails(const std::vector<std::string>& lines) override;
  DayCount now() override;
  std::uint32_t tickCount() override;
  WeekdayNames shortDayNames() override;
  WeekdayNames longDayNames() override;

 private:
  void reportLine(const std::string& line);
  std::optional<std::string> nextFile();

  std::deque<std::optional<std::string>> inputs_;
  std::deque<std::optional<std::string>> files_;
  std::deque<ChoiceAnswer> choices_;
  std::deque<std::optional<ImageSize>> imageSizes_;
  std::vector<PrintDocument> printed_;
  PaperSize paper_ = PaperSize::A4;
  std::optional<DayCount> fixedNow_;
  std::optional<FileDialogRequest> lastFileRequest_;
  std::vector<std::string> messages_;
  std::vector<std::string> sounds_;
  std::vector<std::string> opened_;
  int processEventsCalls_ = 0;
  bool waitCursor_ = false;
};

}  // namespace numora
