#include "form/scripted_platform.h"

#include <chrono>
#include <ctime>

namespace numora {

void ScriptedPlatform::reportLine(const std::string& line) {
  if (report) report(line);
}

void ScriptedPlatform::showMessage(const PatternText& text) {
  messages_.push_back(text.written());
  reportLine("message: " + messages_.back());
}

void ScriptedPlatform::reportDetails(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) reportLine("detail: " + line);
}

std::string ScriptedPlatform::inputBox(const std::string& caption, const std::string& prompt,
                                       const std::string& preset) {
  reportLine("input: " + caption);
  if (inputs_.empty()) return preset;
  auto answer = std::move(inputs_.front());
  inputs_.pop_front();
  return answer ? *answer : preset;
}

std::optional<std::string> ScriptedPlatform::nextFile() {
  if (files_.empty()) return std::nullopt;
  auto answer = std::move(files_.front());
  files_.pop_front();
  return answer;
}

std::optional<PaperSize> ScriptedPlatform::choosePrinter() {
  reportLine("print dialog");
  return paper_;
}

void ScriptedPlatform::printDocument(const PrintDocument& document) {
  printed_.push_back(document);
  reportLine("printed: " + std::to_string(document.pages.size()) + " pages");
}

void ScriptedPlatform::writePdf(const PrintDocument& document, const std::string& path) {
  if (!pdfWriter) return Platform::writePdf(document, path);
  pdfWriter(document, path);
}

std::optional<ImageSize> ScriptedPlatform::askImageSize(ImageSize preset) {
  if (imageSizes_.empty()) return preset;
  const auto answer = imageSizes_.front();
  imageSizes_.pop_front();
  return answer;
}

void ScriptedPlatform::saveChartImage(const Chart& chart, const std::string& path, ImageSize size) {
  if (!chartWriter) return Platform::saveChartImage(chart, path, size);
  chartWriter(chart, path, size);
}

std::optional<std::string> ScriptedPlatform::openFileDialog(const FileDialogRequest& request) {
  lastFileRequest_ = request;
  return nextFile();
}

std::optional<std::string> ScriptedPlatform::saveFileDialog(const FileDialogRequest& request) {
  lastFileRequest_ = request;
  return nextFile();
}

ModalResult ScriptedPlatform::showNumberChoiceDialog() {
  if (choices_.empty()) return ModalResult::Cancel;
  ChoiceAnswer answer = std::move(choices_.front());
  choices_.pop_front();
  if (applyChoiceSteps) applyChoiceSteps(answer.steps);
  return answer.result;
}

void ScriptedPlatform::shellOpen(const std::string& target) {
  opened_.push_back(target);
  reportLine("open: " + target);
}

void ScriptedPlatform::processEvents() {
  ++processEventsCalls_;
  if (onProcessEvents) onProcessEvents();
}

void ScriptedPlatform::startWork(BackgroundWork work) {
  runWorkHere(
      work, [this] { processEvents(); }, true);
}

DayCount ScriptedPlatform::now() {
  if (fixedNow_) return *fixedNow_;
  const std::time_t seconds = std::time(nullptr);
  std::tm local{};
  localtime_r(&seconds, &local);
  return encodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
         (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}

std::uint32_t ScriptedPlatform::tickCount() {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return static_cast<std::uint32_t>(ticks);
}

WeekdayNames ScriptedPlatform::shortDayNames() {
  return {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
}

WeekdayNames ScriptedPlatform::longDayNames() {
  return {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
}

}  // namespace numora
