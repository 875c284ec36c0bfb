// Builds the widgets of the tab pages. Each widget takes its control's designed name as object
// name, sits at its designed rectangle, is bound to its control for display, and passes the
// user's changes and clicks on to the form model and the TForm1 handlers.
#pragma once

#include <QColor>
#include <QPointer>
#include <QRect>
#include <functional>
#include <string>
#include <vector>

#include "app/daruvizo.h"
#include "app/qt/control_binding.h"
#include "app/qt/design_layout.h"
#include "app/qt/event_hooks.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QToolButton;
class QWidget;

namespace numora {

class DateField;
class StatisticsChartView;

class PageBuilder {
 public:
  // Runs a user action as the event loop would (errors become messages) and shows the result.
  using Forward = std::function<void(const std::function<void()>&)>;
  using Action = std::function<void()>;

  PageBuilder(TForm1& form1, ControlBinding& binding, DesignLayout& layout, EventHooks& hooks,
              Forward forward);

  Form& form() { return form1_.form; }
  TForm1& form1() { return form1_; }
  const Forward& forward() const { return forward_; }

  QLabel* label(QWidget* parent, const Label& control, const QRect& rect,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
  // A label that opens something when clicked: blue, with the pointing hand.
  QLabel* linkLabel(QWidget* parent, const Label& control, const QRect& rect, Action click);
  // Buttons run `click`; without one they run the TForm1 handler "<Name>Click" when there is
  // one. A flat button shows an arrow or an icon.
  QToolButton* speedButton(QWidget* parent, const Button& control, const QRect& rect, Action click);
  QPushButton* button(QWidget* parent, const Button& control, const QRect& rect, Action click);
  // An up-down with its edit field. When the form has the edit as a control of its own, a
  // change also writes the edit's text and runs its change handler, and leaving the field runs
  // its exit handler.
  QSpinBox* upDown(QWidget* parent, UpDown& control, const QRect& rect, const char* editName);
  QCheckBox* checkBox(QWidget* parent, CheckBox& control, const QRect& rect);
  QLineEdit* edit(QWidget* parent, Edit& control, const QRect& rect);
  QPlainTextEdit* memo(QWidget* parent, Memo& control, const QRect& rect);
  QComboBox* comboBox(QWidget* parent, ComboBox& control, const QRect& rect);
  // A list whose selection the user moves; the model's item index follows.
  QListWidget* listBox(QWidget* parent, ListBox& control, const QRect& rect);
  // A read-only table under its column titles.
  QTableWidget* grid(QWidget* parent, const StringGrid& control, const QRect& rect);
  // A group of radio buttons, one per item, stacked in rows of `columns`; a click on another
  // item sets the item index and runs `click`.
  QGroupBox* radioGroup(QWidget* parent, RadioGroup& control, const QRect& rect, int columns,
                        Action click);
  QDateEdit* datePicker(QWidget* parent, DatePicker& control, const QRect& rect);
  // The statistics chart; the page places it, as it fills what the button row leaves.
  StatisticsChartView* chart(QWidget* parent, const Chart& control);
  // A coloured panel without a control of its own.
  QFrame* panel(QWidget* parent, const char* name, const QRect& rect, const QColor& colour);

  // The click of a button that runs the TForm1 handler of that name from the handler table.
  Action handler(std::string name);
  // A date being typed in any date field is read before a click runs, as leaving the field
  // would read it; false when typed text was no date (the click then runs nothing).
  bool takeTypedDates();

  void place(QWidget* widget, const QRect& rect) { layout_.place(widget, rect); }
  void setFont(QWidget* widget, const QFont& font) { layout_.setFont(widget, font); }
  void fixHeight(QWidget* widget, int height) { layout_.fixHeight(widget, height); }
  void onClick(QWidget* widget, Action click);

 private:
  // The click action, or the handler registered under the control's name.
  Action clickAction(const Control& control, Action click);

  void bind(const Control& control, QWidget* widget);
  // A user's change of a control: refused (and the widget shown as the model has it) while long
  // work runs that it could disturb; otherwise `apply` writes it into the model and the
  // control's change handler runs.
  void change(const Control& control, const std::function<void()>& apply);
  // A click: typed dates first, then the action as the event loop runs it. A click made just
  // after typing a non-date runs nothing: it was meant for the date typed.
  void click(const Action& action);

  TForm1& form1_;
  ControlBinding& binding_;
  DesignLayout& layout_;
  EventHooks& hooks_;
  Forward forward_;
  std::vector<QPointer<DateField>> dateFields_;
};

}  // namespace numora
