// The Platform port: everything the program takes from the operating system and the window
// system. The Qt view implements it with real dialogs; numora-cli and the tests answer it from
// queues. The clock and the weekday names come only from here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/day_date.h"
#include "form/background_work.h"
#include "form/controls.h"
#include "form/print_document.h"

namespace numora {

enum class ModalResult { None, Ok, Cancel, Abort, Retry };

struct FileDialogRequest {
  std::string filter;            // "Tipfile|*.hlt"
  std::string defaultExtension;  // "hlt"
  std::string proposedName;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // A modal message box with an OK button.
  virtual void showMessage(const PatternText& text) = 0;
  // An input box; a cancel returns the preset.
  virtual std::string inputBox(const std::string& caption, const std::string& prompt,
                               const std::string& preset) = 0;
  // File dialogs; nothing when the user cancels.
  virtual std::optional<std::string> openFileDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> saveFileDialog(const FileDialogRequest& request) = 0;
  // The number-choice dialog, shown modally as its model was prepared.
  virtual ModalResult showNumberChoiceDialog() = 0;

  virtual void processEvents() = 0;
  // Starts long work: the window's platform runs its computation on a worker thread and comes
  // back to the window's thread for its progress and its end; the platforms without a window
  // run it to its end before they return.
  virtual void startWork(BackgroundWork work) { runWorkHere(work, {}, false); }
  virtual void repaint() = 0;
  // Whether what long work shows now would be seen: work skips formatting what nobody sees
  // (a calculation's status line of the candidate tried, thousands of times a second).
  virtual bool wantsProgress() { return true; }
  virtual void setWaitCursor(bool on) = 0;
  // Hands a file or web address to the desktop's "open" action without waiting.
  virtual void shellOpen(const std::string& target) = 0;
  // The lines that explain an outcome (why a calculation found fewer tips than asked), once,
  // when the work ends. The window shows them in the form's panels and ignores this.
  virtual void reportDetails(const std::vector<std::string>& /*lines*/) {}
  // Starts a ".wav" file without waiting; a start while it plays restarts it.
  virtual void playSound(const std::string& path) = 0;

  // Printing and export. The defaults refuse with an error that reaches the user as a message.
  // The print dialog: the paper of the chosen printer, nothing when the user cancels.
  virtual std::optional<PaperSize> choosePrinter();
  // Prints on the printer chosen last.
  virtual void printDocument(const PrintDocument& document);
  virtual void writePdf(const PrintDocument& document, const std::string& path);
  // The paper of the user's region: US Letter in North America, A4 elsewhere.
  virtual PaperSize defaultPaper() { return PaperSize::A4; }
  // Asks for the size of an exported image; nothing when the user cancels.
  virtual std::optional<ImageSize> askImageSize(ImageSize preset) { return preset; }
  // Saves the chart as the window draws it, as PNG or SVG by the path's extension.
  virtual void saveChartImage(const Chart& chart, const std::string& path, ImageSize size);

  // Local date and time as a day count with the time as fraction.
  virtual DayCount now() = 0;
  DayCount today() { return dateOnly(now()); }
  int currentHour();
  // Low 32 bits of a high-resolution counter, for seeding.
  virtual std::uint32_t tickCount() = 0;
  virtual WeekdayNames shortDayNames() = 0;
  virtual WeekdayNames longDayNames() = 0;
};

}  // namespace numora
