#include "form/controls.h"

#include <algorithm>
#include <stdexcept>

namespace numora {

Control::Control(ControlRegistry* registry, std::string name) : name_(std::move(name)) {
  if (registry) registry->add(this);
}

void Control::setCaption(PatternText caption) {
  if (shownCaption_ == caption) return;
  caption_ = caption.written();
  shownCaption_ = std::move(caption);
  markChanged();
}

void Control::setHint(std::string hint) {
  if (hint_ == hint) return;
  hint_ = std::move(hint);
  markChanged();
}

void Control::setVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  markChanged();
}

void Control::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  markChanged();
}

void Control::setHeld(bool held) {
  if (held_ == held) return;
  held_ = held;
  markChanged();
}

Control* ControlRegistry::find(const std::string& name) const {
  for (Control* control : controls_) {
    if (control->name() == name) return control;
  }
  return nullptr;
}

UpDown::UpDown(ControlRegistry* registry, std::string name, int min, int max, int position)
    : Control(registry, std::move(name)), min_(min), max_(max), position_(position) {}

void UpDown::setPosition(int position) {
  position = std::clamp(position, min_, std::max(min_, max_));
  if (position_ == position) return;
  position_ = position;
  markChanged();
}

void UpDown::setMin(int min) {
  min_ = min;
  markChanged();
  setPosition(position_);
}

void UpDown::setMax(int max) {
  max_ = max;
  markChanged();
  setPosition(position_);
}

CheckBox::CheckBox(ControlRegistry* registry, std::string name, bool checked)
    : Control(registry, std::move(name)), checked_(checked) {}

void CheckBox::setChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  markChanged();
}

Edit::Edit(ControlRegistry* registry, std::string name, std::string text)
    : Control(registry, std::move(name)), text_(std::move(text)), shownText_(text_) {}

void Edit::setText(PatternText text) {
  if (shownText_ == text) return;
  text_ = text.written();
  shownText_ = std::move(text);
  markChanged();
}

ComboBox::ComboBox(ControlRegistry* registry, std::string name, std::vector<std::string> items,
                   int itemIndex, std::string text)
    : Control(registry, std::move(name)),
      items_(std::move(items)),
      itemIndex_(itemIndex),
      text_(std::move(text)) {}

void ComboBox::setItemIndex(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) index = -1;
  if (index == itemIndex_) return;
  if (index >= 0) text_ = items_[static_cast<std::size_t>(index)];
  itemIndex_ = index;
  markChanged();
}

RadioGroup::RadioGroup(ControlRegistry* registry, std::string name, std::vector<std::string> items,
                       int itemIndex)
    : Control(registry, std::move(name)), items_(std::move(items)), itemIndex_(itemIndex) {}

void RadioGroup::setItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (itemIndex_ == index) return;
  itemIndex_ = index;
  markChanged();
}

ListBox::ListBox(ControlRegistry* registry, std::string name)
    : Control(registry, std::move(name)) {}

void ListBox::add(std::string line) {
  lines_.push_back(std::move(line));
  markChanged();
}

void ListBox::setLine(std::size_t index, std::string line) {
  lines_.at(index) = std::move(line);
  markChanged();
}

void ListBox::erase(std::size_t index) {
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
  if (itemIndex_ >= static_cast<int>(lines_.size())) itemIndex_ = -1;
  markChanged();
}

void ListBox::clear() {
  lines_.clear();
  itemIndex_ = -1;
  markChanged();
}

void ListBox::setLines(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  itemIndex_ = -1;
  markChanged();
}

void ListBox::setItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(lines_.size())) index = -1;
  if (itemIndex_ == index) return;
  itemIndex_ = index;
  markChanged();
}

StatusBar::StatusBar(ControlRegistry* registry, std::string name)
    : Control(registry, std::move(name)) {}

void StatusBar::setPanel(std::size_t index, std::string text) {
  if (panels_.at(index) == text) return;
  panels_[index] = std::move(text);
  markChanged();
}

DatePicker::DatePicker(ControlRegistry* registry, std::string name, DayCount date, DayCount minDate)
    : Control(registry, std::move(name)), date_(dateOnly(date)), minDate_(minDate) {}

bool DatePicker::setDate(DayCount date) {
  if (!isValidDayCount(date)) return false;
  date = dateOnly(date);
  if (date < minDate_) return false;
  if (date_ != date) {
    date_ = date;
    markChanged();
  }
  return true;
}

void DatePicker::setMinDate(DayCount minDate) {
  minDate_ = dateOnly(minDate);
  if (date_ < minDate_) date_ = minDate_;
  markChanged();
}

PageControl::PageControl(ControlRegistry* registry, std::string name,
                         std::vector<std::string> pages)
    : Control(registry, std::move(name)), pages_(std::move(pages)) {}

void PageControl::setActivePage(int index) {
  if (index < 0 || index >= static_cast<int>(pages_.size()) || index == activePage_) return;
  activePage_ = index;
  markChanged();
}

Chart::Chart(ControlRegistry* registry, std::string name) : Control(registry, std::move(name)) {}

const ChartSeries& Chart::series(int number) const {
  if (number < 1 || number > 2) throw std::out_of_range("chart series " + std::to_string(number));
  return series_[static_cast<std::size_t>(number - 1)];
}

ChartSeries& Chart::mutableSeries(int number) {
  return const_cast<ChartSeries&>(series(number));
}

void Chart::setSeriesActive(int number, bool active) {
  mutableSeries(number).active = active;
  markChanged();
}

void Chart::clearSeries(int number) {
  mutableSeries(number).bars.clear();
  markChanged();
}

void Chart::addBar(int number, double x, double y, std::optional<std::uint32_t> colour) {
  mutableSeries(number).bars.push_back(ChartBar{x, y, colour});
  markChanged();
}

void Chart::setLeftAxisAutomatic() {
  leftAxis_.automatic = true;
  markChanged();
}

void Chart::setLeftAxisMinimum(double min) {
  if (min > leftAxis_.max) return;
  leftAxis_.min = min;
  markChanged();
}

void Chart::setLeftAxisMaximum(double max) {
  if (max < leftAxis_.min) return;
  leftAxis_.max = max;
  markChanged();
}

void Chart::setLeftAxisFixed() {
  leftAxis_.automatic = false;
  markChanged();
}

void Chart::setBottomTitle(PatternText title) {
  bottomTitle_ = title.written();
  shownBottomTitle_ = std::move(title);
  markChanged();
}

void Chart::setLeftTitle(std::string title) {
  leftTitle_ = std::move(title);
  markChanged();
}

ProgressBar::ProgressBar(ControlRegistry* registry, std::string name)
    : Control(registry, std::move(name)) {
  setVisible(false);
}

void ProgressBar::setProgress(int position, int maximum) {
  maximum = std::max(maximum, 0);
  position = std::clamp(position, 0, maximum);
  if (position == position_ && maximum == maximum_) return;
  position_ = position;
  maximum_ = maximum;
  markChanged();
}

void Chart::setHint(std::string hint) {
  if (hint == hint_) return;
  hint_ = std::move(hint);
  markChanged();
}

}  // namespace numora
