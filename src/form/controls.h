// The control types of the form model: plain data that behaves as the window's controls do
// (up-downs clamp, date pickers refuse dates below their lower limit, ...). Every change bumps
// the control's change counter so a view repaints only what moved.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/day_date.h"
#include "common/pattern_text.h"

namespace numora {

class ControlRegistry;

class Control {
 public:
  Control(ControlRegistry* registry, std::string name);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  const std::string& name() const { return name_; }
  std::uint64_t changeCount() const { return changes_; }

  // The caption as numora-cli prints it: numbers in the plain format.
  const std::string& caption() const { return caption_; }
  // The caption with its values, for the window to write in the user's locale and language.
  const PatternText& shownCaption() const { return shownCaption_; }
  void setCaption(PatternText caption);
  const std::string& hint() const { return hint_; }
  void setHint(std::string hint);
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  // Held while long work runs that the control could disturb: the window shows it disabled,
  // whatever `enabled` says, and gives it back as it was when the work ends.
  bool held() const { return held_; }
  void setHeld(bool held);

 protected:
  void markChanged() { ++changes_; }

 private:
  std::string name_;
  std::string caption_;
  PatternText shownCaption_;
  std::string hint_;
  bool visible_ = true;
  bool enabled_ = true;
  bool held_ = false;
  std::uint64_t changes_ = 0;
};

// Every control of a form registers itself here, so front ends can find it by its name.
class ControlRegistry {
 public:
  void add(Control* control) { controls_.push_back(control); }
  Control* find(const std::string& name) const;
  const std::vector<Control*>& all() const { return controls_; }

 private:
  std::vector<Control*> controls_;
};

using Label = Control;

// A button: a control the user clicks, told apart from labels so the window knows what takes
// input.
class Button : public Control {
 public:
  using Control::Control;
};

class UpDown : public Control {
 public:
  UpDown(ControlRegistry* registry, std::string name, int min, int max, int position);
  int position() const { return position_; }
  // Clamps into min..max, as the control does.
  void setPosition(int position);
  int min() const { return min_; }
  int max() const { return max_; }
  void setMin(int min);
  void setMax(int max);

 private:
  int min_;
  int max_;
  int position_;
};

class CheckBox : public Control {
 public:
  CheckBox(ControlRegistry* registry, std::string name, bool checked);
  bool checked() const { return checked_; }
  void setChecked(bool checked);

 private:
  bool checked_;
};

class Edit : public Control {
 public:
  Edit(ControlRegistry* registry, std::string name, std::string text = {});
  const std::string& text() const { return text_; }
  // A text the model wrote with values in it keeps them for the window; typed text has none.
  const PatternText& shownText() const { return shownText_; }
  void setText(PatternText text);

 private:
  std::string text_;
  PatternText shownText_;
};

// A multi-line text; the results import keeps the page text of a month in one.
class Memo : public Edit {
 public:
  using Edit::Edit;
};

class ComboBox : public Control {
 public:
  ComboBox(ControlRegistry* registry, std::string name, std::vector<std::string> items,
           int itemIndex, std::string text);
  const std::vector<std::string>& items() const { return items_; }
  int itemIndex() const { return itemIndex_; }
  // An index outside the items selects nothing (-1) and keeps the text.
  void setItemIndex(int index);
  const std::string& text() const { return text_; }

 private:
  std::vector<std::string> items_;
  int itemIndex_;
  std::string text_;
};

class RadioGroup : public Control {
 public:
  RadioGroup(ControlRegistry* registry, std::string name, std::vector<std::string> items,
             int itemIndex);
  const std::vector<std::string>& items() const { return items_; }
  int itemIndex() const { return itemIndex_; }
  void setItemIndex(int index);

 private:
  std::vector<std::string> items_;
  int itemIndex_;
};

class ListBox : public Control {
 public:
  ListBox(ControlRegistry* registry, std::string name);
  const std::vector<std::string>& lines() const { return lines_; }
  std::size_t count() const { return lines_.size(); }
  const std::string& line(std::size_t index) const { return lines_.at(index); }
  void add(std::string line);
  void setLine(std::size_t index, std::string line);
  void erase(std::size_t index);
  void clear();
  void setLines(std::vector<std::string> lines);
  // -1 when nothing is selected.
  int itemIndex() const { return itemIndex_; }
  void setItemIndex(int index);

 private:
  std::vector<std::string> lines_;
  int itemIndex_ = -1;
};

class StatusBar : public Control {
 public:
  StatusBar(ControlRegistry* registry, std::string name);
  static constexpr std::size_t kPanels = 2;
  const std::string& panel(std::size_t index) const { return panels_.at(index); }
  void setPanel(std::size_t index, std::string text);

 private:
  std::array<std::string, kPanels> panels_;
};

// How far a long operation is: position of maximum, and the caption says what it is doing.
// Hidden while nothing runs.
class ProgressBar : public Control {
 public:
  ProgressBar(ControlRegistry* registry, std::string name);
  int position() const { return position_; }
  int maximum() const { return maximum_; }
  // The position is kept within 0..maximum.
  void setProgress(int position, int maximum);

 private:
  int position_ = 0;
  int maximum_ = 0;
};

// A date-only picker with a lower limit.
class DatePicker : public Control {
 public:
  DatePicker(ControlRegistry* registry, std::string name, DayCount date, DayCount minDate);
  DayCount date() const { return date_; }
  // False, and nothing changes, when the date lies before the lower limit (or is no date).
  [[nodiscard]] bool setDate(DayCount date);
  DayCount minDate() const { return minDate_; }
  // Raising the limit above the shown date moves the date up to it.
  void setMinDate(DayCount minDate);

 private:
  DayCount date_;
  DayCount minDate_;
};

// The tab pages of the main window; the index of the page shown.
class PageControl : public Control {
 public:
  PageControl(ControlRegistry* registry, std::string name, std::vector<std::string> pages);
  const std::vector<std::string>& pages() const { return pages_; }
  int activePage() const { return activePage_; }
  void setActivePage(int index);

 private:
  std::vector<std::string> pages_;
  int activePage_ = 0;
};

// A bar chart: two bar series that can be switched on and off, a value axis with a fixed range
// or automatic scaling, and a category axis with a title.
struct ChartBar {
  double x = 0;
  double y = 0;
  std::optional<std::uint32_t> colour;  // 0xRRGGBB, or the series' own colour
  bool operator==(const ChartBar&) const = default;
};

struct ChartSeries {
  bool active = true;
  std::vector<ChartBar> bars;
};

class Chart : public Control {
 public:
  Chart(ControlRegistry* registry, std::string name);
  const ChartSeries& series(int number) const;  // 1 or 2
  void setSeriesActive(int number, bool active);
  void clearSeries(int number);
  void addBar(int number, double x, double y, std::optional<std::uint32_t> colour = {});

  struct Axis {
    bool automatic = true;
    double min = 0;
    double max = 0;
  };
  const Axis& leftAxis() const { return leftAxis_; }
  void setLeftAxisAutomatic();
  // A fixed value axis refuses a minimum above its maximum and a maximum below its minimum.
  void setLeftAxisMinimum(double min);
  void setLeftAxisMaximum(double max);
  void setLeftAxisFixed();
  const std::string& bottomTitle() const { return bottomTitle_; }
  // The title with its counts kept as values, which the window writes in the user's locale.
  const PatternText& shownBottomTitle() const { return shownBottomTitle_; }
  void setBottomTitle(PatternText title);
  // What the bars count, the value axis's title.
  const std::string& leftTitle() const { return leftTitle_; }
  void setLeftTitle(std::string title);
  // A line or two across the plot area saying what to do while there is nothing to chart.
  const std::string& hint() const { return hint_; }
  void setHint(std::string hint);

 private:
  ChartSeries& mutableSeries(int number);
  std::array<ChartSeries, 2> series_;
  Axis leftAxis_;
  std::string bottomTitle_;
  PatternText shownBottomTitle_;
  std::string leftTitle_;
  std::string hint_;
};

}  // namespace numora
